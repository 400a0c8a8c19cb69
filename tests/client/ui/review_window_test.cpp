// The round's review and the game's table in the main window: the review beside the board
// and the word's path over it in the pause between rounds, gone with the next board unless
// pinned, in place at every window size; the table after the winner's card, agreeing with
// the scoreboard, and its lines in the chat.
#include "client/ui/BoardPanel.h"
#include "client/ui/BoardView.h"
#include "client/ui/RoundReviewPanel.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/WordPath.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/HostMessages.h"
#include "common/Printers.h"
#include "windows/GameSummaryWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window whose client is told by hand what a host of a 30-second game would say: this
// player Ann in seat 1, Bob in seat 2, Cid in seat 3, Dee watching from place 7.
const QList<QByteArray> annArrives{"CMD_sendlogininfo+1",     "CMD_newplayerinfo+1+Ann", "CMD_newplayerinfo+2+Bob",
                                   "CMD_newplayerinfo+3+Cid", "CMD_newplayerinfo+7+Dee",
                                   "CMD_startgame+Ann+250+30+t+f+"};

struct ReviewRig {
    explicit ReviewRig(bool withMeanings = false, const QList<QByteArray>& arrival = annArrives)
    {
        GameClient& c = window.client();
        window.prefs().setPlaySounds(false);
        c.connection.timer1().stop();
        if (!withMeanings)
            c.meanings.setFolder(noMeanings.path());
        c.ctx.out.send = [](const Message&) {};
        c.ctx.out.addlinetochat = [this](const QString& line, const QColor&) { lines << line; };
        window.resize(PlayLayout::LeastInner.width(), PlayLayout::LeastInner.height() + window.menuBarHeight());
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (const QByteArray& m : arrival)
            say(m);
    }
    void say(const QByteArray& message) { testutil::arrive(window.client().connection, message); }
    // A round of the word "cat", laid from (2, 3) to the right.
    void board(int round)
    {
        say("CMD_loadboard+" + QByteArray::number(round) + "+2+3+3+3+3+1+4+3+20");
        say("CMD_theword+1+3+2+1+3+20");
        say("CMD_nextplayer+1+");
    }
    void found(int seat, int points, int score)
    {
        say("CMD_hefoundit+" + QByteArray::number(seat) + '+' + QByteArray::number(points) + '+'
            + QByteArray::number(score) + '+');
    }
    RoundReviewPanel& panel() { return *window.reviewPanel(); }
    QRect placeOf(const QWidget* w) const { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); }
    QStringList rows()
    {
        QStringList out;
        const QTableWidget* t = panel().table_finders;
        for (int r = 0; r < t->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < t->columnCount(); ++c)
                cells << t->item(r, c)->text();
            out << cells.join(' ');
        }
        return out;
    }

    QTemporaryDir noMeanings;
    Tchat window{QStringList{"Tester"}};
    QStringList lines;
};

const QList<QPoint> catCells{{2, 3}, {3, 3}, {4, 3}};

std::string str(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

} // namespace

TEST(ReviewWindow, TheReviewShowsInThePauseAndTheNextBoardReplacesItUnlessPinned)
{
    struct Case {
        QSize inner;       // the window's inner area; empty: maximised
        bool scoresInView; // the review leaves the scoreboard uncovered
    };
    const Case cases[] = {
        {PlayLayout::LeastInner, false}, // the least window: over the scoreboard's rows
        {{1400, 700}, true},             // wide: over the chat beside the scoreboard
        {{1100, 1000}, true},            // tall: over the chat under the scoreboard
        {{1800, 1000}, true},            // large: under the scoreboard, the chat beside it
        {{}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(c.inner.width()).arg(c.inner.height()).toStdString());
        ReviewRig rig;
        Tchat& w = rig.window;
        if (c.inner.isEmpty())
            w.showMaximized();
        else
            w.resize(c.inner.width(), c.inner.height() + w.menuBarHeight());
        testutil::spin(30);

        rig.board(1);
        EXPECT_FALSE(rig.panel().isVisible()) << "no review while the round is played";
        EXPECT_FALSE(w.pathOverlay()->isVisible());
        rig.found(2, 27, 27);
        rig.found(3, 12, 12);
        rig.say("CMD_roundover+2+3+3+3+4+3");

        // The pause: the review beside the board, the path over it.
        ASSERT_TRUE(rig.panel().isVisible());
        EXPECT_EQ(rig.panel().label_word->text(), "cat");
        EXPECT_EQ(rig.rows(), (QStringList{"1. Bob 3 s +27", "2. Cid 18 s +12"}));
        EXPECT_EQ(rig.panel().label_missed->text(), "Missed: Ann") << "the spectator never misses";
        EXPECT_FALSE(rig.panel().label_meaning->isVisible());
        const QRect review = rig.placeOf(&rig.panel());
        const QRect board = rig.placeOf(w.boardPanel());
        EXPECT_FALSE(review.intersects(board)) << str(review);
        EXPECT_TRUE(QRect(QPoint(0, 0), w.size()).contains(review)) << str(review);
        EXPECT_EQ(review.intersects(rig.placeOf(w.scorePanel())), !c.scoresInView) << str(review);
        // It grows with the scoreboard as far as its place allows.
        EXPECT_NEAR(rig.panel().scale(), std::min(w.layout().scale, review.width() / 276.0), 1e-9);
        EXPECT_GE(rig.panel().label_word->font().pixelSize(), 24 * std::min(1.0, rig.panel().scale()));
        ASSERT_TRUE(w.pathOverlay()->isVisible());
        EXPECT_EQ(w.pathOverlay()->cells(), catCells);
        EXPECT_EQ(w.pathOverlay()->geometry(), w.boardPanel()->paintbox_board->geometry());

        // The next board replaces it.
        rig.board(2);
        EXPECT_FALSE(rig.panel().isVisible());
        EXPECT_FALSE(w.pathOverlay()->isVisible());

        // Nobody finds it; the pinned review stays beside the next board, without its path.
        rig.say("CMD_outoftime+4+3+3+3+2+3");
        ASSERT_TRUE(rig.panel().isVisible());
        EXPECT_TRUE(rig.panel().label_nobody->isVisible());
        EXPECT_EQ(rig.panel().label_missed->text(), "Missed: Ann, Bob, Cid");
        EXPECT_EQ(w.pathOverlay()->cells(), (QList<QPoint>{{4, 3}, {3, 3}, {2, 3}}));
        QTest::mouseClick(rig.panel().button_pin, Qt::LeftButton);
        rig.board(3);
        EXPECT_TRUE(rig.panel().isVisible());
        EXPECT_EQ(rig.panel().label_ending->text(), "Round 2: the last round");
        EXPECT_FALSE(w.pathOverlay()->isVisible());
        // Clicking on closes it.
        QTest::mouseClick(rig.panel().button_close, Qt::LeftButton);
        EXPECT_FALSE(rig.panel().isVisible());
    }
}

TEST(ReviewWindow, ASpectatorAndAPlayerWhoCameLateSeeTheSameRound)
{
    struct Case {
        const char* who;
        QList<QByteArray> arrival; // up to the round's word
        QStringList missed;
    };
    const Case cases[] = {
        {"spectator",
         {"CMD_sendlogininfo+8", "CMD_existingplayers+1+Ann", "CMD_existingplayers+2+Bob",
          "CMD_existingplayers+3+Cid", "CMD_newplayerinfo+8+Eve", "CMD_startgame+Ann+250+30+t+f+",
          "CMD_loadboard+1+2+3+3+3+3+1+4+3+20", "CMD_theword+1+3+2+1+3+20", "CMD_nextplayer+1+"},
         {"Cid"}},
        // Bob found it before Dee came; Ann had 40 from earlier rounds.
        {"late player",
         {"CMD_sendlogininfo+4", "CMD_existingplayers+1+Ann", "CMD_existingplayers+2+Bob",
          "CMD_existingplayers+3+Cid", "CMD_newplayerinfo+4+Dee", "CMD_loadboard+1+2+3+3+3+3+1+4+3+20",
          "CMD_theword+1+3+2+1+3+20", "CMD_loadstats+t+250+30+20+t+1+40+0+f+2+27+27+t+3+0+0+f+4+0+0+f"},
         {"Cid", "Dee"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.who);
        ReviewRig rig(false, c.arrival);
        Tchat& w = rig.window;
        if (QByteArray(c.who) == "spectator")
            rig.found(2, 27, 27);
        rig.found(1, 15, w.client().seats.seat(1).score.toInt() + 15);
        rig.say("CMD_roundover+2+3+3+3+4+3");
        ASSERT_TRUE(rig.panel().isVisible());
        EXPECT_EQ(rig.rows(), (QStringList{"1. Bob 3 s +27", "2. Ann 15 s +15"}));
        EXPECT_EQ(rig.panel().label_missed->text(), "Missed: " + c.missed.join(", "));
        EXPECT_EQ(w.pathOverlay()->cells(), catCells);
        rig.board(2);
        EXPECT_FALSE(rig.panel().isVisible());
        // The summary's totals are the scoreboard's, with what was scored before.
        rig.say("CMD_winner+Ann+");
        for (int seat = 1; seat <= 3; ++seat)
            EXPECT_EQ(QString::number(w.client().summary.total(seat)), w.scorePanel()->label_score[seat - 1]->text())
                << seat;
    }
}

TEST(ReviewWindow, TheWordsMeaningShowsOnlyWithWordNetInstalled)
{
    for (const bool installed : {true, false}) {
        SCOPED_TRACE(installed);
        ReviewRig rig(installed);
        if (installed) {
            ASSERT_TRUE(rig.window.client().meanings.available())
                << "WordNet's data is missing from " << WordMeanings::defaultFolder().toStdString()
                << ": run scripts/install-deps (package wordnet-base)";
        }
        rig.board(1);
        rig.say("CMD_outoftime+2+3+3+3+4+3");
        ASSERT_TRUE(rig.panel().isVisible());
        EXPECT_EQ(rig.panel().label_meaning->isVisible(), installed);
        EXPECT_EQ(rig.panel().label_meaning->text().contains("feline"), installed)
            << rig.panel().label_meaning->text().toStdString();
        for (const QString& line : std::as_const(rig.lines))
            EXPECT_FALSE(line.contains("WordNet", Qt::CaseInsensitive)) << line.toStdString();
    }
}

TEST(ReviewWindow, TheGameTableFollowsTheWinnersCardAndAgreesWithTheScoreboard)
{
    ReviewRig rig;
    Tchat& w = rig.window;
    // Three rounds: Bob first, then nobody, then Ann first; Cid leaves during the third.
    rig.board(1);
    rig.found(2, 27, 27);
    rig.found(1, 20, 20);
    rig.say("CMD_roundover+2+3+3+3+4+3");
    rig.board(2);
    rig.say("CMD_outoftime+2+3+3+3+4+3");
    rig.board(3);
    rig.found(1, 29, 49);
    rig.say("CMD_playerdisconnected+3+Cid");
    rig.found(2, 5, 32);
    rig.say("CMD_roundover+2+3+3+3+4+3");
    EXPECT_EQ(w.summaryWindow(), nullptr);
    rig.say("CMD_winner+Ann+");

    // The card first, in the last round's review's place; the table once its confetti
    // has fallen.
    WinnerBanner* card = w.boardPanel()->panel_winner;
    ASSERT_TRUE(card->isVisible());
    EXPECT_FALSE(rig.panel().isVisible());
    EXPECT_FALSE(w.pathOverlay()->isVisible());
    if (card->celebrating()) {
        EXPECT_TRUE(w.summaryWindow() == nullptr || !w.summaryWindow()->isVisible());
        card->shower().setCurrentTime(card->shower().totalDuration());
    }
    ASSERT_NE(w.summaryWindow(), nullptr);
    GameSummaryWindow& table = *w.summaryWindow();
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.label_title->text(), "Ann has Won the Game!");

    // Rounds, then the totals, which are the scoreboard's.
    const QTableWidget* t = table.table_rounds;
    ASSERT_EQ(t->rowCount(), 5); // three rounds, total, average time
    const QStringList firsts{"Bob", "nobody", "Ann"};
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(t->item(r, 2)->text(), firsts[r]) << r;
    EXPECT_EQ(t->item(3, 0)->text(), "Total");
    for (int seat = 1; seat <= 3; ++seat)
        EXPECT_EQ(t->item(3, 3 + seat)->text(), w.scorePanel()->label_score[seat - 1]->text()) << seat;

    // One line per round for the record, after the winner's line.
    const QStringList record = rig.lines.filter(QRegularExpression("^Round \\d"));
    ASSERT_EQ(record.size(), 3);
    EXPECT_EQ(record[0], "Round 1 \"cat\": Bob first in 3 s; Bob 27, Ann 20; missed: Cid");
    EXPECT_TRUE(record[1].contains("nobody found it")) << record[1].toStdString();
    EXPECT_GT(rig.lines.indexOf(record[0]), rig.lines.indexOf("Ann has Won the Game!"));
}
