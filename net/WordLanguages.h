#pragma once
// The languages the game's words can be in: a two-letter code for each, as the wire,
// the command line and the settings file carry it, and the language's name in itself,
// as players are shown it. The host keeps a word list for each (host/WordLists); a
// client names one to play and shows the one in play.
#include <QList>
#include <QString>

struct WordLanguage {
    QString code; // "en", "fr", ...
    QString name; // the language's name in itself: "English", "Français", ...
};

namespace wordlanguages {

// Every game's words are English unless the host is told otherwise; a host that knows
// no other language plays English too.
inline constexpr char DefaultCode[] = "en";

// The eight languages, English first, in the order a player is offered them.
const QList<WordLanguage>& all();
bool isKnown(const QString& code);
// "en, fr, de, es, it, pt, nl, sv"
QString knownCodes();
// Throws std::invalid_argument, naming the known codes, for a code it does not know.
void requireKnown(const QString& code);
// The language's own name ("Deutsch" for "de"); empty for a code it does not know.
QString nameOf(const QString& code);

} // namespace wordlanguages
