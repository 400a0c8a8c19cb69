#pragma once
// The host's dictionary: a read-only table of words addressed by entry number, read
// once from a text file with one word per line (normally the built-in ":/words.txt"),
// and the drawing of a round's word from it.
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <array>
#include <vector>

class RandomSource;

class WordList {
public:
    // Entries 1 to count() - 2 can be drawn; the first and the last entry never are.
    // The English list has this many drawable entries.
    static constexpr int kDrawableEntries = 21107;
    // The longest text that GetString hands out.
    static constexpr int kMaxWordLength = 255;

    // Reads the list; a file that cannot be read gives an empty list (with a warning).
    explicit WordList(const QString& path = QStringLiteral(":/words.txt"));

    int count() const { return static_cast<int>(m_offsets.size()) - 1; }
    int drawableEntries() const { return std::max(count() - 2, 0); }

    // The text of one entry, cut to kMaxWordLength; empty for an entry that does not exist.
    QByteArray GetString(int entry) const;

    // Draws the word of a round: 3 to 8 letters in a straight game, 5 to 10 in a
    // scrambled one; with only-letters on, a word shorter than 6 is replaced by a new
    // draw of 6 to 10 letters. Returns empty text only when the list holds no word
    // that fits, which would otherwise make the draw go on forever.
    QByteArray drawWord(RandomSource& rnd, bool scrambled, bool onlyLetters) const;

private:
    int lengthOf(int entry) const;
    bool hasDrawableWord(int minLength, int maxLength) const;
    QByteArray drawUntil(RandomSource& rnd, int minLength, int maxLength) const;

    QByteArray m_letters;                 // every word, back to back
    std::vector<int> m_offsets{0};        // entry i is m_letters[m_offsets[i], m_offsets[i + 1])
    std::array<int, kMaxWordLength + 1> m_drawableByLength{}; // drawable entries per length
};
