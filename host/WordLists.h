#pragma once
// The host's word lists, one per language, and the language in play.
//
// Each language has a two-letter code and a built-in list: ":/words.txt" for English,
// ":/words_<code>.txt" for the others, made by tools/make_wordlist.py. Besides its
// words, every language but English brings ":/letters_<code>.txt", how often each
// letter occurs in its list, from which the board's filler letters are drawn; English
// fills its boards with every letter alike, as it always has.
//
// Only the language in play is read into memory, when its first word is drawn (or its
// list is asked for); choosing another language lets the old list go. Every language
// follows the same word-choice rules (WordList::drawWord).
//
// Use:
//     WordLists lists;                       // English
//     lists.setLanguage("de");               // throws std::invalid_argument for an unknown code
//     RoundWord w = lists.drawWord(random, scrambled, onlyLetters);
//     board.createboard(w, scrambled, onlyLetters);
#include "host/LetterWeights.h"
#include "host/WordList.h"
#include "net/WordLanguages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;

class WordLists {
public:
    // The eight languages (net/WordLanguages), English first.
    static const QList<WordLanguage>& languages() { return wordlanguages::all(); }
    static bool isKnown(const QString& code) { return wordlanguages::isKnown(code); }
    // "en, fr, de, es, it, pt, nl, sv"
    static QString knownCodes() { return wordlanguages::knownCodes(); }
    static constexpr const char* kDefaultLanguage = wordlanguages::DefaultCode;

    // `folder` holds the lists and letter tables; the built-in resources unless a test
    // gives another.
    explicit WordLists(QString folder = QStringLiteral(":/"));

    // Plays the language with this code from the next word on. Throws
    // std::invalid_argument, naming the known codes, for a code it does not know (and
    // then keeps the language it had).
    void setLanguage(const QString& code);
    QString language() const { return m_language; }
    // The language whose list is in memory; empty before the first word is drawn.
    QString loadedLanguage() const { return m_loaded ? m_language : QString(); }

    // The list and the filler letters of the language in play (read on first use).
    const WordList& words();
    const LetterWeights& letters();

    // A round's word (WordList::drawWord) with its language's filler letters.
    RoundWord drawWord(RandomSource& random, bool scrambled, bool onlyLetters);

private:
    void load();

    QString m_folder;
    QString m_language = QString::fromLatin1(kDefaultLanguage);
    bool m_loaded = false;
    std::optional<WordList> m_words;
    LetterWeights m_letters;
};
