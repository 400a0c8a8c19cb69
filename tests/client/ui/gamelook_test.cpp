// How a game looks in the main window at its quiet moments and its end: the clock
// waiting for the first turn, the spectator's mark, and the winner banner over the board
// with its short shower of confetti, which stops by itself and never covers the scores.
#include "client/ui/BoardPanel.h"
#include "client/ui/BoardView.h"
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/WinnerBanner.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/HostMessages.h"
#include "widgets/ElidedLabel.h"
#include "net/WordLanguages.h"
#include "widgets/TimeBar.h"

#include <QAbstractAnimation>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class GameLook : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.prefs().setPlaySounds(false);
        window.client().ctx.state.connected = true;
        window.client().ctx.state.myslot = 2;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        testutil::spin(30);
    }

    void arrive(const QByteArray& text) { testutil::arrive(window.client().connection, text); }

    QRect placeOf(const QWidget* w) const { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); }

    // Timers and animations of the window that are still running.
    QStringList running() const
    {
        QStringList out;
        for (const QTimer* t : window.findChildren<QTimer*>())
            if (t->isActive())
                out << "timer " + t->objectName();
        for (const QAbstractAnimation* a : window.findChildren<QAbstractAnimation*>())
            if (a->state() != QAbstractAnimation::Stopped)
                out << "animation of " + a->parent()->objectName();
        if (window.client().clock.isRunning())
            out << "turntime";
        return out;
    }

    static QImage shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    Tchat window{QStringList{"Tester"}};
};

} // namespace

TEST_F(GameLook, BeforeTheFirstTurnTheClockIsAnEmptyDimmedBar)
{
    RoundBar& bar = *window.roundBar();
    arrive("CMD_newplayerinfo+2+Bob");
    EXPECT_TRUE(bar.image_timer->dimmed());
    EXPECT_EQ(bar.image_timer->barWidth(), 0);
    EXPECT_EQ(bar.label_timer->text(), "Time: 0:00");
    // One parameter names no game: the status line says so.
    EXPECT_EQ(bar.label_status->text(), Session::NoGameText);

    arrive("CMD_startgame+Ann+250+30+t+f+");
    EXPECT_TRUE(bar.image_timer->dimmed());
    arrive("CMD_nextplayer+2+");
    EXPECT_FALSE(bar.image_timer->dimmed());
    EXPECT_EQ(bar.image_timer->barWidth(), 180);
    EXPECT_EQ(bar.label_timer->text(), "Time: 0:30");

    // A latecomer waits in the same way for the next turn.
    arrive("CMD_loadstats+f+250+30+17+t+1+0+0+f");
    EXPECT_TRUE(bar.image_timer->dimmed());
    EXPECT_EQ(bar.image_timer->barWidth(), 0);
}

TEST_F(GameLook, ASpectatorCarriesTheWatchingMark)
{
    RoundBar& bar = *window.roundBar();
    EXPECT_FALSE(bar.image_watching->isVisible());
    window.client().ctx.state.myslot = 8;
    arrive("CMD_newplayerinfo+8+Eve");
    EXPECT_TRUE(bar.image_watching->isVisible());
    // Its place is the Clear button's, which a spectator never has, inside the bar.
    EXPECT_TRUE(bar.rect().contains(bar.image_watching->geometry()));
    EXPECT_FALSE(bar.image_watching->geometry().intersects(bar.image_timer->geometry()));
    EXPECT_FALSE(bar.image_watching->pixmap().isNull());
    arrive("CMD_nextplayer+1+");
    EXPECT_TRUE(bar.image_watching->isVisible());
}

TEST_F(GameLook, TheWinnerBannerLiesOverTheBoardAndItsConfettiStopsByItself)
{
    BoardPanel& board = *window.boardPanel();
    WinnerBanner& banner = *board.panel_winner;
    arrive("CMD_newplayerinfo+1+Ann");
    arrive("CMD_newplayerinfo+2+Bob");
    arrive("CMD_startgame+Ann+250+30+t+f+");
    arrive("CMD_nextplayer+2+");
    arrive("CMD_roundover+*");
    EXPECT_FALSE(banner.isVisible());
    const QImage plainBoard = shot(&board);

    arrive("CMD_winner+Ann+");
    ASSERT_TRUE(banner.isVisible());
    EXPECT_EQ(board.label_winner1->text(), "Ann has Won the Game!");
    EXPECT_FALSE(board.label_winner1->isElided());

    // It covers the board, its card in the middle, and leaves the scores in view.
    const QRect over = placeOf(&banner);
    EXPECT_EQ(over, placeOf(board.paintbox_board));
    const QPoint cardCentre = banner.mapTo(&window, banner.cardRect().center());
    EXPECT_LE((cardCentre - over.center()).manhattanLength(), 2);
    EXPECT_TRUE(banner.cardRect().contains(board.label_winner1->geometry()));
    EXPECT_FALSE(over.intersects(placeOf(window.scorePanel())));

    // The board shows through, dimmed.
    const QImage dimmed = shot(&board);
    const QPoint corner(12, 12);
    EXPECT_LT(qGray(dimmed.pixel(corner)), qGray(plainBoard.pixel(corner)));

    // Confetti falls for a moment, then stops, and nothing keeps running.
    ASSERT_TRUE(banner.celebrating());
    banner.shower().setCurrentTime(WinnerBanner::ShowerMs / 3);
    const QImage falling = shot(&banner);
    banner.shower().setCurrentTime(WinnerBanner::ShowerMs);
    EXPECT_FALSE(banner.celebrating());
    const QImage after = shot(&banner);
    EXPECT_NE(falling, after);
    // ...but never over the card and its text (inside its rounded corners).
    const QRect card = banner.cardRect().adjusted(6, 6, -6, -6);
    EXPECT_EQ(falling.copy(card), after.copy(card));
    EXPECT_EQ(running(), QStringList());

    // Another word for the same banner does not start a second shower.
    window.client().status.showWinner(QStringLiteral("Ann has Won the Game!"));
    EXPECT_FALSE(banner.celebrating());

    // The next game takes the banner away.
    arrive("CMD_startgame+Ann+250+30+t+f+");
    EXPECT_FALSE(banner.isVisible());
    EXPECT_EQ(running(), QStringList());
}

TEST_F(GameLook, ANewGameEndsAShowerStillFalling)
{
    WinnerBanner& banner = *window.boardPanel()->panel_winner;
    arrive("CMD_winner+Ann+");
    ASSERT_TRUE(banner.celebrating());
    arrive("CMD_startgame+Ann+250+30+t+f+");
    EXPECT_FALSE(banner.isVisible());
    EXPECT_EQ(running(), QStringList());
}

// Each game's language stands beside its type on the scoreboard, whole, for the longest
// type and every language; a game the host does not name a language for is in English.
TEST_F(GameLook, TheLanguageOfTheWordsStandsWholeBesideTheGameType)
{
    QLabel* type = window.scorePanel()->label_gametype;
    EXPECT_FALSE(type->text().contains(QLatin1String("English"))) << "no game yet";
    for (const char* flag : {"t", "f"}) {
        for (const WordLanguage& language : wordlanguages::all()) {
            SCOPED_TRACE(language.code.toStdString() + flag);
            arrive(QByteArray("CMD_startgame+Ann+250+30+") + flag + "+f+");
            EXPECT_TRUE(type->text().contains(QLatin1String("English"))) << type->text().toStdString();
            arrive("CMD_gamelanguage+" + language.code.toLatin1() + "+");
            EXPECT_TRUE(type->text().contains(language.name.toHtmlEscaped())) << type->text().toStdString();
            EXPECT_TRUE(type->text().contains(flag == QByteArray("t") ? "SCRAMBLED" : "STRAIGHT"));
            EXPECT_LE(type->sizeHint().width(), type->width());
        }
    }
}
