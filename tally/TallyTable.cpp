#include "tally/TallyTable.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr int NumberColumns = TallyRecord::NeitherWon - TallyRecord::Games + 1;
constexpr std::array<const char*, NumberColumns + 1> Headings = {"Player", "Games", "His Wins", "Your Wins",
                                                                 "Neither Won"};
// The most bytes one character of a name takes in the table: "\xNN", or three bytes of
// UTF-8 (a pair of surrogates takes four, two per half).
constexpr qsizetype MaxBytesPerCharacter = 4;

// The control characters (Unicode's category Cc) are exactly U+0000 to U+001F and
// U+007F to U+009F.
bool isControl(char16_t code)
{
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

// The width of a name as the table shows it, in characters: a control character
// takes the four of its "\xNN".
qsizetype shownWidth(QStringView name)
{
    qsizetype width = 0;
    for (const QChar ch : name)
        width += isControl(ch.unicode()) ? 4 : 1;
    return width;
}

// The characters of a count written in decimal.
qsizetype countWidth(int value)
{
    qsizetype width = value < 0 ? 2 : 1;
    for (unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value); magnitude >= 10; magnitude /= 10)
        ++width;
    return width;
}

// Writes the table through one buffer, handed on whenever the next line might not fit.
class TableWriter {
public:
    // `longestLine`: the most bytes one line can take.
    TableWriter(qsizetype longestLine, const std::function<void(QByteArrayView)>& out)
        : m_buffer(std::size_t(std::max<qsizetype>(BufferSize, 2 * longestLine))), m_at(m_buffer.data()),
          m_room(longestLine), m_out(out)
    {
    }
    // Makes room for the next line.
    void line()
    {
        if (m_buffer.data() + m_buffer.size() - m_at < m_room)
            flush();
    }
    void flush()
    {
        if (m_at != m_buffer.data())
            m_out(QByteArrayView(m_buffer.data(), m_at - m_buffer.data()));
        m_at = m_buffer.data();
    }

    void text(const char* s)
    {
        const std::size_t n = std::strlen(s);
        std::memcpy(m_at, s, n);
        m_at += n;
    }
    void spaces(qsizetype n)
    {
        if (n <= 0)
            return;
        std::memset(m_at, ' ', std::size_t(n));
        m_at += n;
    }
    void newline() { *m_at++ = '\n'; }
    // A count right-aligned in a column of the given width.
    void count(int value, qsizetype width)
    {
        char digits[12];
        char* const end = digits + sizeof digits;
        char* first = end;
        unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
        do {
            *--first = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (value < 0)
            *--first = '-';
        spaces(width - (end - first));
        std::memcpy(m_at, first, std::size_t(end - first));
        m_at += end - first;
    }
    // A name in UTF-8, control characters as "\xNN" (they all lie below U+00A0);
    // returns its width as shownWidth() measures it.
    qsizetype name(QStringView name)
    {
        qsizetype width = name.size();
        static constexpr char Hex[] = "0123456789ABCDEF";
        for (qsizetype i = 0; i < name.size(); ++i) {
            const char16_t code = name[i].unicode();
            if (isControl(code)) {
                width += 3;
                *m_at++ = '\\';
                *m_at++ = 'x';
                *m_at++ = Hex[(code >> 4) & 0xF];
                *m_at++ = Hex[code & 0xF];
            } else if (code < 0x80) {
                *m_at++ = char(code);
            } else if (code < 0x800) {
                *m_at++ = char(0xC0 | (code >> 6));
                *m_at++ = char(0x80 | (code & 0x3F));
            } else if (QChar::isHighSurrogate(code) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
                const char32_t full = QChar::surrogateToUcs4(code, name[++i].unicode());
                *m_at++ = char(0xF0 | (full >> 18));
                *m_at++ = char(0x80 | ((full >> 12) & 0x3F));
                *m_at++ = char(0x80 | ((full >> 6) & 0x3F));
                *m_at++ = char(0x80 | (full & 0x3F));
            } else if (QChar::isSurrogate(code)) {
                // Half a pair cannot be written in UTF-8: a "?" stands for it, as Qt writes.
                *m_at++ = '?';
            } else {
                *m_at++ = char(0xE0 | (code >> 12));
                *m_at++ = char(0x80 | ((code >> 6) & 0x3F));
                *m_at++ = char(0x80 | (code & 0x3F));
            }
        }
        return width;
    }

private:
    static constexpr qsizetype BufferSize = 64 * 1024;
    std::vector<char> m_buffer;
    char* m_at;
    qsizetype m_room;
    const std::function<void(QByteArrayView)>& m_out;
};

} // namespace

void writeTallyTable(const TallyRecord& record, const std::function<void(QByteArrayView)>& out)
{
    const int rows = record.rowCount();
    // A name is held as text, unless it spells a number.
    QString spelled;
    const auto nameOf = [&record, &spelled](int row) {
        const QStringView held = record.heldText(row, TallyRecord::Name);
        if (!held.isNull())
            return held;
        spelled = record.cell(row, TallyRecord::Name);
        return QStringView(spelled);
    };

    // Each column as wide as its widest entry: a first pass measures, a second writes.
    std::array<qsizetype, NumberColumns + 1> widths{};
    for (std::size_t c = 0; c < widths.size(); ++c)
        widths[c] = qsizetype(std::strlen(Headings[c]));
    std::array<int, NumberColumns + 1> least{};
    std::array<int, NumberColumns + 1> most{};
    for (int row = 1; row < rows; ++row) {
        widths[0] = std::max(widths[0], shownWidth(nameOf(row)));
        for (int c = 1; c <= NumberColumns; ++c) {
            const int value = record.count(row, c);
            least[std::size_t(c)] = std::min(least[std::size_t(c)], value);
            most[std::size_t(c)] = std::max(most[std::size_t(c)], value);
        }
    }
    for (std::size_t c = 1; c < widths.size(); ++c)
        widths[c] = std::max({widths[c], countWidth(least[c]), countWidth(most[c])});

    qsizetype lineBytes = widths[0] * MaxBytesPerCharacter + 1;
    for (int c = 1; c <= NumberColumns; ++c)
        lineBytes += 2 + widths[std::size_t(c)];
    TableWriter table(std::max<qsizetype>(lineBytes, 64), out);
    table.line();
    table.text("Total Games: ");
    table.count(record.count(0, TallyRecord::Games), 0);
    table.text("\nYour Wins:   ");
    table.count(record.count(0, TallyRecord::HisWins), 0);
    if (rows < 2) {
        table.text("\n\nNo players are being tallied.\n");
        table.flush();
        return;
    }
    table.text("\n\n");
    table.line();
    table.text(Headings[0]);
    table.spaces(widths[0] - qsizetype(std::strlen(Headings[0])));
    for (std::size_t c = 1; c < widths.size(); ++c) {
        table.text("  ");
        table.spaces(widths[c] - qsizetype(std::strlen(Headings[c])));
        table.text(Headings[c]);
    }
    table.newline();
    for (int row = 1; row < rows; ++row) {
        table.line();
        table.spaces(widths[0] - table.name(nameOf(row)));
        for (int c = 1; c <= NumberColumns; ++c) {
            table.text("  ");
            table.count(record.count(row, c), widths[std::size_t(c)]);
        }
        table.newline();
    }
    table.flush();
}

QByteArray tallyTable(const TallyRecord& record)
{
    QByteArray table;
    writeTallyTable(record, [&table](QByteArrayView piece) { table.append(piece); });
    return table;
}
