// The game's lead and the seats kept for players whose connection drops, on the real
// network host with plain socket clients; the host's clock for kept seats is the test's.
#include "LoopbackHost.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using hosttest::Host;
using hosttest::RawClient;
using hosttest::settle;

namespace {

QByteArray loginText(const QByteArray& slot, const QByteArray& name)
{
    return "CMD_logininfo+" + slot + "+1.0.4+" + name;
}

// Connects from `from` and logs in as `name` in the slot the host gives, and once more
// when the host moves the connection into a kept seat; the slot it ends in, 0 on failure.
int logIn(RawClient& c, quint16 port, const QByteArray& name, const char* from = "127.0.0.1")
{
    if (!c.connectTo(port, 0, from) || !c.waitForMessage("CMD_sendlogininfo"))
        return 0;
    c.send(loginText(c.givenSlot(), name));
    const bool answered = testutil::waitFor([&] {
        c.poll();
        return !c.messages("CMD_newplayerinfo").isEmpty() || c.messages("CMD_sendlogininfo").size() > 1;
    });
    if (!answered)
        return 0;
    QByteArray slot = c.givenSlot();
    if (const QList<QByteArray> asked = c.messages("CMD_sendlogininfo"); asked.size() > 1) {
        slot = asked.last().mid(int(qstrlen("CMD_sendlogininfo+")));
        c.send(loginText(slot, name));
        if (!c.waitForMessage("CMD_newplayerinfo"))
            return 0;
    }
    return slot.toInt();
}

QByteArray lastLeader(const RawClient& c)
{
    return c.messages("CMD_leader").value(c.messages("CMD_leader").size() - 1);
}

} // namespace

// On a dedicated host the seated player connected longest leads; when he leaves the
// lead passes at once, and a later arrival who lands in a low slot never takes it.
TEST(GameLead, PassesToTheLongestConnectedAndNeverToALaterJoinerInALowSlot)
{
    Host host;
    QStringList leaders;
    QObject::connect(&host.server, &TServer::leaderChanged, [&](int slot, const QString& name) {
        leaders << QStringLiteral("%1 %2").arg(slot).arg(name);
    });
    std::map<QByteArray, std::unique_ptr<RawClient>> clients;
    const struct {
        char what; // '+' joins, '-' leaves
        const char* name;
        int slot; // the slot the player has
        int leader;
    } steps[] = {
        {'+', "Ann", 1, 1}, {'+', "Bob", 2, 1}, {'+', "Cid", 3, 1},
        {'-', "Ann", 1, 2}, // Bob has been here longest
        {'+', "Dan", 1, 2}, // slot 1 again, but the newest
        {'-', "Bob", 2, 3}, // Cid, not Dan
        {'+', "Eve", 2, 3}, {'-', "Cid", 3, 1}, // now Dan is the longest here
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(1, step.what) + step.name);
        if (step.what == '+') {
            auto& c = clients[step.name];
            c = std::make_unique<RawClient>();
            ASSERT_EQ(logIn(*c, host.port(), step.name), step.slot);
        } else {
            clients.erase(step.name);
            ASSERT_TRUE(testutil::waitFor([&] { return !host.server.game().players()[step.slot].inuse; }));
        }
        EXPECT_EQ(host.server.leader(), step.leader);
        const QByteArray told = "CMD_leader+" + QByteArray::number(step.leader) + "+";
        for (auto& [name, c] : clients) {
            ASSERT_TRUE(testutil::waitFor([&] {
                c->poll();
                return lastLeader(*c) == told;
            })) << name.constData() << " was last told " << lastLeader(*c).constData();
        }
    }
    EXPECT_EQ(leaders, (QStringList{"1 Ann", "2 Bob", "3 Cid", "1 Dan"}));

    // Only the leader's start is obeyed.
    settle({clients["Eve"].get(), clients["Dan"].get()});
    clients["Eve"]->send("CMD_startgame+Eve+250+60+f+f+");
    testutil::spin(100);
    EXPECT_FALSE(host.server.game().rounds().gamerunning());
    clients["Dan"]->send("CMD_startgame+Dan+250+60+f+f+");
    ASSERT_TRUE(clients["Eve"]->waitForMessage("CMD_startgame"));
    EXPECT_EQ(clients["Eve"]->messages("CMD_startgame").value(0), "CMD_startgame+Dan+250+60+f+f+");
}

// Bob's connection drops in the middle of a game after he found the word (or the
// leader removes him). Who connects next, from where and how much later decides
// whether the seat and its score go to him.
TEST(KeptSeat, GoesBackOnlyToItsPlayerFromHisAddressWithinTheTime)
{
    const struct {
        const char* label;
        bool removed;       // the leader removes Bob instead
        int secondsLater;   // on the host's clock, before the next connection
        const char* name;   // who logs in next
        const char* from;   // from which address
        int slot;           // the slot he ends in
        bool withBobsScore; // and with the seat's score, not from nothing
    } cases[] = {
        {"Bob himself within the time", false, 89, "Bob", "127.0.0.1", 2, true},
        {"a stranger from Bob's address", false, 10, "Eve", "127.0.0.1", 4, false},
        {"Bob's name from elsewhere", false, 10, "Bob", "127.0.0.2", 4, false},
        {"Bob once the time is up", false, 90, "Bob", "127.0.0.1", 2, false},
        {"Bob after his removal", true, 0, "Bob", "127.0.0.1", 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Host host;
        qint64 clockMs = 0;
        host.server.setGameClock([&clockMs] { return clockMs; });
        RawClient ann, bob, cid;
        ASSERT_EQ(logIn(ann, host.port(), "Ann"), 1);
        ASSERT_EQ(logIn(bob, host.port(), "Bob"), 2);
        ASSERT_EQ(logIn(cid, host.port(), "Cid"), 3);
        settle({&ann, &bob, &cid});
        ann.send("CMD_startgame+Ann+250+60+f+f+");
        ASSERT_TRUE(bob.waitForMessage("CMD_nextplayer"));
        bob.send("CMD_myword+2" + host.server.game().rounds().board().wordcells());
        ASSERT_TRUE(ann.waitForMessage("CMD_hefoundit"));
        const int score = host.server.game().players()[2].score;
        ASSERT_GT(score, 0);
        settle({&ann, &bob, &cid});

        if (c.removed)
            ann.send("CMD_kickhim+1+2+");
        else
            bob.close();
        ASSERT_TRUE(ann.waitForMessage("CMD_playerdisconnected"));
        testutil::spin(50);
        ann.poll();
        const QList<QByteArray> away = ann.messages("CMD_seataway");
        EXPECT_EQ(away, c.removed ? QList<QByteArray>{} : QList<QByteArray>{"CMD_seataway+2+90+Bob"});
        EXPECT_EQ(host.server.holdTimerActive(), !c.removed);

        clockMs += c.secondsLater * 1000;
        host.server.holdDeadline();
        const bool stillKept = !c.removed && c.secondsLater < 90;
        EXPECT_EQ(host.server.game().holds().isHeld(2), stillKept);
        EXPECT_EQ(host.server.holdTimerActive(), stillKept);
        if (!c.removed && !stillKept)
            EXPECT_TRUE(ann.waitForText("CMD_seatfree+2+"));

        RawClient next;
        const int slot = logIn(next, host.port(), c.name, c.from);
        EXPECT_EQ(slot, c.slot);
        const int expected = c.withBobsScore ? score : 0;
        EXPECT_EQ(host.server.game().players()[slot].score, expected);
        ASSERT_TRUE(next.waitForMessage("CMD_loadstats"));
        const QByteArray stats = next.messages("CMD_loadstats").value(0);
        const QByteArray row = "+" + QByteArray::number(slot) + "+" + QByteArray::number(expected) + "+";
        EXPECT_TRUE(stats.contains(row)) << stats.constData();
        // A player back in his seat who has found the word does not search again.
        EXPECT_EQ(stats.startsWith("CMD_loadstats+t+"), !c.withBobsScore) << stats.constData();
        ASSERT_TRUE(ann.waitForMessage("CMD_newplayerinfo"));
        EXPECT_EQ(ann.messages("CMD_newplayerinfo").last(), "CMD_newplayerinfo+" + QByteArray::number(slot) + "+" + c.name);
        EXPECT_EQ(host.server.game().holds().isHeld(2), stillKept && !c.withBobsScore);
    }
}
