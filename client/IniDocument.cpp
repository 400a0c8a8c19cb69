#include "client/IniDocument.h"

#include "net/Wire.h"

#include <QStringDecoder>

namespace {

// What surrounds a value without being part of it: spaces, tabs, and a carriage return
// left over from a doubled line end (CR CR LF) or a lone CR ending the last line.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

QByteArray trimmed(const QByteArray& text) { return text.trimmed(); }

// UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return wire::fromWire(bytes);
    return text;
}

// The name of a "[name]" line as stored, or nothing for any other line.
std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    const QByteArrayView t = line.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return t.sliced(1, close - 1).trimmed();
}

bool isComment(QByteArrayView line)
{
    const QByteArrayView t = line.trimmed();
    return t.startsWith(';') || t.startsWith('#');
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool isAscii(QByteArrayView text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Whether a stored name is `name`, letter case aside. Names in plain ASCII, as good as
// all of them, are compared as they are; others once decoded.
bool sameName(QByteArrayView stored, QStringView name)
{
    if (isAscii(stored) && isAscii(name)) {
        if (stored.size() != name.size())
            return false;
        for (qsizetype i = 0; i < stored.size(); ++i) {
            if (asciiLower(stored[i]) != asciiLower(char(name[i].unicode())))
                return false;
        }
        return true;
    }
    return decode(stored.toByteArray()).compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument IniDocument::fromBytes(const QByteArray& bytes)
{
    IniDocument doc;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0) {
            doc.m_lines.push_back({bytes.mid(start), {}});
            break;
        }
        const bool crlf = lf > start && bytes[lf - 1] == '\r';
        const qsizetype textEnd = crlf ? lf - 1 : lf;
        doc.m_lines.push_back({bytes.mid(start, textEnd - start), crlf ? QByteArray("\r\n") : QByteArray("\n")});
        start = lf + 1;
    }
    return doc;
}

QByteArray IniDocument::toBytes() const
{
    QByteArray out;
    for (const Line& line : m_lines)
        out += line.text + line.end;
    return out;
}

qsizetype IniDocument::findSection(QStringView section) const
{
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        const auto name = sectionName(m_lines[i].text);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

std::optional<IniDocument::KeyLine> IniDocument::findKey(qsizetype headerLine, QStringView key) const
{
    for (qsizetype i = headerLine + 1; i < qsizetype(m_lines.size()); ++i) {
        const QByteArray& text = m_lines[i].text;
        if (sectionName(text))
            break;
        if (isComment(text))
            continue;
        const qsizetype eq = text.indexOf('=');
        if (eq < 0 || !sameName(QByteArrayView(text).first(eq).trimmed(), key))
            continue;
        KeyLine found;
        found.line = i;
        found.valueStart = eq + 1;
        while (found.valueStart < text.size() && isBlank(text[found.valueStart]))
            ++found.valueStart;
        found.valueEnd = text.size();
        while (found.valueEnd > found.valueStart && isBlank(text[found.valueEnd - 1]))
            --found.valueEnd;
        return found;
    }
    return std::nullopt;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const auto found = findKey(header, key);
    if (!found)
        return std::nullopt;
    const QByteArray& text = m_lines[found->line].text;
    return decode(text.mid(found->valueStart, found->valueEnd - found->valueStart));
}

qsizetype IniDocument::insertionPoint(qsizetype headerLine) const
{
    qsizetype last = headerLine;
    for (qsizetype i = headerLine + 1; i < qsizetype(m_lines.size()); ++i) {
        if (sectionName(m_lines[i].text))
            break;
        if (!trimmed(m_lines[i].text).isEmpty())
            last = i;
    }
    return last + 1;
}

QByteArray IniDocument::lineEnd() const
{
    // A CR LF file with a stray LF line (a first line written by another tool) is still a
    // CR LF file.
    qsizetype lf = 0;
    qsizetype crlf = 0;
    for (const Line& line : m_lines) {
        lf += line.end == "\n";
        crlf += line.end == "\r\n";
    }
    return lf > crlf ? QByteArrayLiteral("\n") : QByteArrayLiteral("\r\n");
}

void IniDocument::insertLine(qsizetype at, const QByteArray& text)
{
    const QByteArray end = lineEnd();
    // The line before may be the text's last, without a line end of its own.
    if (at > 0 && m_lines[at - 1].end.isEmpty())
        m_lines[at - 1].end = end;
    m_lines.insert(m_lines.begin() + at, Line{text, end});
}

void IniDocument::setValue(QStringView section, QStringView key, const QString& value)
{
    QByteArray bytes = wire::toWindows1252(value);
    bytes.replace('\r', ' ').replace('\n', ' ');

    qsizetype header = findSection(section);
    if (header < 0) {
        if (!m_lines.empty() && !trimmed(m_lines.back().text).isEmpty())
            insertLine(qsizetype(m_lines.size()), QByteArray());
        header = qsizetype(m_lines.size());
        insertLine(header, '[' + wire::toWindows1252(section.toString()) + ']');
    }
    if (const auto found = findKey(header, key)) {
        QByteArray& text = m_lines[found->line].text;
        text.replace(found->valueStart, found->valueEnd - found->valueStart, bytes);
        return;
    }
    insertLine(insertionPoint(header), wire::toWindows1252(key.toString()) + '=' + bytes);
}
