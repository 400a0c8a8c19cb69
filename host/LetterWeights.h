#pragma once
// How often each letter is drawn for the board's filler cells, and the round's word
// together with the filler letters of its language.
//
// A table holds one weight per letter code 1..26 ("a".."z"); a letter is drawn with a
// chance of its weight over the sum of all weights. The empty table draws every letter
// alike, with exactly the one draw of 1 + draw(26) that the English game has always
// made, so a seed gives the same English boards as before.
#include "net/GameConstants.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <utility>

class RandomSource;

class LetterWeights {
public:
    // Every letter alike.
    LetterWeights() = default;
    // Weights of "a" to "z" in order; a negative weight counts as 0. All zero is the
    // same as every letter alike.
    explicit LetterWeights(const std::array<int, game::Letters>& weights);

    // Reads a table of 26 lines "letter count", "a" to "z" in order (made by
    // tools/make_wordlist.py). A file that cannot be read, or that is not such a
    // table, gives every letter alike, with a warning.
    static LetterWeights read(const QString& path);

    bool uniform() const { return m_total == 0; }
    // The weight of a letter code 1..26; 0 for anything else and for a uniform table.
    int weight(int code) const;
    qint64 total() const { return m_total; }

    // A letter code 1..26.
    int draw(RandomSource& random) const;

private:
    std::array<int, game::Letters + 1> m_weights{}; // index 1..26
    qint64 m_total = 0;
};

// A round's word as the word list hands it to the board: the word, and the letters its
// language fills the rest of the board with. Made from a bare word, the fillers are
// every letter alike.
struct RoundWord {
    RoundWord(QByteArray word = {}, LetterWeights letters = {})
        : text(std::move(word))
        , fillers(letters)
    {
    }
    QByteArray text;
    LetterWeights fillers;
};
