#include "tally/TallyRecord.h"

#include "net/Wire.h"

#include <QByteArrayView>
#include <QSet>

#include <climits>
#include <new>

namespace {

// A cell must stay on its own line of the plain layout.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The count a text stands for when it is written exactly as QString::number writes
// it: an optional "-", then digits without a leading zero ("0" alone), within int.
// Any other text (" 7", "007", "-0", "lots") is no plain count and is kept as text.
template <typename Char>
std::optional<int> plainCount(const Char* text, qsizetype size)
{
    if (size < 1 || size > 11)
        return std::nullopt;
    const bool negative = text[0] == Char('-');
    qsizetype i = negative ? 1 : 0;
    if (i == size || (text[i] == Char('0') && (negative || size - i > 1)))
        return std::nullopt;
    qint64 value = 0;
    for (; i < size; ++i) {
        if (text[i] < Char('0') || text[i] > Char('9'))
            return std::nullopt;
        value = value * 10 + (text[i] - Char('0'));
    }
    value = negative ? -value : value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return int(value);
}

// Room for more text in the one string of a record, whose positions are 32-bit.
void requireRoom(const QString& text, qsizetype more)
{
    if (text.size() + more > INT_MAX)
        throw std::bad_alloc();
}

} // namespace

TallyRecord::Cell TallyRecord::textCell(QStringView text)
{
    if (const auto count = plainCount(text.utf16(), text.size()))
        return countCell(*count);
    requireRoom(m_text, text.size());
    const Cell cell{qint32(m_text.size()), qint32(text.size())};
    m_text.append(text);
    return cell;
}

QStringView TallyRecord::textOf(const Cell& cell) const
{
    return QStringView(m_text).sliced(cell.at, cell.length);
}

// A new row holds the count 0 in every cell.
TallyRecord::TallyRecord()
{
    for (std::vector<Cell>& column : m_columns)
        column.push_back(countCell(0));
}

QString TallyRecord::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns)
        return {};
    const Cell& cell = at(row, column);
    return cell.isCount() ? QString::number(cell.at) : textOf(cell).toString();
}

QStringView TallyRecord::heldText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= Columns || at(row, column).isCount())
        return {};
    // Never null, even when empty, so that it tells a text from a count.
    const QStringView text = textOf(at(row, column));
    return text.isNull() ? QStringView(u"") : text;
}

int TallyRecord::countOfText(const Cell& cell) const
{
    bool ok = false;
    const int value = textOf(cell).trimmed().toInt(&ok);
    return ok ? value : 0;
}

QStringList TallyRecord::followed() const
{
    QStringList names;
    for (int row = 1; row < rowCount(); ++row)
        names.append(cell(row, Name));
    return names;
}

int TallyRecord::indexOfFollowed(const QString& name) const
{
    for (int row = 1; row < rowCount(); ++row) {
        const Cell& cell = at(row, Name);
        const bool same = cell.isCount() ? QString::number(cell.at).compare(name, Qt::CaseInsensitive) == 0
                                         : textOf(cell).compare(name, Qt::CaseInsensitive) == 0;
        if (same)
            return row - 1;
    }
    return -1;
}

bool TallyRecord::follow(const QString& name)
{
    if (name.isEmpty() || indexOfFollowed(name) >= 0)
        return false;
    m_columns[Name].push_back(textCell(oneLine(name)));
    for (int column = Games; column < Columns; ++column)
        m_columns[std::size_t(column)].push_back(countCell(0));
    return true;
}

void TallyRecord::drop(int line)
{
    const int row = line + 1;
    if (row >= 1 && row < rowCount()) {
        for (std::vector<Cell>& column : m_columns)
            column.erase(column.begin() + row);
        compactText();
    }
}

void TallyRecord::reset()
{
    for (std::vector<Cell>& column : m_columns)
        column.resize(1);
    for (int column = 1; column <= NeitherWon; ++column)
        at(0, column) = countCell(0);
    compactText();
}

void TallyRecord::startSession()
{
    for (int row = 1; row < rowCount(); ++row) {
        for (int column = Games + SessionOffset; column < Columns; ++column)
            at(row, column) = countCell(0);
    }
    compactText();
}

void TallyRecord::compactText()
{
    qsizetype used = 0;
    for (const std::vector<Cell>& column : m_columns) {
        for (const Cell& cell : column)
            used += cell.isCount() ? 0 : cell.length;
    }
    if (m_text.size() < 4096 || m_text.size() < 2 * used)
        return;
    QString kept;
    kept.reserve(used);
    for (std::vector<Cell>& column : m_columns) {
        for (Cell& cell : column) {
            if (cell.isCount())
                continue;
            const QStringView text = textOf(cell);
            cell.at = qint32(kept.size());
            kept.append(text);
        }
    }
    m_text = kept;
}

void TallyRecord::addOne(int row, int column)
{
    // A count stops at the largest number it can hold rather than turning negative.
    const int now = count(row, column);
    at(row, column) = countCell(now < INT_MAX ? now + 1 : now);
}

void TallyRecord::addgame(const QStringList& opponents, const QString& winner, const QString& ownName)
{
    const bool iWon = winner == ownName;
    addOne(0, Games);
    if (iWon)
        addOne(0, HisWins);

    QSet<int> counted;
    for (const QString& name : opponents) {
        if (name == EmptySeat)
            continue;
        const int line = indexOfFollowed(name);
        if (line < 0 || counted.contains(line))
            continue;
        counted.insert(line);
        const int row = line + 1;
        for (int column = Games; column < Columns; ++column) {
            if (!at(row, column).isCount() && at(row, column).length == 0)
                at(row, column) = countCell(0);
        }
        int column = NeitherWon;
        if (iWon)
            column = MyWins;
        else if (cell(row, Name) == winner)
            column = HisWins;
        for (int c : {int(Games), column}) {
            addOne(row, c);
            addOne(row, c + SessionOffset);
        }
    }
}

bool TallyRecord::operator==(const TallyRecord& other) const
{
    if (rowCount() != other.rowCount())
        return false;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < Columns; ++column) {
            const Cell& a = at(row, column);
            const Cell& b = other.at(row, column);
            // A text never spells a plain count, so a count and a text always differ.
            if (a.isCount() != b.isCount() || (a.isCount() ? a.at != b.at : textOf(a) != other.textOf(b)))
                return false;
        }
    }
    return true;
}

QByteArray TallyRecord::toPlain() const
{
    const QByteArray eol("\r\n");
    QByteArray out;
    out += QByteArray::number(Columns) + eol;
    out += QByteArray::number(rowCount()) + eol;
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < rowCount(); ++row) {
            const Cell& cell = at(row, column);
            if (cell.isCount())
                out += QByteArray::number(cell.at);
            else
                out += wire::toWire(oneLine(textOf(cell).toString()));
            out += eol;
        }
    }
    return out;
}

std::optional<TallyRecord> TallyRecord::fromPlain(const QByteArray& plain)
{
    TallyPlainReader reader(plain.size());
    reader.feed(plain);
    return reader.finish();
}

// A text of n line ends holds n + 1 lines: the last one follows the last line end, even
// when empty. Lines are taken one at a time, never stored: a damaged file of nothing but
// line ends must not become millions of empty lines.
std::vector<TallyRecord::Cell>& TallyPlainReader::column()
{
    // The columns fill one after the other.
    if (m_left == 0) {
        m_filling = &m_record.m_columns[m_column++];
        m_left = m_rows;
    }
    --m_left;
    return *m_filling;
}

void TallyPlainReader::feed(QByteArrayView piece)
{
    const char* at = piece.data();
    const char* const stop = at + piece.size();
    while (at != stop) {
        // Most lines are counts: one is read as its end is looked for, and taken at once.
        if (m_partial.isEmpty() && m_lines >= 2 && !m_bad && m_lines - 2 < m_cells) {
            const char* digit = at;
            quint64 value = 0;
            while (digit != stop && digit - at < 10 && quint8(*digit - '0') < 10)
                value = value * 10 + quint64(*digit++ - '0');
            const bool ended = digit != stop
                && (*digit == '\n' || (*digit == '\r' && digit + 1 != stop && digit[1] == '\n'));
            if (ended && digit != at && (*at != '0' || digit - at == 1) && value <= quint64(INT_MAX)) {
                ++m_lines;
                column().push_back(TallyRecord::countCell(int(value)));
                at = digit + (*digit == '\r' ? 2 : 1);
                continue;
            }
        }
        // Any other line: found whole, then taken.
        const char* end = at;
        while (end != stop && *end != '\n')
            ++end;
        if (end == stop) {
            m_partial.append(QByteArrayView(at, stop));
            return;
        }
        const QByteArrayView line(at, end);
        if (m_partial.isEmpty()) {
            take(line);
        } else {
            m_partial.append(line);
            take(m_partial);
            m_partial.resize(0);
        }
        at = end + 1;
    }
}

std::optional<TallyRecord> TallyPlainReader::finish()
{
    take(m_partial);
    m_partial.clear();
    // Fewer cells than announced, or no row count at all: no record.
    if (m_bad || m_lines < 2 || m_lines - 2 < m_cells)
        return std::nullopt;
    return std::move(m_record);
}

void TallyPlainReader::take(QByteArrayView line)
{
    using Cell = TallyRecord::Cell;
    const qint64 index = m_lines++;
    if (m_bad)
        return;
    if (line.endsWith('\r'))
        line.chop(1);
    if (index == 0) {
        bool ok = false;
        m_bad = line.trimmed().toInt(&ok) != TallyRecord::Columns || !ok;
        return;
    }
    if (index == 1) {
        bool ok = false;
        m_rows = line.trimmed().toInt(&ok);
        // Every cell takes a line, and so at least its line end: a row count that the
        // layout cannot hold is refused before anything is sized, so it costs nothing.
        m_cells = qint64(m_rows) * TallyRecord::Columns;
        m_bad = !ok || m_rows < 1 || m_cells > m_size;
        if (m_bad)
            return;
        // Room for the text of every cell, which the layout cannot exceed: only what is
        // used is ever touched, and the text is never moved while it grows.
        m_record.m_text.reserve(qsizetype(m_size));
        for (std::vector<Cell>& column : m_record.m_columns) {
            column.clear();
            column.reserve(std::size_t(m_rows));
        }
        return;
    }
    if (index - 2 >= m_cells)
        return; // lines after the last cell are not part of the record
    std::vector<Cell>& cells = column();
    if (const auto count = plainCount(line.data(), line.size())) {
        cells.push_back(TallyRecord::countCell(*count));
    } else {
        // One character per byte.
        QString& text = m_record.m_text;
        requireRoom(text, line.size());
        cells.push_back(Cell{qint32(text.size()), qint32(line.size())});
        wire::appendFromWire(text, line);
    }
}
