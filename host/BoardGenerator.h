#pragma once
// Lays a round's word into a board of 10 columns by 9 rows and fills the rest.
//
// A straight word runs along one line in one of eight directions; a scrambled word is
// a chain of neighbouring cells that turns at random. Decoys (the word's own letters)
// are scattered around it, and every cell still empty gets a filler letter: with
// only-letters one of the word's letters, otherwise a letter drawn from the filler
// letters of the word's language (every letter alike unless a RoundWord says otherwise).
//
// Cells are (x, y): x the column 1..10 from the left, y the row 1..9 from the top.
// Letter codes are 1..26 for "a".."z"; 0 marks an empty cell while building.
#include "host/LetterWeights.h"
#include "net/GameConstants.h"
#include "net/Protocol.h"

#include <QByteArray>
#include <QList>
#include <array>

class RandomSource;

class BoardGenerator {
public:
    static constexpr int kColumns = game::Columns;
    static constexpr int kRows = game::Rows;
    static constexpr int kMaxWordLength = game::MaxWordLength;

    explicit BoardGenerator(RandomSource& random) : m_random(random) {}

    // Builds a whole board for the word: lays it (retrying a stuck scrambled walk),
    // scatters decoys and fills the rest. Returns false, and
    // changes nothing, for a word that cannot be laid (empty, longer than 10, or
    // holding a character other than "a" to "z").
    bool createboard(const QByteArray& word, bool scrambled, bool onlyLetters);
    // The same, with the fillers drawn from the letters of the word's language.
    bool createboard(const RoundWord& word, bool scrambled, bool onlyLetters);

    // Straight layout on the cleared board (always succeeds for a word of 1 to 10
    // letters).
    void setwordstraight(const QByteArray& word);
    // Scrambled layout on the cleared board; false, with nothing laid, when the walk
    // got stuck.
    bool setwordscram(const QByteArray& word);
    // Writes the word on a straight line; (x, y) is the cell one step before the first
    // letter.
    void placeletter(const QByteArray& word, int x, int y, int direction);
    // Letter code of one letter, 1..26; 0 (with a warning) for anything but "a".."z".
    static int converttonum(char letter);

    // Step of a direction 1..8.
    static int stepX(int direction);
    static int stepY(int direction);

    static bool onBoard(int x, int y) { return game::onBoard(x, y); }
    // Letter code at a cell; 0 for a cell off the board.
    int cell(int x, int y) const { return onBoard(x, y) ? m_board[x][y] : 0; }
    // Letter code of the word's k-th letter; 0 beyond the word and outside 1..10.
    int lettercode(int k) const { return k >= 1 && k <= kMaxWordLength ? m_lettercodes[k] : 0; }

    // Results of the last board: the word's letters, the cells of the word's letters in
    // letter order, and all 90 cells column by column.
    const QList<proto::WordLetter>& word() const { return m_word; }
    const QList<proto::Cell>& wordCells() const { return m_wordCells; }
    QList<proto::BoardCell> boardCells() const;
    // The same as they go on the wire: the word text ("+k+code" per letter), the cell
    // list ("+x+y" per letter) and the board text (90 "+x+y+code" triples).
    QByteArray wordcodes() const { return proto::wordText(m_word); }
    QByteArray wordcells() const { return proto::cellList(m_wordCells); }
    QByteArray boardText() const { return proto::boardText(boardCells()); }
    // The start cell drawn by the last scrambled walk (the cell before the first letter).
    int scrambleStartX() const { return m_startX; }
    int scrambleStartY() const { return m_startY; }

private:
    bool layBoard(const QByteArray& word, bool scrambled, bool onlyLetters, const LetterWeights& fillers);
    void clearBoard();
    void clearLettercodes();
    // A uniform integer from low to high, both included.
    int drawRange(int low, int high);

    RandomSource& m_random;
    std::array<std::array<int, kRows + 1>, kColumns + 1> m_board{}; // [x][y], 1-based
    std::array<int, kMaxWordLength + 1> m_lettercodes{};             // 1-based
    QList<proto::WordLetter> m_word;
    QList<proto::Cell> m_wordCells;
    int m_startX = 0;
    int m_startY = 0;
};
