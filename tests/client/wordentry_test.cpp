// Word entry: picking letters on the board under the straight and scrambled rules,
// unpicking, sending the word, revealing the word's cells, and rejecting bad host input.
#include "client/WordEntry.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace {

// Nine rows of ten characters: "a".."z" a letter, "." an empty cell.
using Rows = std::array<const char*, 9>;

// Every letter that does not belong to a test word is "x" or "y".
const Rows Board = {
    "xxxxxxxxxx",   // row 1
    "xxxxxxxxxx",   // row 2
    "xxxxxxxxxx",   // row 3
    "xxcdxxxxxx",   // row 4: c at (3,4), d at (4,4)
    "cxwordxxxx",   // row 5: w o r d at (3,5)..(6,5), another c at (1,5)
    "xxrxryxxxx",   // row 6: r at (3,6) and (5,6)
    "xxxxxxxxxx",   // row 7
    "xxxxxxxxxx",   // row 8
    "wxxxxxxxxx",   // row 9: another w at (1,9)
};

class WordEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        context.state.myslot = 2;
        context.state.connected = true;
        turn.startSearch(2);
        turn.setStraight(true);
        context.out.playsounds = [this](const QString& name) { sounds << name; };
        context.out.messageBox = [this](const QString& text) { boxes << text; };
        context.out.send = [this](const Message& m) { sent << m.text(); };
        QObject::connect(&entry, &WordEntry::wordSent, &turn, &TurnState::wordSent);
        QObject::connect(&entry, &WordEntry::wordSent, [this] { ++wordsSent; });
    }

    // Board cells as the host sends them (after the round number): column, row, tile.
    void loadCells(const QByteArray& text)
    {
        FieldReader fields("1+" + text);
        entry.loadboardCells(proto::LoadBoard::read(fields).cells);
    }

    void loadWordText(const QByteArray& text)
    {
        FieldReader fields(text);
        entry.theword(proto::TheWord::read(fields));
    }

    // This player's word was refused: he may pick again.
    void retry() { turn.retry(); }

    static QByteArray boardText(const Rows& rows)
    {
        QByteArray text;
        for (int column = 1; column <= 10; ++column) {
            for (int row = 1; row <= 9; ++row) {
                const char c = rows[row - 1][column - 1];
                const int tile = c == '.' ? 0 : c - 'a' + 1;
                if (!text.isEmpty())
                    text += '+';
                text += QByteArray::number(column) + '+' + QByteArray::number(row) + '+' + QByteArray::number(tile);
            }
        }
        return text;
    }

    void loadBoard(const Rows& rows = Board) { loadCells(boardText(rows)); }

    void loadWord(const QByteArray& word)
    {
        QByteArray text;
        for (int i = 0; i < word.size(); ++i) {
            if (!text.isEmpty())
                text += '+';
            text += QByteArray::number(i + 1) + '+' + QByteArray::number(word[i] - 'a' + 1);
        }
        loadWordText(text);
    }

    void click(int column, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        entry.mouseUp(button, (column - 1) * 44 + 20, (row - 1) * 44 + 30);
    }

    void reveal(const QByteArray& text)
    {
        FieldReader fields(text);
        entry.reveal(proto::OutOfTime::read(fields).cells);
    }

    // The board as text: letters lower case, marked letters upper case, "." empty.
    QString picture() const
    {
        QString out;
        for (int row = 1; row <= 9; ++row) {
            for (int column = 1; column <= 10; ++column) {
                const int tile = entry.cell(column, row);
                out += tile == 0 ? QChar('.') : tile <= 26 ? QChar('a' + tile - 1) : QChar('A' + tile - 27);
            }
            out += '\n';
        }
        return out;
    }

    int markedCount() const
    {
        int n = 0;
        for (int column = 1; column <= 10; ++column)
            for (int row = 1; row <= 9; ++row)
                n += entry.cell(column, row) > 26 ? 1 : 0;
        return n;
    }

    ClientContext context;
    TurnState turn{context};
    WordEntry entry{context, turn};
    QStringList sounds;
    QStringList boxes;
    QList<QByteArray> sent;
    int wordsSent = 0;
};

int letter(char c) { return c - 'a' + 1; }
int marked(char c) { return c - 'a' + 27; }

} // namespace

// --- messages from the host ---------------------------------------------------------

TEST_F(WordEntryTest, LoadsNamedCellsAndKeepsTheOthers)
{
    EXPECT_EQ(entry.cell(1, 1), 0);
    loadBoard();
    EXPECT_EQ(entry.cell(3, 5), letter('w'));
    EXPECT_EQ(entry.cell(6, 5), letter('d'));
    EXPECT_EQ(entry.cell(1, 9), letter('w'));
    EXPECT_EQ(entry.cell(10, 9), letter('x'));

    loadCells("10+9+26+1+1+1");
    EXPECT_EQ(entry.cell(10, 9), 26);
    EXPECT_EQ(entry.cell(1, 1), 1);
    EXPECT_EQ(entry.cell(3, 5), letter('w'));  // not named: kept

    EXPECT_NO_THROW(loadCells(""));
    EXPECT_EQ(entry.cell(1, 1), 1);
}

TEST_F(WordEntryTest, BadBoardCellsChangeNothing)
{
    loadBoard();
    const QString before = picture();
    QSignalSpy changed(&entry, &WordEntry::boardChanged);
    // Each bad group comes after a good one, which must not be applied either.
    for (const char* text : {"1+1+5+11+1+5", "1+1+5+0+1+5", "1+1+5+1+10+5", "1+1+5+1+0+5", "1+1+5+2+2+53",
                             "1+1+5+2+2+-1", "1+1+5+-3+2+1"}) {
        EXPECT_THROW(loadCells(text), std::out_of_range) << text;
    }
    for (const char* text : {"1+1+5+2+2", "1+1+5+2", "1+1+x", "1+1+5+", "1+1+99999999999"}) {
        EXPECT_THROW(loadCells(text), FieldError) << text;
    }
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_THROW(entry.cell(0, 1), std::out_of_range);
    EXPECT_THROW(entry.cell(1, 10), std::out_of_range);
}

TEST_F(WordEntryTest, TheWordReplacesTheWholeStrip)
{
    loadWord("strip");
    EXPECT_EQ(entry.slotLetter(1), letter('s'));
    EXPECT_EQ(entry.slotLetter(5), letter('p'));
    EXPECT_EQ(entry.slotPicture(5), letter('p'));
    loadWord("ab");
    EXPECT_EQ(entry.slotLetter(1), letter('a'));
    EXPECT_EQ(entry.slotLetter(2), letter('b'));
    for (int slot = 3; slot <= 10; ++slot) {
        EXPECT_EQ(entry.slotLetter(slot), 0) << slot;
        EXPECT_EQ(entry.slotPicture(slot), 0) << slot;
    }
    // Pairs may come in any order and name any slot.
    loadWordText("10+26+4+0");
    EXPECT_EQ(entry.slotLetter(1), 0);
    EXPECT_EQ(entry.slotLetter(10), 26);
}

TEST_F(WordEntryTest, BadWordTextChangesNothing)
{
    loadWord("word");
    QSignalSpy changed(&entry, &WordEntry::stripChanged);
    for (const char* text : {"1+1+11+1", "0+1", "1+27", "1+-1"}) {
        EXPECT_THROW(loadWordText(text), std::out_of_range) << text;
    }
    for (const char* text : {"1+1+2", "1+a", "+"}) {
        EXPECT_THROW(loadWordText(text), FieldError) << text;
    }
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(entry.slotLetter(1), letter('w'));
    EXPECT_EQ(entry.slotLetter(4), letter('d'));
    EXPECT_THROW(entry.slotLetter(11), std::out_of_range);
}

TEST_F(WordEntryTest, RevealMarksLettersOnlyAndHonoursTheStars)
{
    loadBoard();
    loadCells("1+1+0");  // (1,1) is now an empty cell

    reveal("***+");
    reveal("*");
    EXPECT_EQ(markedCount(), 0);

    loadWord("word");
    click(3, 5);  // w picked by the player: already marked
    ASSERT_EQ(entry.cell(3, 5), marked('w'));

    reveal("3+5+4+5+5+5+6+5+1+1");
    EXPECT_EQ(entry.cell(3, 5), marked('w'));  // stays marked, not marked twice
    EXPECT_EQ(entry.cell(4, 5), marked('o'));
    EXPECT_EQ(entry.cell(6, 5), marked('d'));
    EXPECT_EQ(entry.cell(1, 1), 0);             // nothing to mark in an empty cell
    EXPECT_EQ(markedCount(), 4);

    reveal("3+5+4+5");
    EXPECT_EQ(entry.cell(4, 5), marked('o'));  // revealing again changes nothing

    const QString before = picture();
    for (const char* text : {"7+7+11+1", "7+7+1+0"}) {
        EXPECT_THROW(reveal(text), std::out_of_range) << text;
    }
    EXPECT_THROW(reveal("7+7+8"), FieldError);
    EXPECT_EQ(picture(), before);
}

// --- picking ------------------------------------------------------------------------

TEST_F(WordEntryTest, StraightGameKeepsToTheLine)
{
    loadBoard();
    loadWord("word");
    click(3, 5);
    click(4, 5);
    EXPECT_EQ(entry.direction(), 1);
    sounds.clear();

    click(5, 6);  // an "r" touching (4,5), but off the line
    EXPECT_EQ(sounds, QStringList{"invalid"});
    EXPECT_EQ(entry.cell(5, 6), letter('r'));
    EXPECT_EQ(entry.pickcount(), 2);

    click(3, 6);  // another "r" touching (4,5) diagonally
    EXPECT_EQ(entry.pickcount(), 2);

    click(5, 5);
    EXPECT_EQ(entry.pickcount(), 3);
    EXPECT_EQ(entry.pathlength(), 3);
    EXPECT_EQ(entry.cell(5, 5), marked('r'));
    EXPECT_EQ(entry.pickpath(3), QPoint(5, 5));
    EXPECT_EQ(entry.slotPicture(3), marked('r'));
    EXPECT_EQ(entry.slotPick(3), "5+5");
    EXPECT_EQ(entry.direction(), 1);
}

TEST_F(WordEntryTest, ScrambledGameTakesAnyUnmarkedNeighbour)
{
    turn.setStraight(false);
    // "wow": a w, an o next to it, and w's all around the o.
    const Rows board = {
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxwwwxxxxx",
        "xxwowxxxxx",
        "xxwwwxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxwxx",
        "xxxxxxxxxx",
    };
    loadBoard(board);
    loadWord("wow");

    // All seven unmarked neighbours of the "o" at (4,5) are accepted as the third letter.
    const QList<QPoint> third = {{5, 5}, {3, 6}, {4, 6}, {5, 6}, {3, 4}, {4, 4}, {5, 4}};
    const int expectedDirection[] = {1, 7, 3, 5, 8, 4, 6};
    for (int i = 0; i < third.size(); ++i) {
        retry();
        click(3, 5);
        click(4, 5);
        EXPECT_EQ(entry.direction(), 1);
        click(third[i].x(), third[i].y());
        EXPECT_EQ(entry.pickcount(), 3) << third[i].x() << "," << third[i].y();
        EXPECT_EQ(entry.direction(), expectedDirection[i]);
        retry();
        entry.clearword();
    }

    // The first "w" itself is marked and so never picked again; a far "w" is no neighbour.
    click(3, 5);
    click(4, 5);
    sounds.clear();
    click(3, 5);
    click(8, 8);
    EXPECT_EQ(sounds, (QStringList{"invalid", "invalid"}));
    EXPECT_EQ(entry.pickcount(), 2);
    EXPECT_EQ(entry.direction(), 1);
}

TEST_F(WordEntryTest, StraightLineMayStartInEveryDirection)
{
    // An "o" on each of the eight neighbours of the "w" at (5,5).
    const Rows board = {
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxoooxxxx",
        "xxxowoxxxx",
        "xxxoooxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
    };
    loadBoard(board);
    loadWord("wox");
    for (int d = 1; d <= 8; ++d) {
        const QPoint second = QPoint(5, 5) + WordEntry::step(d);
        click(5, 5);
        click(second.x(), second.y());
        EXPECT_EQ(entry.direction(), d);
        EXPECT_EQ(entry.pickcount(), 2);
        entry.clearword();
    }
}

TEST_F(WordEntryTest, FirstLetterMayBeAnyOfItsCells)
{
    loadBoard();
    loadWord("cd");
    for (const QPoint& first : {QPoint(3, 4), QPoint(1, 5)}) {
        click(first.x(), first.y());
        EXPECT_EQ(entry.pickcount(), 1);
        EXPECT_EQ(entry.pickpath(1), first);
        EXPECT_EQ(entry.lastPicked(), first);
        entry.clearword();
    }
    // The wrong letter, or an empty cell, is never a first pick.
    sounds.clear();
    click(3, 5);
    loadCells("2+2+0");
    click(2, 2);
    EXPECT_EQ(sounds, (QStringList{"invalid", "invalid"}));
    EXPECT_EQ(entry.pickcount(), 0);
    EXPECT_EQ(markedCount(), 0);
}

TEST_F(WordEntryTest, PickingPlaysValidAndReportsChanges)
{
    loadBoard();
    loadWord("word");
    QSignalSpy board(&entry, &WordEntry::boardChanged);
    QSignalSpy strip(&entry, &WordEntry::stripChanged);
    click(3, 5);
    EXPECT_EQ(sounds, QStringList{"valid"});
    EXPECT_GE(board.count(), 1);
    EXPECT_GE(strip.count(), 1);
    EXPECT_EQ(entry.slotPicture(1), marked('w'));
    EXPECT_EQ(entry.slotPicture(2), letter('o'));
    EXPECT_EQ(entry.slotPick(1), "3+5");
}

// --- unpicking ----------------------------------------------------------------------

TEST_F(WordEntryTest, RightClickUnpicksOnlyTheLastLetter)
{
    loadBoard();
    loadWord("word");
    click(3, 5);
    click(4, 5);
    click(5, 5);
    sounds.clear();

    click(4, 5, Qt::RightButton);  // an earlier pick: nothing
    EXPECT_EQ(entry.pickcount(), 3);
    EXPECT_EQ(entry.cell(4, 5), marked('o'));
    EXPECT_TRUE(sounds.isEmpty());

    click(5, 5, Qt::RightButton);  // the last pick
    EXPECT_EQ(entry.pickcount(), 2);
    EXPECT_EQ(entry.pathlength(), 2);
    EXPECT_EQ(entry.cell(5, 5), letter('r'));
    EXPECT_EQ(entry.cell(4, 5), marked('o'));
    EXPECT_EQ(entry.pickpath(3), QPoint(0, 0));
    EXPECT_EQ(entry.lastPicked(), QPoint(4, 5));
    EXPECT_EQ(entry.slotPicture(3), letter('r'));
    EXPECT_EQ(entry.slotPicture(2), marked('o'));
    EXPECT_EQ(entry.direction(), 1);  // still two letters: the line stays

    click(4, 5, Qt::RightButton);
    click(3, 5, Qt::RightButton);
    EXPECT_EQ(entry.pickcount(), 0);
    EXPECT_EQ(markedCount(), 0);
    EXPECT_FALSE(entry.lastPicked());
}

TEST_F(WordEntryTest, RightClickOnAnUnmarkedCellClearsTheSelection)
{
    loadBoard();
    loadWord("word");
    click(3, 5);
    click(4, 5);
    sounds.clear();
    click(9, 9, Qt::RightButton);
    EXPECT_EQ(sounds, QStringList{"clear"});
    EXPECT_EQ(entry.pickcount(), 0);
    EXPECT_EQ(entry.pathlength(), 0);
    EXPECT_EQ(markedCount(), 0);
    EXPECT_EQ(entry.slotPicture(1), letter('w'));
    EXPECT_EQ(entry.slotPicture(2), letter('o'));
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(entry.pickpath(i), QPoint(0, 0));

    // Right-clicking with nothing picked clears as well (and says so).
    sounds.clear();
    click(9, 9, Qt::RightButton);
    EXPECT_EQ(sounds, QStringList{"clear"});
}

TEST_F(WordEntryTest, UnpickingBackToOneLetterFreesTheDirection)
{
    loadBoard();
    loadWord("cd");
    click(3, 4);
    click(4, 4);
    EXPECT_EQ(entry.direction(), 1);
    // "cd" is two letters and so was sent; a refused word lets the player try again.
    retry();
    click(4, 4, Qt::RightButton);
    EXPECT_EQ(entry.direction(), 0);

    loadWord("word");
    entry.clearword();
    click(3, 5);
    click(4, 5);
    click(4, 5, Qt::RightButton);
    EXPECT_EQ(entry.direction(), 0);
    // With one letter left the line may start again in another direction: up-left.
    loadCells("2+4+15");
    click(2, 4);
    EXPECT_EQ(entry.pickcount(), 2);
    EXPECT_EQ(entry.direction(), 8);
}

TEST_F(WordEntryTest, InconsistentStraightSelectionStartsAgain)
{
    loadBoard();
    loadWord("word");
    click(3, 5);
    click(4, 5);
    click(5, 5);
    sounds.clear();
    // A line of three with a direction, asked as if only one letter were picked.
    EXPECT_FALSE(entry.checkforconnectstraight(1, 4, 5));
    EXPECT_EQ(sounds, QStringList{"clear"});
    EXPECT_EQ(entry.pickcount(), 0);
    EXPECT_EQ(markedCount(), 0);

    // Direction none with more than one letter is just as inconsistent.
    click(3, 5);
    EXPECT_EQ(entry.direction(), 0);
    EXPECT_FALSE(entry.checkforconnectstraight(2, 4, 5));
    EXPECT_EQ(entry.pickcount(), 0);
}

// --- sending ------------------------------------------------------------------------

TEST_F(WordEntryTest, FourLetterWordIsSentAtItsFourthLetter)
{
    loadBoard();
    loadWord("word");
    click(3, 5);
    click(4, 5);
    click(5, 5);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(wordsSent, 0);
    click(6, 5);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], "CMD_myword+2+3+5+4+5+5+5+6+5");
    EXPECT_EQ(wordsSent, 1);
    EXPECT_EQ(turn.activeplayer(), 0);
    EXPECT_EQ(sounds.mid(sounds.size() - 2), (QStringList{"valid", "sendword"}));

    // Picking has ended: nothing answers a click any more.
    sounds.clear();
    click(1, 1);
    click(6, 5, Qt::RightButton);
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_EQ(entry.pickcount(), 4);
}

TEST_F(WordEntryTest, TenLetterWordIsSentAtItsTenthLetter)
{
    const Rows board = {
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "xxxxxxxxxx",
        "quarantine",
    };
    loadBoard(board);
    loadWord("enitnarauq");  // read right to left
    context.state.myslot = 6;
    retry();
    for (int column = 10; column >= 2; --column)
        click(column, 9);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(entry.direction(), 2);
    click(1, 9);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], "CMD_myword+6+10+9+9+9+8+9+7+9+6+9+5+9+4+9+3+9+2+9+1+9");
    EXPECT_EQ(entry.pickcount(), 10);

    // Allowed to pick again after a refusal, an eleventh letter does not exist.
    retry();
    sounds.clear();
    click(5, 5);
    EXPECT_EQ(entry.pickcount(), 10);
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(WordEntryTest, RefusedWordCanBeMendedAndSentAgain)
{
    loadBoard();
    loadWord("word");
    for (int column = 3; column <= 6; ++column)
        click(column, 5);
    ASSERT_EQ(sent.size(), 1);

    // The host refused it; the marks stay and a further pick has no letter to match.
    retry();
    sounds.clear();
    click(7, 5);
    // Not even an empty cell on the line matches the end of the word.
    loadCells("7+5+0");
    click(7, 5);
    EXPECT_EQ(sounds, (QStringList{"invalid", "invalid"}));
    EXPECT_EQ(entry.cell(7, 5), 0);
    EXPECT_EQ(sent.size(), 1);

    click(6, 5, Qt::RightButton);
    EXPECT_EQ(entry.pickcount(), 3);
    click(6, 5);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[1], sent[0]);
}

TEST_F(WordEntryTest, WordTextWithAGapEndsAtTheGap)
{
    // Slot 1 "c" and slot 3 "a", slot 2 empty: the word ends before the gap, so its one
    // letter completes it and only that letter's cell goes out.
    loadBoard();
    loadWordText("1+3+3+1");
    EXPECT_EQ(entry.wordLength(), 1);
    EXPECT_EQ(entry.slotLetter(3), 1); // still shown in the strip
    click(3, 4);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], "CMD_myword+2+3+4");
    FieldReader fields(sent[0].mid(int(qstrlen("CMD_myword+"))));
    const proto::MyWord word = proto::MyWord::read(fields);
    EXPECT_TRUE(word.valid);
    EXPECT_EQ(word.cells.size(), 1);

    // The same with the gap later in the word, and with no first letter at all.
    turn.startSearch(2);
    entry.clearword();
    loadWordText("1+23+2+15+4+18+5+4");
    EXPECT_EQ(entry.wordLength(), 2);
    click(3, 5);
    click(4, 5);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[1], "CMD_myword+2+3+5+4+5");

    turn.startSearch(2);
    entry.clearword();
    loadWordText("2+3");
    EXPECT_EQ(entry.wordLength(), 0);
    sounds.clear();
    click(3, 4);
    EXPECT_EQ(sounds, QStringList{"invalid"});
    EXPECT_EQ(sent.size(), 2);
}

TEST_F(WordEntryTest, EveryRefusedClickIsAnnouncedWithItsCell)
{
    QSignalSpy refused(&entry, &WordEntry::refused);
    loadBoard();
    loadWord("word");
    click(1, 1); // not the first letter
    click(3, 5);
    click(5, 6); // the second letter is an "o"
    click(3, 6); // an "r" after the "w", skipping the "o"
    click(4, 5);
    click(5, 6); // an "r" off the straight line
    ASSERT_EQ(refused.size(), 4);
    const QList<QPoint> cells = {{1, 1}, {5, 6}, {3, 6}, {5, 6}};
    for (int i = 0; i < refused.size(); ++i)
        EXPECT_EQ(QPoint(refused[i][0].toInt(), refused[i][1].toInt()), cells[i]) << i;
    EXPECT_EQ(sounds.count("invalid"), 4);

    // Accepted picks, unpicks, a watching player's click and a click out of turn are
    // no refusals.
    refused.clear();
    click(5, 5);
    click(5, 5, Qt::RightButton);
    turn.setJustWatching(true);
    click(5, 5);
    turn.setJustWatching(false);
    turn.startSearch(1);
    click(1, 1);
    EXPECT_EQ(refused.size(), 0);
}

TEST_F(WordEntryTest, WithoutConnectionTheWordEndsPickingButIsNotSent)
{
    context.state.connected = false;
    loadBoard();
    loadWord("cd");
    click(3, 4);
    click(4, 4);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_FALSE(sounds.contains("sendword"));
    EXPECT_EQ(turn.activeplayer(), 0);
    EXPECT_EQ(wordsSent, 1);
}

// --- who may pick -------------------------------------------------------------------

TEST_F(WordEntryTest, OnlyTheActivePlayerPicks)
{
    loadBoard();
    loadWord("word");
    for (int active : {0, 1, 3}) {
        turn.startSearch(active);
        click(3, 5);
        click(3, 5, Qt::RightButton);
        entry.clearword();
        entry.sendword();
    }
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(markedCount(), 0);

    // Before login nobody holds a slot: slot 0 never counts as "my turn".
    context.state.myslot = 0;
    turn.endPicking();
    loadWord("");
    loadCells("1+1+0");
    click(1, 1);
    entry.sendword();
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_EQ(wordsSent, 0);
}

TEST_F(WordEntryTest, WatchingPlayerIsToldAndPicksNothing)
{
    loadBoard();
    loadWord("word");
    turn.setJustWatching(true);
    click(3, 5);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0], "You cannot play when you have \"Just Watching\" set.");
    EXPECT_EQ(entry.pickcount(), 0);
    EXPECT_EQ(markedCount(), 0);
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(WordEntryTest, ReleasesBeyondTheBoardAreIgnored)
{
    loadBoard();
    loadWord("xx");
    for (const QPoint& at : {QPoint(440, 10), QPoint(10, 396), QPoint(-1, 10), QPoint(10, -30), QPoint(500, 500)})
        entry.mouseUp(Qt::LeftButton, at.x(), at.y());
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_EQ(entry.pickcount(), 0);
    entry.mouseUp(Qt::LeftButton, 439, 395);  // the last pixel is cell (10, 9)
    EXPECT_EQ(entry.lastPicked(), QPoint(10, 9));
}

TEST_F(WordEntryTest, NewSearchForgetsThePathAndCounters)
{
    loadBoard();
    loadWord("word");
    click(3, 5);
    click(4, 5);
    entry.clearPickPath();
    EXPECT_FALSE(entry.lastPicked());
    EXPECT_EQ(entry.pickpath(1), QPoint(0, 0));
    entry.resetCounters();
    EXPECT_EQ(entry.pickcount(), 0);
    EXPECT_EQ(entry.pathlength(), 0);

    // A new board and a fresh search pick from the start.
    loadBoard();
    click(3, 5);
    EXPECT_EQ(entry.pickcount(), 1);
    EXPECT_EQ(entry.lastPicked(), QPoint(3, 5));
}

TEST_F(WordEntryTest, NewWordDropsThePicksMadeForTheLastOne)
{
    // A word text that arrives during a search, without a new search announced, starts
    // the picking again: a pick kept from the last word would complete the new one and
    // go out as the cell (0, 0).
    loadBoard();
    loadWord("word");
    click(3, 5);
    ASSERT_EQ(entry.pickcount(), 1);
    loadWord("cd");
    EXPECT_EQ(entry.pickcount(), 0);
    EXPECT_EQ(entry.pathlength(), 0);
    EXPECT_FALSE(entry.lastPicked());

    click(4, 4); // "d" is the second letter, not the first
    EXPECT_TRUE(sent.isEmpty());
    click(3, 4);
    click(4, 4);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], "CMD_myword+2+3+4+4+4");
}

TEST_F(WordEntryTest, DirectPlacementRejectsCellsOffTheBoard)
{
    loadBoard();
    loadWord("word");
    const QString before = picture();
    EXPECT_THROW(entry.placeletter(0, 5, 1), std::out_of_range);
    EXPECT_THROW(entry.placeletter(3, 10, 1), std::out_of_range);
    EXPECT_THROW(entry.placeletter(3, 5, 11), std::out_of_range);
    EXPECT_THROW(entry.checkforconnectscrambled(0, 3, 5), std::out_of_range);
    EXPECT_THROW(entry.checkforconnectstraight(11, 3, 5), std::out_of_range);
    EXPECT_EQ(picture(), before);
}
