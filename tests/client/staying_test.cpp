// Staying in the game, as the client sees it: who leads and what that offers, a seat
// kept for a player who is away, when a lost connection is tried again, and when.
#include "client/GameClient.h"
#include "common/EventLoop.h"
#include "common/FakeHost.h"
#include "common/HostMessages.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <sys/socket.h>

namespace {

using testutil::frame;

class Staying : public ::testing::Test {
protected:
    void SetUp() override
    {
        client.connection.timer1().stop();
        client.ctx.out.send = [this](const Message& m) { sent.append(m.text()); };
        client.ctx.out.addlinetochat = [this](const QString& l, const QColor&) { lines.append(l); };
        client.seats.clock = [this] { return clockMs; };
        QObject::connect(&client, &GameClient::closeRequested, [this](const QString& why) { ends.append(why); });
    }
    // Hands one message to the client as if its host had sent it.
    void deliver(const QByteArray& text) { testutil::arrive(client.connection, text); }

    GameClient client;
    QList<QByteArray> sent;
    QStringList lines;
    QStringList ends;
    qint64 clockMs = 0;
};

} // namespace

TEST(ReconnectionSchedule, TriesAfter1_2_4_8SecondsAndSoOnAndGivesUpAfter90)
{
    Reconnection r;
    qint64 now = 5000;
    r.clock = [&now] { return now; };
    int tries = 0;
    r.connect = [&tries] { ++tries; };
    QSignalSpy gaveUp(&r, &Reconnection::gaveUp);
    r.start(QStringLiteral("why"));
    ASSERT_TRUE(r.active());

    // Seconds after the loss at which the timer fires, and what has happened by then.
    const struct {
        double seconds;
        int attempts;
        double next; // when it fires next; 0: it has given up
    } timeline[] = {
        {0.999, 0, 1}, {1, 1, 3}, {2.5, 1, 3}, {3, 2, 7}, {7, 3, 15}, {15, 4, 31},
        {40, 5, 63}, // late: the attempt that was due, and the next at its own time
        {63, 6, 90}, {89.999, 6, 90}, {90, 6, 0},
    };
    for (const auto& t : timeline) {
        SCOPED_TRACE(t.seconds);
        now = 5000 + qint64(t.seconds * 1000);
        r.timerFired();
        EXPECT_EQ(r.attempts(), t.attempts);
        EXPECT_EQ(tries, t.attempts);
        EXPECT_EQ(r.nextAt(), t.next ? std::optional<qint64>(5000 + qint64(t.next * 1000)) : std::nullopt);
        EXPECT_EQ(gaveUp.count(), t.next ? 0 : 1);
    }
    EXPECT_FALSE(r.active());
    EXPECT_EQ(gaveUp.at(0).at(0).toString(), "why");

    // Back in time: nothing more; "Cancel" gives up at once with the reason.
    r.start(QStringLiteral("again"));
    r.succeeded();
    now += 100000;
    r.timerFired();
    EXPECT_EQ(r.attempts(), 0);
    r.start(QStringLiteral("cancelled"));
    r.cancel();
    EXPECT_FALSE(r.active());
    EXPECT_EQ(gaveUp.count(), 2);
    EXPECT_EQ(gaveUp.at(1).at(0).toString(), "cancelled");
}

// Bob, in slot 2, as the host names one leader after another.
TEST_F(Staying, StartAndTheSeatCommandsFollowTheLeadAndTheScoreboardMarksIt)
{
    client.ctx.state.loginname = QStringLiteral("Bob");
    deliver("CMD_sendlogininfo+2");
    for (const char* who : {"CMD_newplayerinfo+1+Ann", "CMD_newplayerinfo+2+Bob", "CMD_newplayerinfo+3+Cid"})
        deliver(who);
    const struct {
        const char* message;
        bool leads;
        bool startShown;
        bool playAgain;
        int marked;       // the seat marked as leading
        const char* line; // what the chat says of it; nullptr: nothing
    } steps[] = {
        {"CMD_leader+1+", false, false, false, 1, nullptr}, // as he arrives
        {"CMD_leader+2+", true, true, false, 2, "You lead the game now; you start the next game."},
        {"CMD_startgame+Bob+250+30+f+t+", true, false, false, 2, nullptr},
        {"CMD_gamelanguage+sv+", true, false, false, 2, nullptr},
        {"CMD_leader+3+", false, false, false, 3, "Cid leads the game now."}, // in the middle of the game
        {"CMD_leader+2+", true, false, false, 2, "You lead the game now; you start the next game."}, // Start waits
        {"CMD_winner+Cid+", true, true, true, 2, nullptr},
        {"CMD_leader+0+", false, false, false, 0, nullptr},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.message);
        lines.clear();
        deliver(s.message);
        const bool leadLine = !lines.isEmpty() && lines.last().contains("lead");
        EXPECT_EQ(leadLine ? lines.last() : QString(), s.line ? QString(s.line) : QString());
        EXPECT_EQ(client.ctx.state.leads(), s.leads);
        EXPECT_EQ(client.status.startShown(), s.startShown);
        EXPECT_EQ(client.status.startMenuEnabled(), s.leads);
        EXPECT_EQ(client.status.playAgainShown(), s.playAgain);
        const PlayerCommands::SeatMenu menu = client.commands.seatPopup(3);
        EXPECT_EQ(menu.removeEnabled && menu.unsetWatchEnabled, s.leads);
        EXPECT_FALSE(menu.setWatchEnabled && !s.leads); // and only during a game
        for (int seat = 1; seat <= 3; ++seat)
            EXPECT_EQ(client.seats.seat(seat).leads, seat == s.marked) << seat;
    }

    // Play Again starts the game as it was, in its language, as Bob, once he leads again.
    deliver("CMD_leader+2+");
    sent.clear();
    client.commands.playAgainClick();
    EXPECT_EQ(sent, (QList<QByteArray>{"CMD_wordlanguage+sv+", "CMD_startgame+Bob+250+30+f+t+"}));
}

// Cid's connection drops; his seat is kept for him and then he comes back, or not.
TEST_F(Staying, AKeptSeatShowsItsPlayerAwayUntilHeIsBackOrTheSeatIsFree)
{
    deliver("CMD_sendlogininfo+2");
    deliver("CMD_newplayerinfo+3+Cid");
    deliver("CMD_hefoundit+3+40+40+");
    const struct {
        const char* message;
        qint64 clockMs;
        QString shownName; // as the row shows it
        bool away;
        int secondsLeft;
        const char* line; // the last chat line
    } steps[] = {
        {"CMD_playerdisconnected+3+Cid", 0, "<Waiting>", false, 0, "Cid has left."},
        {"CMD_seataway+3+90+Cid", 0, "Cid", true, 90, "Cid's seat is kept for 90 seconds."},
        {nullptr, 29500, "Cid", true, 61, nullptr},
        {"CMD_newplayerinfo+3+Cid", 30000, "Cid", false, 0, "Cid is back."},
        {"CMD_playerdisconnected+3+Cid", 40000, "<Waiting>", false, 0, "Cid has left."},
        {"CMD_seataway+3+90+Cid", 40000, "Cid", true, 90, nullptr},
        {"CMD_seatfree+3+", 130000, "<Waiting>", false, 0, "Cid did not come back; the seat is free."},
        {"CMD_seatstats+3+0+0+f+", 130000, "<Waiting>", false, 0, nullptr},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.message ? s.message : "time passes");
        clockMs = s.clockMs;
        if (s.message)
            deliver(s.message);
        const SeatRoster::Seat& seat = client.seats.seat(3);
        EXPECT_EQ(seat.away ? seat.awayName : seat.name, s.shownName);
        EXPECT_EQ(seat.away, s.away);
        EXPECT_EQ(client.seats.awaySecondsLeft(3), s.secondsLeft);
        // While he is away his seat is empty: he neither misses a word nor is offered a tally.
        EXPECT_EQ(client.seats.isEmpty(3), s.shownName == "<Waiting>" || s.away);
        if (s.line)
            EXPECT_EQ(lines.last(), s.line);
        // His score stays with the seat until a new player is given it.
        EXPECT_EQ(seat.score, QString(s.message && QByteArray(s.message).startsWith("CMD_seatstats") ? "0" : "40"));
    }
}

// When the connection ends, what decides between ending the game and trying again.
TEST(LostConnection, IsTriedAgainOnlyWhenTheHostCouldKeepTheSeat)
{
    const struct {
        const char* label;
        bool hosting;          // the hosting player's own window
        bool leaderNamed;      // the host speaks of the lead (and so keeps seats)
        bool closingSaid;      // the host said it closes on purpose
        bool reset;            // a network error rather than an orderly close
        const char* endsWith;  // nullptr: tried again
    } cases[] = {
        {"a broken connection", false, true, false, true, nullptr},
        {"a close without a word", false, true, false, false, nullptr},
        {"a close the host announced", false, true, true, false, "The host ended the game or removed you from it."},
        {"a host that names no leader, broken", false, false, false, true, "The connection to the host was lost."},
        {"a host that names no leader, closed", false, false, false, false,
         "The host ended the game or removed you from it."},
        {"the hosting player's own window", true, true, false, true, "The connection to the host was lost."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        testutil::FakeHost host;
        GameClient client;
        QStringList lines, ends;
        client.ctx.out.addlinetochat = [&lines](const QString& l, const QColor&) { lines.append(l); };
        client.ctx.out.send = [&client](const Message& m) { client.connection.send(m); };
        QObject::connect(&client, &GameClient::closeRequested, [&ends](const QString& why) { ends.append(why); });
        client.ctx.state.ishost = c.hosting;
        client.connection.connectToHost(QStringLiteral("127.0.0.1"), host.port());
        ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
        QByteArray greeting = frame("CMD_sendlogininfo+2") + frame("CMD_newplayerinfo+2+Bob");
        if (c.leaderNamed)
            greeting += frame("CMD_leader+1+");
        if (c.closingSaid)
            greeting += frame("CMD_closing+");
        host.conn->Send(greeting);
        ASSERT_TRUE(testutil::waitFor([&] { return host.received.contains("CMD_logininfo+2+"); }));
        testutil::spin(30);
        if (c.reset) {
            const linger hard{1, 0};
            ::setsockopt(host.conn->handle(), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        }
        host.conn->Close();
        ASSERT_TRUE(testutil::waitFor([&] { return !ends.isEmpty() || client.reconnection.active(); }));
        if (c.endsWith) {
            EXPECT_EQ(ends, QStringList{c.endsWith});
            EXPECT_FALSE(client.status.reconnecting());
            continue;
        }
        EXPECT_TRUE(ends.isEmpty());
        EXPECT_TRUE(client.status.reconnecting());
        EXPECT_EQ(client.status.status(), "Connection lost. Reconnecting...");
        EXPECT_EQ(lines.last(), "Connection lost. Reconnecting...");
        EXPECT_FALSE(client.ctx.state.connected);
        // "Cancel": the game ends with the reason the loss itself gives.
        client.reconnection.cancel();
        EXPECT_EQ(ends, QStringList{c.reset ? "The connection to the host was lost."
                                            : "The host ended the game or removed you from it."});
    }
}

// Bob loses his connection in round 2 and comes back into it: the game's record goes
// on where it was, with Ann's find made while he was away, and his clock shows the
// time left in the turn.
TEST_F(Staying, ComingBackKeepsTheGamesRecordAndTheTurnsTime)
{
    client.ctx.state.loginname = QStringLiteral("Bob");
    for (const char* m : {"CMD_sendlogininfo+2", "CMD_newplayerinfo+2+Bob", "CMD_existingplayers+1+Ann",
                          "CMD_leader+1+", "CMD_startgame+Ann+250+30+f+f+", "CMD_loadboard+1+1+1+3",
                          "CMD_theword+1+3+2+1+3+20", "CMD_nextplayer+2+", "CMD_hefoundit+1+25+25+",
                          "CMD_outoftime+1+1+2+2+3+3", "CMD_loadboard+2+1+1+4", "CMD_theword+1+4+2+15+3+7",
                          "CMD_nextplayer+2+"})
        deliver(m);
    ASSERT_EQ(client.summary.rounds().size(), 1);

    client.session.connectionLost();
    client.reconnection.start(GameClient::ConnectionLostText);
    for (const char* m : {"CMD_sendlogininfo+2", "CMD_newplayerinfo+2+Bob", "CMD_existingplayers+1+Ann",
                          "CMD_leader+1+", "CMD_loadboard+2+1+1+4", "CMD_theword+1+4+2+15+3+7",
                          "CMD_loadstats+t+250+30+20+f+1+33+8+t+2+0+0+f+3+0+0+f+4+0+0+f+5+0+0+f+6+0+0+f"})
        deliver(m);
    EXPECT_FALSE(client.reconnection.active());
    EXPECT_FALSE(client.status.reconnecting());
    EXPECT_EQ(client.status.status(), GameClient::BackText);
    EXPECT_TRUE(client.clock.isRunning());
    EXPECT_EQ(client.clock.secondsLeft(), 20);
    EXPECT_EQ(sent.mid(sent.size() - 1), QList<QByteArray>{"CMD_logininfo+2+1.0.4+Bob"}) << "his own slot: no rejoin";
    EXPECT_FALSE(client.summary.joinedLate());
    ASSERT_EQ(client.summary.rounds().size(), 1) << "round 2 goes on";
    const RoundRecord& now = client.review.current();
    EXPECT_EQ(now.round, "2");
    ASSERT_EQ(now.finds.size(), 1);
    EXPECT_EQ(now.finds[0].seat, 1);
    EXPECT_EQ(now.finds[0].points, 8);
    EXPECT_FALSE(now.finds[0].seen);

    deliver("CMD_outoftime+1+1+2+2+3+3");
    deliver("CMD_winner+Ann+");
    ASSERT_EQ(client.summary.rounds().size(), 2);
    EXPECT_EQ(client.summary.total(1), 33);
}
