#include "meanings/WordMeanings.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Bytes read at each step of a search; a key is a few dozen bytes at most.
constexpr qint64 kChunk = 256;
// No line of the database is longer than a few kilobytes: a longer one means a damaged
// file, which is not read further.
constexpr qint64 kLongestLine = 64 * 1024;

struct PartOfSpeech {
    const char* file;  // "noun" for index.noun, data.noun and noun.exc
    const char* name;  // as shown
};
constexpr PartOfSpeech kParts[] = {
    {"noun", "noun"}, {"verb", "verb"}, {"adj", "adjective"}, {"adv", "adverb"}};

// Regular endings and what replaces them in the base form, tried in this order.
struct Ending {
    const char* suffix;
    const char* replacement;
};
constexpr Ending kNounEndings[] = {{"s", ""},     {"ses", "s"},  {"xes", "x"},   {"zes", "z"},
                                   {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr Ending kVerbEndings[] = {{"s", ""},  {"ies", "y"}, {"es", "e"},  {"es", ""},
                                   {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr Ending kAdjEndings[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

std::pair<const Ending*, const Ending*> endingsOf(int part)
{
    switch (part) {
    case 0: return {std::begin(kNounEndings), std::end(kNounEndings)};
    case 1: return {std::begin(kVerbEndings), std::end(kVerbEndings)};
    case 2: return {std::begin(kAdjEndings), std::end(kAdjEndings)};
    default: return {nullptr, nullptr};
    }
}

// The line that starts at `pos`, without its line end; empty past the end or when the
// line is implausibly long.
QByteArray lineAt(QFile& file, qint64 pos)
{
    QByteArray line;
    if (!file.seek(pos))
        return line;
    while (line.size() < kLongestLine) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty())
            return line;
        const qsizetype end = chunk.indexOf('\n');
        if (end >= 0)
            return line + chunk.left(end);
        line += chunk;
    }
    return QByteArray();
}

// The first line start at or after `pos` (the file's size when there is none).
qint64 nextLineStart(QFile& file, qint64 pos, qint64 size)
{
    if (pos == 0)
        return 0;
    qint64 at = pos - 1;
    if (!file.seek(at))
        return size;
    while (at < size && at - pos < kLongestLine) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty())
            return size;
        const qsizetype end = chunk.indexOf('\n');
        if (end >= 0)
            return at + end + 1;
        at += chunk.size();
    }
    return size;
}

QByteArray firstField(const QByteArray& line)
{
    const qsizetype space = line.indexOf(' ');
    return space < 0 ? line : line.left(space);
}

// The first line that starts at or after `pos`, and its first field: mostly found in
// one read, which finds the line's start and the key behind it.
struct Probe {
    qint64 start = 0;
    QByteArray key;
};

Probe probe(QFile& file, qint64 pos, qint64 size)
{
    const qint64 at = pos == 0 ? 0 : pos - 1;
    const QByteArray chunk = file.seek(at) ? file.read(kChunk) : QByteArray();
    qsizetype from = 0;
    if (pos > 0) {
        const qsizetype end = chunk.indexOf('\n');
        if (end < 0) {
            // Inside a long line: find its end the long way.
            const qint64 start = nextLineStart(file, pos, size);
            return {start, start < size ? firstField(lineAt(file, start)) : QByteArray()};
        }
        from = end + 1;
    }
    Probe p{at + from, QByteArray()};
    if (p.start >= size)
        return {size, QByteArray()};
    const qsizetype space = chunk.indexOf(' ', from);
    const qsizetype end = chunk.indexOf('\n', from);
    const qsizetype stop = space >= 0 && (end < 0 || space < end) ? space : end;
    if (stop >= 0)
        p.key = chunk.mid(from, stop - from);
    else if (at + chunk.size() >= size)
        p.key = chunk.mid(from); // the file's last line, without a line end
    else
        p.key = firstField(lineAt(file, p.start));
    return p;
}

int compareKeys(const QByteArray& a, const QByteArray& b)
{
    const int n = int(std::min(a.size(), b.size()));
    const int c = memcmp(a.constData(), b.constData(), size_t(n));
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// One part of speech's entry for a lemma in its index file.
struct IndexEntry {
    int part = 0;
    QByteArray lemma;
    int tagged = 0;          // tagsense_cnt: senses of it found in WordNet's tagged texts
    QList<qint64> offsets;   // its synsets in data.POS, most used first
};

bool readIndexLine(const QByteArray& line, int part, IndexEntry* entry)
{
    const QList<QByteArray> f = line.split(' ');
    bool ok = false;
    if (f.size() < 6)
        return false;
    const int synsets = f[2].toInt(&ok);
    if (!ok || synsets < 1)
        return false;
    const int pointers = f[3].toInt(&ok);
    if (!ok || pointers < 0)
        return false;
    const qsizetype first = 6 + qsizetype(pointers);
    if (f.size() < first + synsets)
        return false;
    entry->part = part;
    entry->lemma = f[0];
    entry->tagged = f[5 + pointers].toInt(&ok);
    if (!ok)
        entry->tagged = 0;
    for (int i = 0; i < synsets; ++i) {
        const qint64 offset = f[first + i].toLongLong(&ok);
        if (ok && offset >= 0)
            entry->offsets.append(offset);
    }
    return !entry->offsets.isEmpty();
}

// The definition of a data line: the gloss after "| ", up to its first example.
QString glossOf(const QByteArray& line, qint64 offset)
{
    // A data line begins with its own offset; any other line means the index and the
    // data file do not belong together.
    bool ok = false;
    if (firstField(line).toLongLong(&ok) != offset || !ok)
        return QString();
    const qsizetype bar = line.indexOf(" | ");
    if (bar < 0)
        return QString();
    QByteArray gloss = line.mid(bar + 3);
    const qsizetype example = gloss.indexOf("; \"");
    if (example >= 0)
        gloss.truncate(example);
    return QString::fromUtf8(gloss.trimmed());
}

} // namespace

WordMeanings::WordMeanings(QString folder)
    : m_folder(std::move(folder))
{
}

bool WordMeanings::available() const
{
    for (const PartOfSpeech& p : kParts) {
        const QString suffix = QString::fromLatin1(p.file);
        if (QFileInfo::exists(m_folder + QStringLiteral("/index.") + suffix)
            && QFileInfo::exists(m_folder + QStringLiteral("/data.") + suffix))
            return true;
    }
    return false;
}

QByteArray WordMeanings::findLine(const QString& path, const QByteArray& key)
{
    QFile file(path);
    if (key.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QByteArray();
    const qint64 size = file.size();
    // Line starts in [lo, hi) hold the line sought, if any.
    qint64 lo = 0;
    qint64 hi = size;
    while (lo < hi) {
        const qint64 mid = lo + (hi - lo) / 2;
        const Probe p = probe(file, mid, size);
        if (p.start >= hi) {
            hi = mid;
            continue;
        }
        const int c = compareKeys(p.key, key);
        if (c == 0)
            return lineAt(file, p.start);
        if (c < 0)
            lo = p.start + 1;
        else
            hi = mid;
    }
    return QByteArray();
}

QList<WordMeanings::Meaning> WordMeanings::lookUp(const QString& word, int count) const
{
    QList<Meaning> meanings;
    const QByteArray key = word.trimmed().toLower().toUtf8().replace(' ', '_');
    if (key.isEmpty() || count < 1)
        return meanings;

    QList<IndexEntry> entries;
    for (int part = 0; part < int(std::size(kParts)); ++part) {
        const QString suffix = QString::fromLatin1(kParts[part].file);
        const QString index = m_folder + QStringLiteral("/index.") + suffix;
        const auto found = [&](const QByteArray& form) {
            IndexEntry entry;
            if (form.isEmpty() || !readIndexLine(findLine(index, form), part, &entry))
                return false;
            entries.append(entry);
            return true;
        };
        // The word as given; failing that, its irregular base forms, then its regular ones.
        if (found(key))
            continue;
        QList<QByteArray> forms =
            findLine(m_folder + QLatin1Char('/') + suffix + QStringLiteral(".exc"), key).split(' ').mid(1);
        const auto [begin, end] = endingsOf(part);
        // Nouns in "-ss" (glass, address) are their own base form.
        const bool keepsEnding = part == 0 && key.endsWith("ss");
        for (const Ending* e = begin; e != end && !keepsEnding; ++e) {
            if (key.size() > qsizetype(strlen(e->suffix)) && key.endsWith(e->suffix))
                forms.append(key.chopped(strlen(e->suffix)) + e->replacement);
        }
        for (const QByteArray& form : std::as_const(forms)) {
            if (found(form))
                break;
        }
    }
    // The most used part of speech first; the order above breaks ties.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const IndexEntry& a, const IndexEntry& b) { return a.tagged > b.tagged; });

    for (const IndexEntry& entry : std::as_const(entries)) {
        QFile data(m_folder + QStringLiteral("/data.") + QString::fromLatin1(kParts[entry.part].file));
        if (!data.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            continue;
        for (qint64 offset : entry.offsets) {
            if (meanings.size() >= count)
                return meanings;
            const QString gloss = offset < data.size() ? glossOf(lineAt(data, offset), offset) : QString();
            if (!gloss.isEmpty())
                meanings.append({QString::fromLatin1(kParts[entry.part].name),
                                 QString::fromUtf8(entry.lemma).replace(QLatin1Char('_'), QLatin1Char(' ')), gloss});
        }
    }
    return meanings;
}
