// Staying in the game through the main windows: on `quillor --serve` the lead passes to
// the player who stays when the leader leaves, and the next game is one click away;
// a player whose connection is cut is back in his seat with his score by himself while
// the round goes on.
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/ServeProcess.h"
#include "host/RandomSource.h"
#include "host/TServer.h"
#include "widgets/PictureButton.h"

#include <QAction>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "client/ui/ChatHistory.h"
#include "client/ui/MainMenus.h"
#include "net/Protocol.h"

#include <memory>
#include <sys/socket.h>

namespace {

struct Player {
    Player(const QString& name, quint16 port)
        : window(QStringList{name, QStringLiteral("127.0.0.1"), QStringLiteral("false")})
    {
        window.prefs().setPlaySounds(false);
        window.client().ctx.out.messageBox = [this](const QString& t) { boxes.append(t); };
        window.client().session.port = port;
        window.show();
    }
    GameClient& client() { return window.client(); }
    ScorePanel& scores() { return *window.scorePanel(); }
    RoundBar& bar() { return *window.roundBar(); }
    QString chat() { return window.history().view()->toPlainText(); }

    Tchat window;
    QStringList boxes;
};

} // namespace

TEST(StayingEndToEnd, WhenTheLeaderLeavesTheOtherWindowGainsStartAndPlayAgainNeedsOneClick)
{
    testutil::ServeProcess serve({"--port", "0"});
    ASSERT_TRUE(serve.waitForLog("listening on port")) << serve.log.constData();
    auto ann = std::make_unique<Player>(QStringLiteral("Ann"), serve.port());
    ASSERT_TRUE(testutil::waitFor([&] { return ann->bar().button_start->isVisible(); }));
    Player bob(QStringLiteral("Bob"), serve.port());
    ASSERT_TRUE(testutil::waitFor([&] { return bob.scores().label_playername[0]->text() == "Ann"; }));
    EXPECT_TRUE(bob.scores().image_leader[0]->isVisible());
    EXPECT_FALSE(bob.scores().image_leader[1]->isVisible());
    EXPECT_FALSE(bob.bar().button_start->isVisible());
    EXPECT_FALSE(bob.window.menus().StartGame1->isEnabled());

    // Ann closes her window: Bob leads at once.
    ann.reset();
    ASSERT_TRUE(testutil::waitFor([&] { return bob.bar().button_start->isVisible(); }));
    EXPECT_TRUE(bob.window.menus().StartGame1->isEnabled());
    EXPECT_TRUE(bob.scores().image_leader[1]->isVisible());
    EXPECT_EQ(bob.scores().label_playername[0]->text(), "<Waiting>");
    EXPECT_TRUE(serve.waitForLog("slot 2 (Bob) leads the game")) << serve.log.constData();

    // A game to -1 points with no time to search ends after its first round (4 seconds
    // of grace and 7 of pause); then Play Again starts the same game in one click.
    bob.client().ctx.send(proto::StartGame{"Bob", "-1", "0", "f", "t"}.message());
    ASSERT_TRUE(testutil::waitFor([&] { return bob.bar().label_round->text() == "ROUND: 1"; }));
    EXPECT_FALSE(bob.bar().button_playagain->isVisible());
    ASSERT_TRUE(testutil::waitFor([&] { return bob.bar().button_playagain->isVisible(); }, 20000));
    EXPECT_TRUE(bob.bar().button_start->isVisible());
    const qsizetype games = bob.chat().count("You have started a STRAIGHT game.");
    QTest::mouseClick(bob.bar().button_playagain, Qt::LeftButton);
    ASSERT_TRUE(testutil::waitFor([&] { return bob.chat().count("You have started a STRAIGHT game.") == games + 1; }));
    EXPECT_EQ(bob.chat().count("Using only letters that are found in the word."), 2) << "the same options";
    ASSERT_TRUE(testutil::waitFor([&] { return bob.bar().label_round->text() == "ROUND: 1"; }));
    EXPECT_FALSE(bob.bar().button_playagain->isVisible());
    EXPECT_FALSE(bob.bar().button_start->isVisible());
    EXPECT_TRUE(serve.waitForLog("game started: play to -1, 0 seconds a turn, straight, only the word's letters"));
    EXPECT_TRUE(bob.boxes.isEmpty());
}

TEST(StayingEndToEnd, ACutConnectionComesBackIntoTheSameSeatWithItsScoreWhileTheRoundGoesOn)
{
    SeededRandom random(31);
    TServer server(nullptr, random, 0);
    QStringList events;
    server.setEventLog([&events](const QString& line) { events.append(line); });
    server.startListening();
    Player ann(QStringLiteral("Ann"), server.port());
    ASSERT_TRUE(testutil::waitFor([&] { return ann.client().ctx.state.myslot == 1; }));
    Player bob(QStringLiteral("Bob"), server.port());
    ASSERT_TRUE(testutil::waitFor([&] { return ann.scores().label_playername[1]->text() == "Bob"; }));

    // A long turn; Bob finds the word, Ann has not yet.
    ann.client().ctx.send(proto::StartGame{"Ann", "250", "300", "f", "f"}.message());
    ASSERT_TRUE(testutil::waitFor([&] { return bob.client().turn.activeplayer() == 2; }));
    bob.client().ctx.send(Message("CMD_myword").add(2).raw(server.game().rounds().board().wordcells()));
    ASSERT_TRUE(testutil::waitFor([&] {
        return ann.scores().image_foundit[1]->isVisible() && bob.scores().image_foundit[1]->isVisible();
    }));
    const QString score = bob.scores().label_score[1]->text();
    ASSERT_GT(score.toInt(), 0);

    // The test cuts Bob's connection under his window.
    ASSERT_EQ(::shutdown(bob.client().connection.sock().handle(), SHUT_RDWR), 0);
    ASSERT_TRUE(testutil::waitFor([&] { return bob.bar().button_cancel->isVisible(); }));
    EXPECT_EQ(bob.bar().label_status->text(), "Connection lost. Reconnecting...");
    EXPECT_TRUE(bob.chat().contains("Connection lost. Reconnecting..."));
    EXPECT_EQ(bob.window.endBox(), nullptr);
    // Ann sees his seat kept for him, his name greyed with the time he has left.
    ASSERT_TRUE(testutil::waitFor([&] { return ann.client().seats.seat(2).away; }));
    EXPECT_EQ(ann.scores().label_playername[1]->text(), "Bob");
    EXPECT_TRUE(ann.scores().label_playername[1]->toolTip().startsWith("Bob is away: the seat is kept for 9"))
        << ann.scores().label_playername[1]->toolTip().toStdString();

    // A second later his window is back in seat 2 with his score, in the same round.
    ASSERT_TRUE(testutil::waitFor([&] { return !bob.bar().button_cancel->isVisible(); }, 5000));
    EXPECT_EQ(bob.client().ctx.state.myslot, 2);
    EXPECT_EQ(bob.bar().label_status->text(), "You are back in the game.");
    ASSERT_TRUE(testutil::waitFor([&] { return bob.scores().label_score[1]->text() == score; }));
    EXPECT_TRUE(bob.scores().image_foundit[1]->isVisible());
    EXPECT_EQ(bob.scores().label_playername[0]->text(), "Ann");
    EXPECT_EQ(bob.bar().label_round->text(), "ROUND: 1");
    ASSERT_TRUE(testutil::waitFor([&] { return !ann.client().seats.seat(2).away; }));
    EXPECT_EQ(ann.scores().label_playername[1]->text(), "Bob");
    EXPECT_TRUE(ann.chat().contains("Bob is back."));
    EXPECT_EQ(server.game().rounds().roundnumber(), 1);
    EXPECT_EQ(server.game().players()[2].score, score.toInt());
    // He came in on a new connection in slot 3 and was moved into his seat.
    EXPECT_TRUE(events.contains("slot 3 moved to its kept seat 2")) << events.join('\n').toStdString();
    EXPECT_TRUE(events.contains("seat 2: Bob is back")) << events.join('\n').toStdString();

    // The round goes on: Ann's find ends it for both.
    ann.client().ctx.send(Message("CMD_myword").add(1).raw(server.game().rounds().board().wordcells()));
    ASSERT_TRUE(testutil::waitFor([&] { return bob.bar().label_status->text() == "Round is over, please wait.."; }));
    EXPECT_TRUE(ann.boxes.isEmpty());
    EXPECT_TRUE(bob.boxes.isEmpty());
}
