// The game summary window and its plain text: a table of rounds with each seat's
// points, the totals, averages and the fastest find, and "Copy" to the clipboard.
#include "client/GameSummary.h"
#include "client/SeatRoster.h"
#include "windows/GameSummaryWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

RoundRecord round(const char* number, const char* word, QList<RoundFind> finds, QList<SeatName> missed = {})
{
    RoundRecord r;
    r.round = QString::fromLatin1(number);
    r.word = QString::fromLatin1(word);
    r.timePerTurn = 30;
    r.ended = true;
    r.finds = finds;
    r.missed = missed;
    return r;
}

class GameSummaryWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        seats.setName(1, QStringLiteral("Ann"));
        seats.setName(2, QStringLiteral("Bartholomew"));
        seats.setName(3, QStringLiteral("Cid"));
    }
    // Two rounds seen by a player who came in after the others had scored.
    void play(bool joinedLate)
    {
        summary.open(joinedLate ? RoundReview::Totals{12, 0, 5} : RoundReview::Totals{}, joinedLate);
        summary.addRound(round("2", "apple", {{2, "Bartholomew", 1, 4, 26}, {1, "Ann", 2, 9, 21}}, {{3, "Cid"}}));
        summary.addRound(round("3", "zebra", {}, {{1, "Ann"}, {2, "Bartholomew"}, {3, "Cid"}}));
        summary.addRound(round("4", "quail", {{1, "Ann", 1, 2, 28}, {3, "Cid", 2, 12, 18}}, {{2, "Bartholomew"}}));
        summary.close(QStringLiteral("Ann"));
    }
    QString at(const GameSummaryWindow& w, int row, int column) const
    {
        const QTableWidgetItem* item = w.table_rounds->item(row, column);
        return item ? item->text() : QString();
    }

    ClientContext context;
    SeatRoster seats;
    GameSummary summary{context, seats};
};

} // namespace

TEST_F(GameSummaryWindowTest, TextTableAgreesWithTheRounds)
{
    struct Case {
        bool joinedLate;
        QStringList lines;
    };
    const Case cases[] = {
        {false,
         {"Game summary: Ann won",
          "Round  Word   First        Time  Ann  Bartholomew  Cid",
          "2      apple  Bartholomew   4 s   21           26    -",
          "3      zebra  -               -    -            -    -",
          "4      quail  Ann           2 s   28            -   18",
          "Total                             49           26   18",
          "Fastest find: Ann, 2 s (\"quail\", round 4)",
          "Average time: Ann 5.5 s (2 finds), Bartholomew 4 s (1 find), Cid 12 s (1 find)"}},
        {true,
         {"Game summary: Ann won",
          "Round   Word   First        Time  Ann  Bartholomew  Cid",
          "2       apple  Bartholomew   4 s   21           26    -",
          "3       zebra  -               -    -            -    -",
          "4       quail  Ann           2 s   28            -   18",
          "Before                             12            0    5",
          "Total                              61           26   23",
          "Fastest find: Ann, 2 s (\"quail\", round 4)",
          "Average time: Ann 5.5 s (2 finds), Bartholomew 4 s (1 find), Cid 12 s (1 find)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.joinedLate);
        play(c.joinedLate);
        EXPECT_EQ(summary.text(), c.lines.join('\n') + '\n');
    }
}

TEST_F(GameSummaryWindowTest, WindowShowsEveryRoundTotalsAndCopies)
{
    GameSummaryWindow w(summary);
    EXPECT_EQ(w.windowTitle(), "Quillor - Game Summary");
    EXPECT_FALSE(w.button_copy->isEnabled());
    play(true);
    w.show();
    ASSERT_EQ(w.table_rounds->columnCount(), 7);
    EXPECT_EQ(w.table_rounds->horizontalHeaderItem(5)->text(), "Bartholomew");
    ASSERT_EQ(w.table_rounds->rowCount(), 6);
    const QStringList expected[] = {
        {"2", "apple", "Bartholomew", "4 s", "21", "26", "-"},
        {"3", "zebra", "nobody", "", "-", "-", "-"},
        {"4", "quail", "Ann", "2 s", "28", "-", "18"},
        {"Before you came", "", "", "", "12", "0", "5"},
        {"Total", "", "", "", "61", "26", "23"},
        {"Average time", "", "", "", "5.5 s", "4 s", "12 s"},
    };
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column)
            EXPECT_EQ(at(w, row, column), expected[row][column]) << row << "," << column;
    }
    EXPECT_EQ(w.label_title->text(), "Ann has Won the Game!");
    EXPECT_EQ(w.label_fastest->text(), "Fastest find: Ann found \"quail\" in 2 s (round 4).");

    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(w.button_copy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), summary.text());
    QTest::mouseClick(w.button_close, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}
