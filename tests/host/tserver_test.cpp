// The real network host on a loopback port with plain socket clients.
#include "LoopbackHost.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <memory>

using hosttest::Host;
using hosttest::RawClient;
using hosttest::join;
using hosttest::settle;

TEST(TServerLoopback, ListensOnAFreePortAndRefusesATakenOne)
{
    Host host;
    EXPECT_TRUE(host.server.isListening());
    EXPECT_NE(host.port(), 0);
    SeededRandom random(1);
    TServer second(nullptr, random, host.port());
    EXPECT_THROW(second.startListening(), ESockException);
}

TEST(TServerLoopback, LoginAndChatAreExactOnTheWire)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    ASSERT_TRUE(ann);
    ASSERT_TRUE(ann->waitForMessage("CMD_leader"));
    EXPECT_EQ(ann->bytes(), QByteArray("CMD_sendlogininfo+1\xFF" "CMD_newplayerinfo+1+Ann\xFF" "CMD_leader+1+\xFF"));
    auto bob = join(host, 2, "B\xE9la");
    ASSERT_TRUE(bob);
    ASSERT_TRUE(bob->waitForMessage("CMD_leader"));
    EXPECT_EQ(bob->bytes(), QByteArray("CMD_sendlogininfo+2\xFF" "CMD_newplayerinfo+2+B\xE9la\xFF"
                                       "CMD_existingplayers+1+Ann\xFF" "CMD_leader+1+\xFF"));

    settle({ann.get(), bob.get()});
    // A message split across two writes still arrives whole.
    bob->sendRaw("CMD_chat+2+hel");
    testutil::spin(30);
    bob->sendRaw("lo|clBlue\xFF");
    ASSERT_TRUE(ann->waitForMessage("CMD_chat"));
    EXPECT_EQ(ann->bytes(), QByteArray("CMD_chat+B\xE9la chats: hello|clBlue\xFF"));
    EXPECT_TRUE(host.events.join('\n').contains("login: slot 2"));
}

TEST(TServerLoopback, TenthConnectionGetsFullAndIsClosedAndASlotFreedIsReused)
{
    Host host;
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int i = 1; i <= 9; ++i) {
        clients.push_back(std::make_unique<RawClient>());
        ASSERT_TRUE(clients.back()->connectTo(host.port()));
        ASSERT_TRUE(clients.back()->waitForMessage("CMD_sendlogininfo"));
        EXPECT_EQ(clients.back()->bytes(), "CMD_sendlogininfo+" + QByteArray::number(i) + "\xFF");
    }
    RawClient tenth;
    ASSERT_TRUE(tenth.connectTo(host.port()));
    ASSERT_TRUE(tenth.waitForClose());
    EXPECT_EQ(tenth.bytes(), QByteArray("CMD_full+\xFF"));
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(host.server.game().players()[i].inuse);

    clients[4]->close(); // slot 5
    ASSERT_TRUE(testutil::waitFor([&] { return !host.server.game().players()[5].inuse; }));
    RawClient again;
    ASSERT_TRUE(again.connectTo(host.port()));
    ASSERT_TRUE(again.waitForMessage("CMD_sendlogininfo"));
    EXPECT_EQ(again.bytes(), QByteArray("CMD_sendlogininfo+5\xFF"));
}

TEST(TServerLoopback, RemovalClosesThePlayersConnectionAndTellsTheOthers)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    auto bob = join(host, 2, "Bob");
    ASSERT_TRUE(ann && bob);
    settle({ann.get(), bob.get()});
    ann->send("CMD_kickhim+1+2+");
    ASSERT_TRUE(bob->waitForClose());
    ASSERT_TRUE(ann->waitForMessage("CMD_playerdisconnected"));
    EXPECT_EQ(ann->messages(), QList<QByteArray>{"CMD_playerdisconnected+2+Bob"});
}

TEST(TServerLoopback, ARoundIsPlayedOverTheWire)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    auto bob = join(host, 2, "Bob");
    ASSERT_TRUE(ann && bob);
    settle({ann.get(), bob.get()});
    ann->send("CMD_startgame+Ann+250+60+f+f+");
    ASSERT_TRUE(bob->waitForMessage("CMD_nextplayer"));
    const auto& board = host.server.game().rounds().board();
    EXPECT_EQ(bob->messages(), (QList<QByteArray>{"CMD_startgame+Ann+250+60+f+f+", "CMD_gamelanguage+en+",
                                                  "CMD_loadboard+1" + board.boardText(),
                                                  "CMD_theword" + board.wordcodes(), "CMD_nextplayer+2+"}));
    bob->clear();
    bob->send("CMD_myword+2" + board.wordcells());
    ASSERT_TRUE(bob->waitForMessage("CMD_hefoundit"));
    const QByteArray found = bob->messages("CMD_hefoundit").first();
    EXPECT_TRUE(found == "CMD_hefoundit+2+60+60+" || found == "CMD_hefoundit+2+59+59+") << found.constData();
    ann->send("CMD_myword+1" + board.wordcells());
    ASSERT_TRUE(bob->waitForMessage("CMD_roundover"));
    EXPECT_EQ(bob->messages("CMD_roundover"), QList<QByteArray>{"CMD_roundover+***+"});
}

TEST(TServerLoopback, AFloodingConnectionIsCutOffAndDoesNotStallTheOthers)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    auto bob = join(host, 2, "Bob");
    auto cid = join(host, 3, "Cid");
    ASSERT_TRUE(ann && bob && cid);
    settle({ann.get(), bob.get(), cid.get()});

    // Bob sends tens of thousands of messages as fast as the kernel takes them.
    QByteArray flood;
    for (int i = 0; i < 40000; ++i)
        flood += "CMD_chat+2+spam spam spam|clRed\xFF";
    qsizetype sent = bob->sendRaw(flood);
    QElapsedTimer clock;
    clock.start();
    cid->send("CMD_chat+3+still here|clBlack");
    ASSERT_TRUE(ann->waitForText("CMD_chat+Cid chats: still here|clBlack", 1000));
    EXPECT_LT(clock.elapsed(), 1000);
    // Keep pushing until the host cuts Bob off.
    while (sent < flood.size() && !bob->closedByPeer() && clock.elapsed() < 5000) {
        sent += bob->sendRaw(flood.mid(sent));
        testutil::spin(5);
        bob->poll();
    }
    ASSERT_TRUE(bob->waitForClose());
    ASSERT_TRUE(ann->waitForMessage("CMD_playerdisconnected"));
    EXPECT_EQ(ann->messages("CMD_playerdisconnected"), QList<QByteArray>{"CMD_playerdisconnected+2+Bob"});
    EXPECT_EQ(host.server.queues().pending(2), 0u);
    EXPECT_LE(host.server.queues().totalPending(), 2u);
}

// A dispatch pace far longer than any test, on a clock that only the test moves: a
// message handled while the clock stands still was handled on arrival, and one that has
// to wait for its connection's pace is not handled until the test moves the clock on.
constexpr int kHourMs = 60 * 60 * 1000;

namespace {

QByteArray chatFrom(int slot, const QByteArray& text)
{
    return "CMD_chat+" + QByteArray::number(slot) + "+" + text + "|clBlack";
}

} // namespace

TEST(TServerPacing, NineConnectionsMessagesAreAllHandledAtOnce)
{
    Host host;
    qint64 clock = 0;
    host.server.setDispatchPace(kHourMs, [&] { return clock; });
    std::vector<std::unique_ptr<RawClient>> players;
    for (int slot = 1; slot <= 9; ++slot) {
        players.push_back(join(host, slot, "P" + QByteArray::number(slot)));
        ASSERT_TRUE(players.back()) << "slot " << slot;
    }
    settle({});
    for (auto& p : players)
        p->clear();

    // Each connection's pace has passed since its login; none waits for another's.
    clock += kHourMs;
    for (int slot = 1; slot <= 9; ++slot)
        players[std::size_t(slot - 1)]->send(chatFrom(slot, "now"));
    for (auto& p : players)
        ASSERT_TRUE(p->waitForMessage("CMD_chat", 9)) << p->bytes().constData();
    EXPECT_EQ(host.server.queues().totalPending(), 0u);
    EXPECT_FALSE(host.server.dispatchTimerActive());
}

TEST(TServerPacing, AFloodingConnectionWaitsForItsPaceAndDelaysNobodyElse)
{
    Host host;
    qint64 clock = 0;
    host.server.setDispatchPace(kHourMs, [&] { return clock; });
    auto ann = join(host, 1, "Ann");
    auto bob = join(host, 2, "Bob");
    ASSERT_TRUE(ann && bob);
    settle({ann.get(), bob.get()});
    clock += kHourMs;

    // Bob's burst: the first at once, the rest wait for his pace.
    QByteArray burst;
    for (int i = 0; i < 20; ++i)
        burst += chatFrom(2, "spam " + QByteArray::number(i)) + '\xFF';
    ASSERT_EQ(bob->sendRaw(burst), burst.size());
    ASSERT_TRUE(testutil::waitFor([&] { return host.server.queues().pending(2) == 19; }));
    EXPECT_TRUE(host.server.dispatchTimerActive());

    // Ann's message does not wait behind them, nor for any tick.
    ann->send(chatFrom(1, "hello"));
    ASSERT_TRUE(bob->waitForText("CMD_chat+Ann chats: hello|clBlack"));
    EXPECT_EQ(bob->messages("CMD_chat").size(), 2);
    EXPECT_EQ(host.server.queues().pending(2), 19u);

    // Each pass once Bob's pace has gone by takes one more of his, and no more.
    for (int turn = 1; turn <= 3; ++turn) {
        host.server.socktimerTimer(); // too early: nothing
        EXPECT_EQ(host.server.queues().pending(2), std::size_t(20 - turn));
        clock += kHourMs;
        host.server.socktimerTimer();
        EXPECT_EQ(host.server.queues().pending(2), std::size_t(19 - turn));
    }
    ASSERT_TRUE(ann->waitForText("CMD_chat+Bob chats: spam 3|clBlack"));
    EXPECT_FALSE(ann->messages().contains("CMD_chat+Bob chats: spam 4|clBlack"));
}

TEST(TServerPacing, NoTimerRunsWhileTheHostHasNothingToDo)
{
    Host host;
    EXPECT_FALSE(host.server.dispatchTimerActive());
    EXPECT_FALSE(host.server.clockRunning());
    auto ann = join(host, 1, "Ann");
    ASSERT_TRUE(ann);
    EXPECT_FALSE(host.server.dispatchTimerActive());
    EXPECT_FALSE(host.server.clockRunning());

    // A running game needs its clock, but no dispatch timer between messages.
    ann->send("CMD_startgame+Ann+250+60+f+f+");
    ASSERT_TRUE(ann->waitForMessage("CMD_nextplayer"));
    EXPECT_TRUE(host.server.clockRunning());
    ASSERT_TRUE(testutil::waitFor([&] { return !host.server.dispatchTimerActive(); }));
}

TEST(TServerLoopback, DestroyingTheHostClosesEveryConnection)
{
    auto host = std::make_unique<Host>();
    auto ann = join(*host, 1, "Ann");
    ASSERT_TRUE(ann);
    host.reset();
    EXPECT_TRUE(ann->waitForClose());
}
