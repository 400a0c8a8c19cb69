// The chat's link finder: the word under the pointer, the link in it, and what the
// desktop is asked to open for it.
//
// Input: byte 0 says how the rest is text: even, Windows-1252 as chat lines arrive;
// odd, UTF-16 (two bytes a character, surrogates unpaired or not). Bytes 1 and 2 give a
// range (start, length) handed to RteGetUrl as the history would; the text follows.
//
// Properties: a word holds its position and is bounded by spaces and line ends; the
// first, a middle and the last letter of a word and a space after it find the same
// link; a link lies in the text at its range, inside the word, starts with one of the
// prefixes in any letter case, is longer than it, holds no space or line end and ends in
// a letter (one that lower-cases to "a" to "z"), a digit or "/"; the desktop is never
// asked to open a "file:" address, is asked to open "http://" and the link for a
// "www." link, and never gets a "mailto:" address with an "attach" field.
#include "FuzzCheck.h"
#include "client/RteUrl.h"
#include "net/Wire.h"

#include <QVarLengthArray>

#include <cstdint>

namespace {

using rteurl::TextRange;

// The longest text tried, a long chat line.
constexpr qsizetype MaxChars = 600;

bool hasPrefix(const QString& link, qsizetype* prefixLength)
{
    for (const QString& prefix : rteurl::UrlPrefixes()) {
        if (link.startsWith(prefix, Qt::CaseInsensitive)) {
            *prefixLength = prefix.size();
            return true;
        }
    }
    return false;
}

// A letter "a" to "z" once lower-cased, a digit or "/".
bool linkEnd(QChar c)
{
    const QChar lower = c.toLower();
    return (lower >= u'a' && lower <= u'z') || (c >= u'0' && c <= u'9') || c == u'/';
}

void checkLink(const QString& text, const QString& link, const TextRange& range)
{
    FUZZ_CHECK(range.start >= 0 && range.start <= range.end && range.end <= text.size());
    FUZZ_CHECK(text.mid(range.start, range.end - range.start) == link);
    qsizetype prefixLength = 0;
    FUZZ_CHECK(hasPrefix(link, &prefixLength));
    FUZZ_CHECK(link.size() > prefixLength);
    for (const QChar c : link)
        FUZZ_CHECK(!rteurl::isWordEnd(c));
    FUZZ_CHECK(linkEnd(link.back()));

    const std::optional<QUrl> url = rteurl::urlToOpen(link);
    if (link.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        FUZZ_CHECK(!url);
    if (!url)
        return;
    FUZZ_CHECK(url->scheme().compare(QLatin1String("file"), Qt::CaseInsensitive) != 0);
    FUZZ_CHECK(!url->isLocalFile());
    if (link.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        FUZZ_CHECK(url->scheme() == QLatin1String("http"));
    // A mail link never asks the mail program to attach a file.
    if (url->scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0) {
        for (const QString& item : url->query(QUrl::FullyEncoded).split(u'&'))
            FUZZ_CHECK(!QUrl::fromPercentEncoding(item.section(u'=', 0, 0).toUtf8())
                            .trimmed()
                            .startsWith(QLatin1String("attach"), Qt::CaseInsensitive));
    }
}

void checkWord(const QString& text, qsizetype pos, const TextRange& word)
{
    if (word.start == word.end)
        return;
    FUZZ_CHECK(word.start >= 0 && word.start <= pos && pos < word.end && word.end <= text.size());
    FUZZ_CHECK(word.start == 0 || rteurl::isWordEnd(text[word.start - 1]));
    FUZZ_CHECK(!rteurl::isWordEnd(text[word.start]));
    FUZZ_CHECK(word.end == text.size() || !rteurl::isWordEnd(text[word.end]));
    FUZZ_CHECK(rteurl::isWordEnd(text[word.end - 1]) || word.end == text.size());
}

// Every word of the text, looked at from its first and last letter, one between and
// the space after it (every position would cost the square of a word's length); every
// position outside a word.
void checkWords(const QString& text)
{
    for (qsizetype pos = 0; pos < text.size();) {
        const TextRange word = rteurl::wordAt(text, pos);
        checkWord(text, pos, word);
        if (word.start == word.end) {
            FUZZ_CHECK(!rteurl::urlAt(text, pos));
            ++pos;
            continue;
        }
        const std::optional<rteurl::FoundUrl> found = rteurl::urlAt(text, pos);
        if (found) {
            checkLink(text, found->link, found->range);
            FUZZ_CHECK(found->range.start >= word.start && found->range.end <= word.end);
        }
        // The pointer anywhere on a word, or on a space just after it, shows the same link.
        qsizetype letters = word.start;
        while (letters < word.end && !rteurl::isWordEnd(text[letters]))
            ++letters;
        QVarLengthArray<qsizetype, 3> others = {(word.start + letters) / 2, letters - 1};
        if (letters < word.end && text[letters] == u' ')
            others.append(letters);
        for (const qsizetype other : others) {
            FUZZ_CHECK(rteurl::wordAt(text, other) == word);
            const std::optional<rteurl::FoundUrl> again = rteurl::urlAt(text, other);
            FUZZ_CHECK(again.has_value() == found.has_value());
            FUZZ_CHECK(!found || (again->link == found->link && again->range == found->range));
        }
        pos = word.end;
    }
    FUZZ_CHECK(!rteurl::urlAt(text, text.size()));
    FUZZ_CHECK(!rteurl::urlAt(text, -1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));
    QString text = (data[0] & 1) != 0
        ? QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2)
        : wire::fromWire(bytes);
    text.truncate(MaxChars);

    checkWords(text);

    // A range as the history hands it over: from a character, a few characters long,
    // now and then starting before the text or running past its end.
    TextRange range;
    range.start = qsizetype(data[1]) - 2;
    range.end = range.start + (data[2] & 0x1F);
    const QString link = rteurl::RteGetUrl(text, range);
    if (!link.isEmpty())
        checkLink(text, link, range);
    return 0;
}
