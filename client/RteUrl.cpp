#include "client/RteUrl.h"

namespace rteurl {

const QStringList& UrlPrefixes()
{
    static const QStringList prefixes = {
        QStringLiteral("http://"),   QStringLiteral("ftp://"),    QStringLiteral("file://"),
        QStringLiteral("gopher://"), QStringLiteral("telnet://"), QStringLiteral("news:"),
        QStringLiteral("mailto:"),   QStringLiteral("www."),
    };
    return prefixes;
}

bool isWordEnd(QChar c)
{
    return c == u' ' || c == u'\r' || c == u'\n';
}

TextRange wordAt(const QString& text, qsizetype pos)
{
    const qsizetype size = text.size();
    if (pos < 0 || pos >= size)
        return {pos, pos};
    qsizetype start = pos;
    if (isWordEnd(text[pos])) {
        // Spaces belong to the word before them, on the same line.
        while (start > 0 && text[start] == u' ')
            --start;
        if (isWordEnd(text[start]))
            return {pos, pos};
    }
    while (start > 0 && !isWordEnd(text[start - 1]))
        --start;
    qsizetype next = start;
    while (next < size && !isWordEnd(text[next]))
        ++next;
    while (next < size && isWordEnd(text[next]))
        ++next;
    return {start, next};
}

namespace {

// Lower case one character at a time, so that positions in the result are those of the
// original (a full lower-casing may change the length of a text).
QString lowerEach(const QString& text)
{
    QString lower = text;
    for (QChar& c : lower)
        c = c.toLower();
    return lower;
}

bool linkCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'/';
}

} // namespace

QString RteGetUrl(const QString& text, TextRange& range)
{
    const qsizetype given = range.start;
    if (range.start == range.end)
        range = wordAt(text, range.start);
    else
        ++range.end;
    const qsizetype from = qBound<qsizetype>(0, range.start, text.size());
    const QString fetched = text.mid(from, qMax<qsizetype>(0, range.end - from));
    if (fetched.isEmpty())
        return QString();

    // The token around the given start, with a delimiter at which a scan stopped.
    // Positions from here on count from 0 within the fetched text.
    const qsizetype last = fetched.size() - 1;
    qsizetype k = qBound<qsizetype>(0, given - from, last);
    while (k > 0 && !isWordEnd(fetched[k]))
        --k;
    qsizetype m = k;
    while (m < last && !isWordEnd(fetched[m]))
        ++m;
    const QString token = fetched.mid(k, m - k + 1);
    const QString lower = lowerEach(token);

    qsizetype p = -1;
    qsizetype prefixLength = 0;
    for (const QString& prefix : UrlPrefixes()) {
        p = lower.indexOf(prefix);
        if (p >= 0) {
            prefixLength = prefix.size();
            break;
        }
    }
    if (p < 0)
        return QString();

    qsizetype e = lower.indexOf(u'\n', p);
    if (e < 0)
        e = lower.size() - 1;
    while (e >= p && !linkCharacter(lower[e]))
        --e;
    const QString link = token.mid(p, e - p + 1);
    if (link.size() <= prefixLength)
        return QString();
    range.start = from + k + p;
    range.end = range.start + link.size();
    return link;
}

std::optional<FoundUrl> urlAt(const QString& text, qsizetype pos)
{
    if (pos < 0 || pos >= text.size())
        return std::nullopt;
    TextRange range = wordAt(text, pos);
    if (range.start == range.end)
        return std::nullopt;
    const QString link = RteGetUrl(text, range);
    if (link.isEmpty())
        return std::nullopt;
    return FoundUrl{link, range};
}

QList<TextRange> linksIn(const QString& text)
{
    QList<TextRange> links;
    qsizetype at = 0;
    while (at < text.size()) {
        if (isWordEnd(text[at])) {
            ++at;
            continue;
        }
        if (const auto found = urlAt(text, at))
            links.append(found->range);
        while (at < text.size() && !isWordEnd(text[at]))
            ++at;
    }
    return links;
}

namespace {

// A "mailto:" link without the fields that ask the mail program to attach a file
// ("attach", "attachment", in any letter case, also written with %-escapes): whoever
// wrote the link in the chat would otherwise have this computer's files sent off with a
// single click on "Send".
QUrl withoutAttachments(QUrl url)
{
    if (url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) != 0 || !url.hasQuery())
        return url;
    QStringList kept;
    for (const QString& item : url.query(QUrl::FullyEncoded).split(QLatin1Char('&'))) {
        const QString name = QUrl::fromPercentEncoding(item.section(QLatin1Char('='), 0, 0).toUtf8());
        if (!name.trimmed().startsWith(QLatin1String("attach"), Qt::CaseInsensitive))
            kept.append(item);
    }
    if (kept.isEmpty())
        url.setQuery(QString());
    else
        url.setQuery(kept.join(QLatin1Char('&')), QUrl::StrictMode);
    return url;
}

} // namespace

std::optional<QUrl> urlToOpen(const QString& link)
{
    const QString lower = lowerEach(link);
    if (lower.startsWith(QLatin1String("file:")))
        return std::nullopt;
    if (lower.startsWith(QLatin1String("www.")))
        return QUrl(QStringLiteral("http://") + link, QUrl::TolerantMode);
    const QUrl url(link, QUrl::TolerantMode);
    if (!url.isValid())
        return std::nullopt;
    return withoutAttachments(url);
}

} // namespace rteurl
