// Board generation checked over thousands of boards.
#include "host/BoardGenerator.h"
#include "host/RandomSource.h"
#include "host/WordList.h"

#include <QList>
#include <QSet>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {

struct Cell {
    int x = 0;
    int y = 0;
    bool operator==(const Cell&) const = default;
};

QList<int> numbers(const QByteArray& text)
{
    QList<int> out;
    if (text.isEmpty())
        return out;
    for (const QByteArray& part : text.mid(1).split('+'))
        out.append(part.toInt());
    return out;
}

QList<Cell> cellsOf(const BoardGenerator& b)
{
    const QList<int> n = numbers(b.wordcells());
    QList<Cell> out;
    for (qsizetype i = 0; i + 1 < n.size(); i += 2)
        out.append(Cell{n[i], n[i + 1]});
    return out;
}

int directionOf(int dx, int dy)
{
    for (int d = 1; d <= 8; ++d) {
        if (BoardGenerator::stepX(d) == dx && BoardGenerator::stepY(d) == dy)
            return d;
    }
    return 0;
}

bool inRange(int v, int low, int high)
{
    // An empty range holds its first bound only.
    return high < low ? v == low : v >= low && v <= high;
}

// The first cell of a straight word must lie in its direction's start ranges.
bool startInTable(int d, int L, Cell c)
{
    switch (d) {
    case 1: return inRange(c.x, 1, 10 - L) && inRange(c.y, 1, 9);
    case 2: return inRange(c.x, L, 9) && inRange(c.y, 1, 9);
    case 3: return inRange(c.x, 1, 10) && inRange(c.y, 1, 9 - L);
    case 4: return inRange(c.x, 1, 10) && inRange(c.y, L, 8);
    case 5: return inRange(c.x, 1, 10 - L) && inRange(c.y, 1, 9 - L);
    case 6: return inRange(c.x, 1, 10 - L) && inRange(c.y, L, 8);
    case 7: return inRange(c.x, L, 9) && inRange(c.y, 1, 9 - L);
    case 8: return inRange(c.x, L, 9) && inRange(c.y, L, 8);
    }
    return false;
}

const char* kWords[] = {"cat", "bird", "apple", "quartz", "example", "notebook", "adventure", "blackboard"};

} // namespace

TEST(BoardText, NinetyTriplesColumnByColumnAndNoEmptyCell)
{
    SeededRandom random(42);
    BoardGenerator b(random);
    for (int i = 0; i < 3000; ++i) {
        const QByteArray word = kWords[i % 8];
        ASSERT_TRUE(b.createboard(word, i % 3 == 0, i % 5 == 0));
        const QList<int> n = numbers(b.boardText());
        ASSERT_EQ(n.size(), 270);
        int k = 0;
        for (int x = 1; x <= 10; ++x) {
            for (int y = 1; y <= 9; ++y) {
                ASSERT_EQ(n[k], x);
                ASSERT_EQ(n[k + 1], y);
                ASSERT_GE(n[k + 2], 1);
                ASSERT_LE(n[k + 2], 26);
                ASSERT_EQ(n[k + 2], b.cell(x, y));
                k += 3;
            }
        }
    }
}

TEST(BoardText, WordTextAndLetterCodesFollowTheWord)
{
    SeededRandom random(1);
    BoardGenerator b(random);
    ASSERT_TRUE(b.createboard("azure", false, false));
    EXPECT_EQ(b.wordcodes(), "+1+1+2+26+3+21+4+18+5+5");
    EXPECT_EQ(b.lettercode(1), 1);
    EXPECT_EQ(b.lettercode(2), 26);
    EXPECT_EQ(b.lettercode(6), 0);
    EXPECT_EQ(b.lettercode(0), 0);
    EXPECT_EQ(b.lettercode(11), 0);
    EXPECT_EQ(b.cell(0, 1), 0);
    EXPECT_EQ(b.cell(11, 9), 0);
    EXPECT_EQ(BoardGenerator::converttonum('a'), 1);
    EXPECT_EQ(BoardGenerator::converttonum('z'), 26);
}

TEST(BoardText, WordsThatCannotBeLaidAreRefused)
{
    SeededRandom random(1);
    BoardGenerator b(random);
    ASSERT_TRUE(b.createboard("cat", false, false));
    const QByteArray before = b.boardText();
    EXPECT_FALSE(b.createboard("", false, false));
    EXPECT_FALSE(b.createboard("elevenchars", true, false));
    EXPECT_FALSE(b.createboard("don't", false, false));
    EXPECT_FALSE(b.createboard("Capital", false, false));
    EXPECT_EQ(b.boardText(), before);
}

TEST(StraightLayout, WordsLieOnOneLineAndStartInsideTheTableRanges)
{
    SeededRandom random(7);
    BoardGenerator b(random);
    std::map<std::pair<int, int>, QSet<int>> startsX; // (direction, length) -> first columns seen
    for (int i = 0; i < 16000; ++i) {
        const QByteArray word = kWords[i % 7]; // 3 to 9 letters
        const int L = static_cast<int>(word.size());
        ASSERT_TRUE(b.createboard(word, false, false));
        const QList<Cell> cells = cellsOf(b);
        ASSERT_EQ(cells.size(), L);
        const int d = directionOf(cells[1].x - cells[0].x, cells[1].y - cells[0].y);
        ASSERT_NE(d, 0);
        for (int k = 1; k < L; ++k) {
            ASSERT_EQ(cells[k].x - cells[k - 1].x, BoardGenerator::stepX(d));
            ASSERT_EQ(cells[k].y - cells[k - 1].y, BoardGenerator::stepY(d));
        }
        for (int k = 0; k < L; ++k)
            ASSERT_EQ(b.cell(cells[k].x, cells[k].y), b.lettercode(k + 1)) << "decoys overwrote the word";
        ASSERT_TRUE(startInTable(d, L, cells[0])) << "direction " << d << " length " << L << " start "
                                                  << cells[0].x << "," << cells[0].y;
        // Only vertical words reach column 10; only words along x or of 9 letters reach row 9.
        for (const Cell& c : cells) {
            if (c.x == 10) {
                ASSERT_TRUE(d == 3 || d == 4);
            }
            if (c.y == 9) {
                ASSERT_TRUE(d == 1 || d == 2 || L == 9);
            }
        }
        startsX[{d, L}].insert(cells[0].x);
    }
    // Every first column of a rightward word's range comes up, and none beyond it.
    for (int L = 3; L <= 9; ++L) {
        const auto rightward = std::make_pair(1, L);
        EXPECT_EQ(startsX[rightward].size(), 10 - L) << "length " << L;
    }
    const auto leftward3 = std::make_pair(2, 3);
    EXPECT_EQ(startsX[leftward3], (QSet<int>{3, 4, 5, 6, 7, 8, 9}));
}

TEST(StraightLayout, TenLetterWordsFillAWholeRowEitherWay)
{
    SeededRandom random(9);
    BoardGenerator b(random);
    int leftward = 0;
    QSet<int> rows;
    for (int i = 0; i < 2000; ++i) {
        ASSERT_TRUE(b.createboard("blackboard", false, false));
        const QList<Cell> cells = cellsOf(b);
        ASSERT_EQ(cells.size(), 10);
        const bool left = cells[0].x == 10;
        leftward += left ? 1 : 0;
        for (int k = 0; k < 10; ++k) {
            ASSERT_EQ(cells[k].x, left ? 10 - k : 1 + k);
            ASSERT_EQ(cells[k].y, cells[0].y);
        }
        rows.insert(cells[0].y);
    }
    EXPECT_EQ(rows.size(), 9);
    EXPECT_GT(leftward, 800);
    EXPECT_LT(leftward, 1200);
}

TEST(ScrambledLayout, ChainsOfDistinctNeighboursNeverOnTheDrawnStart)
{
    SeededRandom random(11);
    BoardGenerator b(random);
    std::map<int, int> startColumns;
    QSet<int> firstSteps;
    int startReused = 0;
    for (int i = 0; i < 8000; ++i) {
        const QByteArray word = kWords[3 + i % 5]; // 6 to 10 letters
        ASSERT_TRUE(b.createboard(word, true, false));
        const QList<Cell> cells = cellsOf(b);
        ASSERT_EQ(cells.size(), word.size());
        const Cell start{b.scrambleStartX(), b.scrambleStartY()};
        ASSERT_TRUE(BoardGenerator::onBoard(start.x, start.y));
        ++startColumns[start.x];
        ASSERT_FALSE(cells[0] == start);
        ASSERT_EQ(std::abs(cells[0].x - start.x) <= 1 && std::abs(cells[0].y - start.y) <= 1, true);
        firstSteps.insert(directionOf(cells[0].x - start.x, cells[0].y - start.y));
        for (qsizetype k = 0; k < cells.size(); ++k) {
            ASSERT_TRUE(BoardGenerator::onBoard(cells[k].x, cells[k].y));
            ASSERT_EQ(b.cell(cells[k].x, cells[k].y), b.lettercode(static_cast<int>(k) + 1));
            for (qsizetype j = 0; j < k; ++j)
                ASSERT_FALSE(cells[j] == cells[k]) << "a cell repeats";
            if (cells[k] == start)
                ++startReused;
            if (k > 0) {
                const int dx = std::abs(cells[k].x - cells[k - 1].x);
                const int dy = std::abs(cells[k].y - cells[k - 1].y);
                ASSERT_TRUE(dx <= 1 && dy <= 1 && dx + dy > 0) << "not neighbours";
            }
        }
    }
    EXPECT_EQ(firstSteps.size(), 8);
    EXPECT_GT(startReused, 0) << "a later letter may step onto the start cell";
    // Columns 6 to 9 are drawn twice as often as the others.
    EXPECT_GT(startColumns[7], startColumns[2] * 3 / 2);
    EXPECT_GT(startColumns[2], startColumns[7] / 3);
    EXPECT_EQ(startColumns.size(), 10u);
}

TEST(Fillers, OnlyLettersBoardsHoldOnlyTheWordsLetters)
{
    SeededRandom random(13);
    BoardGenerator b(random);
    for (int i = 0; i < 3000; ++i) {
        const QByteArray word = kWords[3 + i % 5];
        ASSERT_TRUE(b.createboard(word, i % 2 == 0, true));
        QSet<int> letters;
        for (char c : word)
            letters.insert(BoardGenerator::converttonum(c));
        for (int x = 1; x <= 10; ++x) {
            for (int y = 1; y <= 9; ++y)
                ASSERT_TRUE(letters.contains(b.cell(x, y)));
        }
    }
}

TEST(Fillers, OtherBoardsUseTheWholeAlphabet)
{
    SeededRandom random(17);
    BoardGenerator b(random);
    QSet<int> seen;
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(b.createboard("cat", false, false));
        for (int x = 1; x <= 10; ++x) {
            for (int y = 1; y <= 9; ++y)
                seen.insert(b.cell(x, y));
        }
    }
    EXPECT_EQ(seen.size(), 26);
}

TEST(Fillers, DecoysRaiseTheShareOfTheWordsLetters)
{
    // 8 x L decoy attempts put the word's letters on far more cells than chance.
    SeededRandom random(19);
    BoardGenerator b(random);
    long wordLetters = 0;
    const int boards = 2000;
    for (int i = 0; i < boards; ++i) {
        ASSERT_TRUE(b.createboard("zoo", false, false));
        for (int x = 1; x <= 10; ++x) {
            for (int y = 1; y <= 9; ++y)
                wordLetters += (b.cell(x, y) == 26 || b.cell(x, y) == 15) ? 1 : 0;
        }
    }
    const double perBoard = static_cast<double>(wordLetters) / boards;
    // 3 laid + about 21 decoys + about 5 of the 66 fillers.
    EXPECT_GT(perBoard, 25.0);
    EXPECT_LT(perBoard, 33.0);
}

TEST(WordWindows, RoundWordsKeepTheirLengthWindowPerGameType)
{
    const WordList words;
    ASSERT_GT(words.count(), 21000);
    SeededRandom random(23);
    BoardGenerator b(random);
    struct Window {
        bool scrambled;
        bool onlyLetters;
        int low;
        int high;
    };
    for (const Window w : {Window{false, false, 3, 8}, Window{true, false, 5, 10}, Window{false, true, 6, 10},
                           Window{true, true, 6, 10}}) {
        QSet<int> lengths;
        for (int i = 0; i < 3000; ++i) {
            const QByteArray word = words.drawWord(random, w.scrambled, w.onlyLetters);
            ASSERT_GE(word.size(), w.low);
            ASSERT_LE(word.size(), w.high);
            ASSERT_NE(word, "aardvark");
            ASSERT_NE(word, "zymase");
            ASSERT_TRUE(b.createboard(word, w.scrambled, w.onlyLetters)) << word.constData();
            ASSERT_EQ(cellsOf(b).size(), word.size());
            lengths.insert(static_cast<int>(word.size()));
        }
        EXPECT_EQ(lengths.size(), w.high - w.low + 1);
    }
}
