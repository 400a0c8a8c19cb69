// The network host against peers that misbehave on the wire: connections that never
// log in, peers that do not read, resets in the middle of a message, endless messages,
// bursts of connections and many short visits. Scaled so the suite stays fast; the
// full-size runs are in bench/host_stress_bench.cpp.
#include "LoopbackHost.h"
#include "common/LogCapture.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <memory>
#include <vector>

using hosttest::Host;
using hosttest::RawClient;
using hosttest::join;
using hosttest::settle;
using testutil::LogCapture;
using testutil::waitFor;

namespace {

QByteArray chat(int slot, const QByteArray& text)
{
    return "CMD_chat+" + QByteArray::number(slot) + "+" + text + "|clBlack";
}

// Sends every byte, running the host's event loop whenever the kernel is full.
bool sendAll(RawClient& c, const QByteArray& bytes)
{
    qsizetype sent = 0;
    return waitFor([&] {
        sent += c.sendRaw(bytes.mid(sent));
        return sent == bytes.size();
    }, 20000);
}

} // namespace

TEST(TServerLimits, ConnectionsThatDoNotLogInAreClosedAndTheTimerRunsOnlyForThem)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    ASSERT_TRUE(ann);
    EXPECT_FALSE(host.server.loginTimerActive());

    host.server.setLoginTimeout(300);
    RawClient idle;
    ASSERT_TRUE(idle.connectTo(host.port()));
    ASSERT_TRUE(idle.waitForMessage("CMD_sendlogininfo"));
    EXPECT_TRUE(host.server.loginTimerActive());
    ASSERT_TRUE(idle.waitForClose(5000));
    ASSERT_TRUE(ann->waitForMessage("CMD_playerdisconnected"));
    EXPECT_TRUE(host.events.contains("slot 2 closed: no login within 0.3 seconds")) << host.events.join('\n').toStdString();
    EXPECT_FALSE(host.server.loginTimerActive());
    EXPECT_TRUE(host.server.game().players()[1].inuse);
}

TEST(TServerLimits, SlowLorisConnectionsLoseTheirSlotsAndAPlayerGetsIn)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    ASSERT_TRUE(ann);
    host.server.setLoginTimeout(300);
    // Thirty connections that start a login and never finish it.
    std::vector<std::unique_ptr<RawClient>> loris;
    for (int i = 0; i < 30; ++i) {
        loris.push_back(std::make_unique<RawClient>());
        ASSERT_TRUE(loris.back()->connectTo(host.port()));
        loris.back()->sendRaw("CMD_logininfo+");
    }
    ASSERT_TRUE(waitFor([&] {
        for (auto& c : loris) {
            c->poll();
            if (!c->closedByPeer())
                return false;
        }
        return true;
    }, 10000));
    int full = 0;
    for (auto& c : loris)
        full += c->bytes() == "CMD_full+\xFF" ? 1 : 0;
    EXPECT_EQ(full, 30 - 8);
    auto bob = join(host, 2, "Bob");
    ASSERT_TRUE(bob);
    EXPECT_TRUE(ann->waitForText("CMD_newplayerinfo+2+Bob"));
}

TEST(TServerLimits, APeerThatDoesNotReadIsClosedAtTheBacklogBound)
{
    Host host;
    LogCapture log;
    auto ann = join(host, 1, "Ann");
    ASSERT_TRUE(ann);
    auto bob = std::make_unique<RawClient>();
    ASSERT_TRUE(bob->connectTo(host.port(), 4096));
    ASSERT_TRUE(bob->waitForMessage("CMD_sendlogininfo"));
    bob->send("CMD_logininfo+2+1.0.4+Bob");
    ASSERT_TRUE(ann->waitForText("CMD_newplayerinfo+2+Bob"));
    // From here on Bob reads nothing. Ann chats in long lines and reads each back.
    const QByteArray line = chat(1, QByteArray(60000, 'z'));
    int sent = 0;
    while (host.server.game().players()[2].inuse && sent < 400) {
        ann->send(line);
        ++sent;
        ASSERT_TRUE(ann->waitForMessage("CMD_chat", sent, 10000));
    }
    EXPECT_FALSE(host.server.game().players()[2].inuse);
    // More than the backlog bound must have been sent, but not vastly more.
    EXPECT_GT(sent * 60000, TServer::kMaxSendBacklog);
    EXPECT_EQ(LogCapture::containing("bytes unread; closing it").size(), 1);
    EXPECT_TRUE(ann->waitForText("CMD_playerdisconnected+2+Bob"));
    EXPECT_TRUE(host.server.game().players()[1].inuse);
}

TEST(TServerLimits, AResetInTheMiddleOfAMessageFreesTheSlotAndLosesTheFragment)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    auto bob = join(host, 2, "Bob");
    ASSERT_TRUE(ann && bob);
    settle({ann.get(), bob.get()});
    bob->sendRaw("CMD_chat+2+half a mess");
    testutil::spin(30);
    bob->reset();
    ASSERT_TRUE(ann->waitForText("CMD_playerdisconnected+2+Bob"));
    EXPECT_TRUE(ann->messages("CMD_chat").isEmpty());

    // The next holder of the slot starts with a clean stream.
    auto cid = join(host, 2, "Cid");
    ASSERT_TRUE(cid);
    cid->send(chat(2, "whole"));
    ASSERT_TRUE(ann->waitForMessage("CMD_chat"));
    EXPECT_EQ(ann->messages("CMD_chat"), QList<QByteArray>{"CMD_chat+Cid chats: whole|clBlack"});
}

TEST(TServerLimits, AnEndlessMessageIsDroppedAndTheConnectionGoesOn)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    auto bob = join(host, 2, "Bob");
    ASSERT_TRUE(ann && bob);
    settle({ann.get(), bob.get()});
    // Sixteen megabytes without a terminator, then one and a proper message.
    const QByteArray endless = chat(2, "") + QByteArray(1024 * 1024, 'x');
    for (int i = 0; i < 16; ++i)
        ASSERT_TRUE(sendAll(*bob, endless));
    ASSERT_TRUE(sendAll(*bob, "\xFF" + chat(2, "after") + "\xFF"));
    ASSERT_TRUE(ann->waitForMessage("CMD_chat"));
    testutil::spin(50);
    ann->poll();
    EXPECT_EQ(ann->messages("CMD_chat"), QList<QByteArray>{"CMD_chat+Bob chats: after|clBlack"});
    EXPECT_TRUE(host.server.game().players()[2].inuse);
}

TEST(TServerLimits, ABurstOfConnectionsIsAnsweredWholeAndTheHostServesOn)
{
    Host host;
    std::vector<std::unique_ptr<RawClient>> burst;
    for (int i = 0; i < 200; ++i) {
        burst.push_back(std::make_unique<RawClient>());
        ASSERT_TRUE(burst.back()->connectTo(host.port()));
    }
    ASSERT_TRUE(waitFor([&] {
        int answered = 0;
        for (auto& c : burst) {
            c->poll();
            answered += c->bytes().endsWith('\xFF') ? 1 : 0;
        }
        return answered == 200;
    }, 20000));
    int greeted = 0;
    int full = 0;
    for (auto& c : burst) {
        greeted += c->bytes().startsWith("CMD_sendlogininfo+") ? 1 : 0;
        full += c->bytes() == "CMD_full+\xFF" && c->closedByPeer() ? 1 : 0;
    }
    EXPECT_EQ(greeted, 9);
    EXPECT_EQ(full, 191);
    burst.clear();
    ASSERT_TRUE(waitFor([&] { return host.server.game().players().connectedSlots().isEmpty(); }));
    auto ann = join(host, 1, "Ann");
    EXPECT_TRUE(ann);
}

TEST(TServerLimits, ManyShortVisitsLeaveNoConnectionBehind)
{
    Host host;
    for (int i = 0; i < 100; ++i) {
        RawClient c;
        ASSERT_TRUE(c.connectTo(host.port()));
        ASSERT_TRUE(c.waitForMessage("CMD_sendlogininfo"));
        // The previous visitor's close may not have been seen yet: log in to the slot given.
        c.send("CMD_logininfo+" + c.givenSlot() + "+1.0.4+Visitor");
        ASSERT_TRUE(c.waitForMessage("CMD_newplayerinfo"));
    }
    ASSERT_TRUE(waitFor([&] {
        return host.server.game().players().connectedSlots().isEmpty() && host.server.findChildren<TSock*>().size() == 1;
    }));
    EXPECT_EQ(host.server.queues().totalPending(), 0u);
    // Of some 300 lines about these connections (accepted, logged in, closed), the first
    // few are written; the rest are counted once their window of 10 s is over.
    const QStringList lines = host.events.filter(QRegularExpression("^(connection from|login:|slot \\d+ closed)"));
    EXPECT_EQ(lines.size(), ConnectionLog::kLinesPerWindow) << host.events.join('\n').toStdString();
    auto ann = join(host, 1, "Ann");
    EXPECT_TRUE(ann);
}
