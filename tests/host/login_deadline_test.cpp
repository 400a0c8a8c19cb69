// Connections that never log in: closed after 30 seconds on the host's clock, with a
// wake-up asked for only while such a connection exists.
#include "HostHarness.h"
#include "host/LoginDeadlines.h"

#include <gtest/gtest.h>

using hosttest::HostHarness;

TEST(LoginDeadlines, EarliestDeadlineAndExpiryPerSlot)
{
    LoginDeadlines d;
    EXPECT_FALSE(d.nextDeadline());
    d.accepted(3, 1000);
    d.accepted(1, 5000);
    d.accepted(0, 0);   // not a slot
    d.accepted(10, 0);  // the refused tenth connection is never waited for
    EXPECT_EQ(d.nextDeadline(), 31000);
    EXPECT_TRUE(d.takeExpired(30999).isEmpty());
    EXPECT_EQ(d.takeExpired(31000), QList<int>{3});
    EXPECT_FALSE(d.awaiting(3));
    EXPECT_EQ(d.nextDeadline(), 35000);
    d.forget(1);
    EXPECT_FALSE(d.nextDeadline());
    EXPECT_TRUE(d.takeExpired(1000000).isEmpty());
}

TEST(HostLoginDeadline, AConnectionWithoutLoginIsClosedAtThirtySecondsAndLogged)
{
    HostHarness h;
    const int idle = h.connect();
    EXPECT_EQ(h.wakeAtMs, 30000);
    h.nowMs = 10000;
    const int player = h.join("Ann");
    EXPECT_FALSE(h.game.awaitingLogin(player));
    EXPECT_EQ(h.wakeAtMs, 30000); // still the idle connection's deadline

    // A wake-up that comes early closes nothing and asks again.
    h.nowMs = 29990;
    h.wake();
    EXPECT_TRUE(h.closeRequests.isEmpty());
    EXPECT_EQ(h.wakeAtMs, 30000);

    h.nowMs = 30000;
    h.wake();
    EXPECT_EQ(h.closeRequests, QList<int>{idle});
    EXPECT_FALSE(h.player(idle).inuse);
    EXPECT_TRUE(h.player(player).inuse);
    EXPECT_TRUE(h.events.contains(QString("slot %1 closed: no login within 30 seconds").arg(idle)));
    EXPECT_FALSE(h.wakeAtMs); // nobody left waiting: no wake-up
}

TEST(HostLoginDeadline, OnlyAValidLoginStopsTheClockAndAClosedConnectionNeedsNone)
{
    HostHarness h;
    const int a = h.connect();
    const int b = h.connect();
    // A login that claims another slot is ignored, and does not count.
    h.send(a, "CMD_logininfo+" + QByteArray::number(b) + "+1.0.4+Spoof");
    EXPECT_TRUE(h.game.awaitingLogin(a));
    h.send(a, "CMD_chat+" + QByteArray::number(a) + "+hello");
    EXPECT_TRUE(h.game.awaitingLogin(a));
    // A wrong version is still a login: that player stays and is told.
    h.login(a, "Old", "1.0.3");
    EXPECT_FALSE(h.game.awaitingLogin(a));
    EXPECT_EQ(h.wakeAtMs, 30000);
    h.disconnect(b);
    EXPECT_FALSE(h.wakeAtMs);

    h.nowMs = 100000;
    h.wake();
    EXPECT_TRUE(h.closeRequests.isEmpty());
    EXPECT_TRUE(h.player(a).inuse);
}

TEST(HostLoginDeadline, EightIdleConnectionsNoLongerLockTheGame)
{
    HostHarness h;
    h.join("Host");
    for (int i = 0; i < 8; ++i) {
        h.nowMs += 1000;
        h.connect();
    }
    EXPECT_EQ(h.connect(), PlayerTable::kFullSlot);
    // Each wake-up closes what is due and asks for the next deadline.
    while (h.wakeAtMs) {
        h.nowMs = *h.wakeAtMs;
        h.wake();
    }
    EXPECT_EQ(h.closeRequests.size(), 1 + 8); // the refused tenth, then the eight
    EXPECT_EQ(h.nowMs, 38000);
    EXPECT_EQ(h.join("Bob"), 2);
}
