#pragma once
// RTEURL: finds the link in a piece of chat text, the rule behind the hand cursor and
// the click that opens a link in the chat history. It works on plain text and character
// positions (counted from 0), so it needs no widget; the history feeds it the line under
// the pointer.
//
// Words are bounded only by spaces and line ends. A link is the part of a word from the
// first known prefix in it (looked up in the order of `UrlPrefixes`, without regard to
// case) up to its last letter, digit or "/": "see ftp://files/x." links "ftp://files/x",
// "(HTTP://A/B)" links "HTTP://A/B". A prefix alone, or with nothing after it but
// punctuation ("mailto:", "www."), is no link.
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace rteurl {

// A range of character positions, from `start` up to (not including) `end`.
struct TextRange {
    qsizetype start = 0;
    qsizetype end = 0;
    bool operator==(const TextRange&) const = default;
};

// The prefixes a link starts with, in the order they are looked for.
const QStringList& UrlPrefixes();

// Spaces, carriage returns and line feeds end a word.
bool isWordEnd(QChar c);

// The word that holds `pos`: from its start to the start of the word after it (the
// spaces after a word belong to it). A position on a line end, on a space that follows
// no word on its line, or at or beyond the end of the text gives an empty range there.
TextRange wordAt(const QString& text, qsizetype pos);

// The link inside `range` of `text`, or an empty text. An empty range stands for the
// word that holds its start. When a link is found the range is set to exactly its
// characters.
QString RteGetUrl(const QString& text, TextRange& range);

// The link under the character at `pos` (the word holding it), with its range, or
// nothing. A position at or beyond the end of the text has none.
struct FoundUrl {
    QString link;
    TextRange range;
};
std::optional<FoundUrl> urlAt(const QString& text, qsizetype pos);

// Every link of a text (a chat line), in order: the link of each word that has one.
QList<TextRange> linksIn(const QString& text);

// What the desktop is asked to open for a link found in the chat: the link itself,
// "http://" and the link for a "www." link (Linux openers need a scheme), and nothing
// for a "file:" link, which would open a file of this computer on another player's word.
// A "mailto:" link loses its "attach" fields, which would send this computer's files.
std::optional<QUrl> urlToOpen(const QString& link);

} // namespace rteurl
