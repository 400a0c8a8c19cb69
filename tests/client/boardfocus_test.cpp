// The keyboard's place on the board: arrow steps stop at the edges, the row's and
// column's ends, letter jumps to the nearest cell that may be picked next and their
// cycling; and the word strip as a screen reader names it.
#include "client/BoardFocus.h"
#include "client/WordEntry.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

// Nine rows of ten letters.
const std::array<const char*, 9> Board = {
    "xxxxxxxxxx", // row 1
    "xrxxxxxxxr", // row 2: r at (2,2) and (10,2)
    "xxxxxxxxxx", // row 3
    "xxxcatxxxx", // row 4: c a t at (4,4)..(6,4)
    "xxxaxxxxxx", // row 5: a at (4,5)
    "xxxxxtxxxx", // row 6: t at (6,6)
    "xxxxxxxxxx", // row 7
    "xxxxxxxxxx", // row 8
    "rxxxxxxxxa", // row 9: r at (1,9), a at (10,9)
};

class BoardFocusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        context.state.myslot = 1;
        turn.startSearch(1);
        turn.setStraight(true);
        QByteArray text = "1";
        for (int column = 1; column <= 10; ++column)
            for (int row = 1; row <= 9; ++row)
                text += '+' + QByteArray::number(column) + '+' + QByteArray::number(row) + '+'
                    + QByteArray::number(Board[row - 1][column - 1] - 'a' + 1);
        FieldReader board(text);
        entry.loadboardCells(proto::LoadBoard::read(board).cells);
        FieldReader word("1+3+2+1+3+20"); // "cat"
        entry.theword(proto::TheWord::read(word));
    }

    ClientContext context;
    TurnState turn{context};
    WordEntry entry{context, turn};
    BoardFocus focus{entry, turn};
};

} // namespace

TEST_F(BoardFocusTest, MovesStopAtTheBoardsEdges)
{
    using Move = std::function<void(BoardFocus&)>;
    struct Case {
        const char* name;
        QPoint from;
        Move move;
        QPoint to;
    };
    const Case cases[] = {
        {"left at the left edge", {1, 5}, [](BoardFocus& f) { f.moveBy(-1, 0); }, {1, 5}},
        {"right at the right edge", {10, 5}, [](BoardFocus& f) { f.moveBy(1, 0); }, {10, 5}},
        {"up at the top", {4, 1}, [](BoardFocus& f) { f.moveBy(0, -1); }, {4, 1}},
        {"down at the bottom", {4, 9}, [](BoardFocus& f) { f.moveBy(0, 1); }, {4, 9}},
        {"right inside", {9, 9}, [](BoardFocus& f) { f.moveBy(1, 0); }, {10, 9}},
        {"up inside", {1, 2}, [](BoardFocus& f) { f.moveBy(0, -1); }, {1, 1}},
        {"row start", {7, 3}, [](BoardFocus& f) { f.rowStart(); }, {1, 3}},
        {"row end", {7, 3}, [](BoardFocus& f) { f.rowEnd(); }, {10, 3}},
        {"column top", {7, 3}, [](BoardFocus& f) { f.columnTop(); }, {7, 1}},
        {"column bottom", {7, 3}, [](BoardFocus& f) { f.columnBottom(); }, {7, 9}},
        {"beyond the board is no place", {7, 3}, [](BoardFocus& f) { f.moveTo({11, 3}); }, {7, 3}},
    };
    for (const Case& c : cases) {
        focus.moveTo(c.from);
        QSignalSpy moved(&focus, &BoardFocus::moved);
        c.move(focus);
        EXPECT_EQ(focus.cell(), c.to) << c.name;
        // Staying put is no move to announce.
        EXPECT_EQ(moved.size(), c.to == c.from ? 0 : 1) << c.name;
    }
}

TEST_F(BoardFocusTest, LettersJumpToTheNearestFittingCellAndCycle)
{
    struct Case {
        const char* name;
        QList<QPoint> picks; // clicked before the keys
        QPoint from;
        QString keys;
        QList<QPoint> visits; // where the focus is after each key
    };
    const Case cases[] = {
        // Nearest first, by king's steps; at equal steps the upper row first.
        {"r from the top left, cycling", {}, {1, 1}, "rrrr", {{2, 2}, {1, 9}, {10, 2}, {2, 2}}},
        {"upper case is the same letter", {}, {9, 1}, "R", {{10, 2}}},
        // Only an "a" beside the picked "c" may come next: the far "a" is never visited.
        {"after a pick, only neighbours", {{4, 4}}, {10, 9}, "aa", {{5, 4}, {4, 5}}},
        // A straight line c-a goes on to (6, 4); the "t" at (6, 6) does not fit.
        {"along a straight line", {{4, 4}, {5, 4}}, {6, 6}, "tt", {{6, 4}, {6, 4}}},
        // No "r" lies beside the picked "c": every "r" is a target, the nearest first.
        {"no cell fits: every cell with the letter", {{4, 4}}, {3, 3}, "rr", {{2, 2}, {1, 9}}},
        {"a letter missing from the board stays", {}, {3, 3}, "q", {{3, 3}}},
        {"another letter starts anew", {}, {1, 1}, "rt", {{2, 2}, {6, 4}}},
    };
    for (const Case& c : cases) {
        entry.clearword();
        for (const QPoint& p : c.picks)
            entry.click(Qt::LeftButton, p.x(), p.y());
        ASSERT_EQ(entry.pathlength(), c.picks.size()) << c.name;
        focus.moveTo(c.from);
        for (int i = 0; i < c.keys.size(); ++i) {
            EXPECT_TRUE(focus.jumpToLetter(c.keys.at(i))) << c.name;
            EXPECT_EQ(focus.cell(), c.visits.at(i)) << c.name << ", key " << i + 1;
        }
    }
    // Anything but a letter is no jump.
    focus.moveTo({3, 3});
    for (QChar key : {QChar('1'), QChar(' '), QChar(0xe9)})
        EXPECT_FALSE(focus.jumpToLetter(key));
    EXPECT_EQ(focus.cell(), QPoint(3, 3));
}

TEST_F(BoardFocusTest, TheWordStripIsNamedByTheLettersFoundSoFar)
{
    struct Case {
        const char* name;
        QList<QPoint> picks;
        bool takeBack;
        const char* word;
        const char* slot2;
    };
    const Case cases[] = {
        {"nothing picked", {}, false, "Word of 3 letters, none found yet", "A"},
        {"two picked", {{4, 4}, {5, 4}}, false, "Word of 3 letters, found so far: C A", "A, found"},
        {"one taken back", {{4, 4}, {5, 4}}, true, "Word of 3 letters, found so far: C", "A"},
    };
    for (const Case& c : cases) {
        entry.clearword();
        for (const QPoint& p : c.picks)
            entry.click(Qt::LeftButton, p.x(), p.y());
        if (c.takeBack)
            entry.click(Qt::RightButton, c.picks.last().x(), c.picks.last().y());
        EXPECT_EQ(describeWord(entry), c.word) << c.name;
        EXPECT_EQ(describeSlot(entry, 2), c.slot2) << c.name;
    }
    EXPECT_EQ(describeSlot(entry, 4), "Empty");
    WordEntry none(context, turn);
    EXPECT_EQ(describeWord(none), "No word yet");
}
