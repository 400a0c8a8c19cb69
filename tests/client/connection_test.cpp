// The client's connection: framing and queueing of received bytes, dispatch in order
// from Timer1 ticks that run only while messages wait, the cut-off of a flooding host,
// the dispatch table, the login answer and the end of the connection.
#include "client/GameClient.h"
#include "common/EventLoop.h"
#include "common/FakeHost.h"
#include "net/Sock.h"

#include <QRandomGenerator>

#include <sys/socket.h>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testutil::frame;

// Collects the warnings logged while it exists.
class WarningLog {
public:
    WarningLog() : m_previous(qInstallMessageHandler(&WarningLog::record)) { active() = this; }
    ~WarningLog()
    {
        qInstallMessageHandler(m_previous);
        active() = nullptr;
    }
    QStringList lines;

private:
    static WarningLog*& active()
    {
        static WarningLog* log = nullptr;
        return log;
    }
    static void record(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtWarningMsg && active())
            active()->lines.append(text);
    }
    QtMessageHandler m_previous;
};

// A client whose outlets write into lists. These tests never run the event loop (unless
// they say so), so a tick happens only when a test calls processsocktimer().
class ClientFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        client.ctx.out.send = [this](const Message& m) { sent.append(m.text()); };
        client.ctx.out.addlinetochat = [this](const QString& l, const QColor&) { lines.append(l); };
        client.ctx.out.playsounds = [this](const QString& s) { sounds.append(s); };
        client.ctx.out.messageBox = [this](const QString& t) { boxes.append(t); };
        QObject::connect(&client, &GameClient::chatrecieved, [this](const QByteArray& rest) { chats.append(rest); });
    }

    // Feeds one read and works the whole queue off.
    void deliver(const QByteArray& bytes)
    {
        client.connection.receiveBytes(bytes);
        while (client.connection.queued() > 0)
            client.connection.processsocktimer();
    }

    GameClient client;
    QList<QByteArray> sent;
    QStringList lines;
    QStringList sounds;
    QStringList boxes;
    QList<QByteArray> chats;
};

TEST_F(ClientFixture, QueueStartsWithItsPlaceholderWhichIsDropped)
{
    EXPECT_EQ(client.connection.queued(), 1u);
    client.connection.processsocktimer();
    EXPECT_EQ(client.connection.queued(), 0u);
    EXPECT_TRUE(lines.isEmpty() && sent.isEmpty());
    client.connection.processsocktimer(); // empty queue: nothing happens
}

TEST_F(ClientFixture, ABurstIsHandledInOrderABoundedBatchPerTick)
{
    client.connection.processsocktimer(); // the placeholder
    const int burst = 2 * ClientConnection::BatchPerTick + 5;
    QByteArray bytes;
    for (int i = 1; i <= burst; ++i)
        bytes += frame("CMD_chat+line " + QByteArray::number(i));
    client.connection.receiveBytes(bytes);
    EXPECT_TRUE(chats.isEmpty()); // reading never handles
    client.connection.processsocktimer();
    EXPECT_EQ(chats.size(), ClientConnection::BatchPerTick);
    client.connection.processsocktimer();
    client.connection.processsocktimer();
    ASSERT_EQ(chats.size(), burst);
    for (int i = 1; i <= burst; ++i)
        EXPECT_EQ(chats[i - 1], "line " + QByteArray::number(i));
    EXPECT_EQ(client.connection.queued(), 0u);
}

TEST_F(ClientFixture, Timer1WorksTheQueueOffOnItsOwnThenSleeps)
{
    client.connection.receiveBytes(frame("CMD_chat+a") + frame("CMD_action+b"));
    EXPECT_TRUE(client.connection.timer1().isActive());
    ASSERT_TRUE(testutil::waitFor([&] { return chats.size() == 2; }, 2000));
    EXPECT_EQ(chats, (QList<QByteArray>{"a", "b"}));
    // Nothing waits, so no timer runs.
    EXPECT_FALSE(client.connection.timer1().isActive());
}

TEST_F(ClientFixture, AMessageOnAnIdleClientIsHandledAtOnceAndABurstStillWaitsForTheTick)
{
    // A period far longer than the test on a clock only the test moves: handling
    // without the clock moving on can only be handling on arrival.
    qint64 clock = 0;
    client.connection.timer1().setPace(60 * 60 * 1000, [&] { return clock; });
    ASSERT_TRUE(testutil::waitFor([&] { return client.connection.queued() == 0; })); // the placeholder

    clock += 60 * 60 * 1000;
    client.connection.receiveBytes(frame("CMD_chat+one"));
    ASSERT_TRUE(testutil::waitFor([&] { return chats.size() == 1; }));
    client.connection.receiveBytes(frame("CMD_chat+two"));
    testutil::spin(50);
    EXPECT_EQ(chats, QList<QByteArray>{"one"});
    EXPECT_EQ(client.connection.queued(), 1u);
}

TEST_F(ClientFixture, SplitMessageIsCompletedByTheNextRead)
{
    client.connection.receiveBytes("CMD_chat+hel");
    client.connection.receiveBytes(QByteArray("lo") + char(0xFF));
    deliver(QByteArray());
    EXPECT_EQ(chats, QList<QByteArray>{"hello"});
}

TEST_F(ClientFixture, AHostThatOverfillsTheQueueIsCutOffOnceWithAReasonInTheChat)
{
    client.connection.processsocktimer(); // the placeholder
    QSignalSpy cutOff(&client.connection, &ClientConnection::floodClosed);
    QSignalSpy closing(&client, &GameClient::closeRequested);
    WarningLog log;
    QByteArray burst;
    for (std::size_t i = 0; i < ClientConnection::MaxQueued + 500; ++i)
        burst += frame("CMD_chat+x");
    client.connection.receiveBytes(burst);

    EXPECT_EQ(cutOff.count(), 1);
    EXPECT_EQ(client.connection.queued(), 0u);
    EXPECT_FALSE(client.connection.timer1().isActive());
    const QString why = "The host sent more messages than this game could keep up with, so the connection was closed.";
    EXPECT_EQ(lines, QStringList{why});
    EXPECT_EQ(log.lines.size(), 1) << log.lines.join('\n').toStdString(); // one line, not one per message
    EXPECT_EQ(closing.count(), 0); // the window stays open to show why

    // Whatever still arrives is ignored.
    client.connection.receiveBytes(frame("CMD_chat+late"));
    client.connection.processsocktimer();
    EXPECT_TRUE(chats.isEmpty());
    EXPECT_EQ(log.lines.size(), 1);
}

TEST_F(ClientFixture, FloodOfLongMessagesIsCutOffAtTheByteBound)
{
    // Messages just under the framer's limit: the count cap alone would allow over 1 GB.
    QSignalSpy cutOff(&client.connection, &ClientConnection::floodClosed);
    const QByteArray big = frame("CMD_chat+" + QByteArray(60 * 1024, 'x'));
    const int fit = int(ClientConnection::MaxQueuedBytes / (big.size() - 1));
    for (int i = 0; i < fit; ++i)
        client.connection.receiveBytes(big);
    EXPECT_EQ(cutOff.count(), 0);
    EXPECT_LE(client.connection.queuedBytes(), ClientConnection::MaxQueuedBytes);
    client.connection.receiveBytes(big);
    EXPECT_EQ(cutOff.count(), 1);
    EXPECT_EQ(client.connection.queued(), 0u);
}

TEST_F(ClientFixture, LoginAnswerCarriesSlotVersionAndName)
{
    client.ctx.state.loginname = QStringLiteral("Zoë");
    deliver(frame("CMD_sendlogininfo+3"));
    EXPECT_EQ(client.ctx.state.myslot, 3);
    EXPECT_TRUE(client.ctx.state.connected);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QByteArray("CMD_logininfo+3+1.0.4+Zo") + char(0xEB));
}

TEST_F(ClientFixture, LoginRequestWithABadSlotIsRefused)
{
    deliver(frame("CMD_sendlogininfo+x") + frame("CMD_sendlogininfo+0") + frame("CMD_sendlogininfo+12"));
    EXPECT_FALSE(client.ctx.state.connected);
    EXPECT_EQ(client.ctx.state.myslot, 0);
    EXPECT_TRUE(sent.isEmpty());
}

TEST_F(ClientFixture, TheClientInSlotOneLeadsTheGame)
{
    QSignalSpy leading(&client.session, &Session::leadershipChanged);
    deliver(frame("CMD_sendlogininfo+2"));
    EXPECT_FALSE(client.ctx.state.leads());
    EXPECT_EQ(leading.count(), 0);

    client.status.setStartOffered(false); // joined a host elsewhere
    deliver(frame("CMD_sendlogininfo+1"));
    EXPECT_TRUE(client.ctx.state.leads());
    ASSERT_EQ(leading.count(), 1);
    EXPECT_TRUE(leading.at(0).at(0).toBool());
    EXPECT_TRUE(client.status.startShown());
    EXPECT_TRUE(client.status.startMenuEnabled());
}

TEST_F(ClientFixture, GameIsFullEndsTheProgramOnlyWithItsPlusAndNothingAfterItIsHandled)
{
    QSignalSpy closing(&client, &GameClient::closeRequested);
    deliver(frame("CMD_full"));
    EXPECT_EQ(closing.count(), 0);
    deliver(frame("CMD_full+") + frame("CMD_chat+after"));
    ASSERT_EQ(closing.count(), 1);
    EXPECT_EQ(closing.at(0).at(0).toString(), "Game is full");
    EXPECT_TRUE(chats.isEmpty());
    deliver(frame("CMD_full+"));
    EXPECT_EQ(closing.count(), 1); // the end is announced once
}

TEST_F(ClientFixture, VersionLines)
{
    deliver(frame("CMD_havewrongversion+Ann") + frame("CMD_wrongversion+"));
    EXPECT_EQ(lines, (QStringList{"Ann has a different version of the game then you.",
                                  "You have a differnt version of the game then the host."}));
}

TEST_F(ClientFixture, UnknownAndCaseChangedCommandsAreDropped)
{
    deliver(frame("CMD_Chat+x") + frame("CMD_nothing+x") + frame("") + frame("+x") + frame("CMD_chat"));
    EXPECT_TRUE(chats.isEmpty());
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(ClientFixture, ARoundReachesBoardStripAndScoreboard)
{
    client.ctx.state.myslot = 1;
    QByteArray board = "CMD_loadboard+2";
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 9; ++y)
            board += "+" + QByteArray::number(x) + "+" + QByteArray::number(y) + "+" + QByteArray::number((x + y) % 26 + 1);
    deliver(frame(board) + frame("CMD_theword+1+3+2+1+3+20") + frame("CMD_nextplayer+1+"));
    EXPECT_EQ(client.status.roundText(), "ROUND: 2");
    EXPECT_EQ(client.words.cell(1, 1), 3);
    EXPECT_EQ(client.words.cell(10, 9), 20);
    EXPECT_EQ(client.words.slotLetter(1), 3);
    EXPECT_EQ(client.words.slotLetter(3), 20);
    EXPECT_EQ(client.words.slotLetter(4), 0);
    EXPECT_EQ(client.turn.activeplayer(), 1);
    EXPECT_TRUE(client.turn.clearShown());

    deliver(frame("CMD_outoftime+1+1+2+2"));
    EXPECT_EQ(client.words.cell(1, 1), 3 + 26);
    EXPECT_EQ(client.words.cell(2, 2), 5 + 26);
    EXPECT_EQ(client.status.status(), "Out of Time!");
}

TEST_F(ClientFixture, NoTimerRunsBetweenTurns)
{
    // Messages arrive through the event loop as from the socket; once they are handled
    // the client must be asleep unless a turn is running.
    client.ctx.state.myslot = 2;
    auto arrive = [&](const QByteArray& bytes) {
        client.connection.receiveBytes(bytes);
        ASSERT_TRUE(testutil::waitFor([&] { return client.connection.queued() == 0; }));
    };
    auto asleep = [&] { return !client.connection.timer1().isActive() && !client.clock.isRunning(); };
    arrive(QByteArray());
    EXPECT_TRUE(asleep());

    arrive(frame("CMD_startgame+Ann+250+30+t+f+"));
    EXPECT_TRUE(asleep()) << "before the first turn";
    arrive(frame("CMD_loadboard+1+1+1+3") + frame("CMD_theword+1+3") + frame("CMD_nextplayer+2+"));
    EXPECT_TRUE(client.clock.isRunning()) << "during the turn";
    arrive(frame("CMD_roundover+*"));
    EXPECT_TRUE(asleep()) << "after the round";

    arrive(frame("CMD_nextplayer+2+"));
    EXPECT_TRUE(client.clock.isRunning());
    arrive(frame("CMD_outoftime+1+1"));
    EXPECT_TRUE(asleep()) << "after the time ran out on the host";

    arrive(frame("CMD_nextplayer+2+"));
    for (int i = 0; i < 30; ++i)
        client.clock.tick();
    EXPECT_EQ(client.clock.text(), "Time: 0:00");
    EXPECT_TRUE(asleep()) << "after the clock reached zero";

    arrive(frame("CMD_nextplayer+2+") + frame("CMD_winner+Ann+"));
    EXPECT_TRUE(asleep()) << "after the game";
}

TEST_F(ClientFixture, MalformedBoardChangesNeitherBoardNorRound)
{
    deliver(frame("CMD_loadboard+1+1+1+5"));
    ASSERT_EQ(client.words.cell(1, 1), 5);
    deliver(frame("CMD_loadboard+7+1+1+6+11+1+3")); // column 11
    deliver(frame("CMD_loadboard+7+1+1+6+2+1"));    // cut short
    deliver(frame("CMD_loadboard+7+1+1+x"));        // not a number
    deliver(frame("CMD_loadboard+7+1+1+99"));       // no such tile
    EXPECT_EQ(client.words.cell(1, 1), 5);
    EXPECT_EQ(client.status.roundText(), "ROUND: 1");
}

TEST_F(ClientFixture, GarbageFromTheHostNeverCrashes)
{
    // Random fields for every command the client knows; handling must stay inside
    // the board, the strip and the seat rows whatever arrives.
    const QList<QByteArray> commands = {
        "CMD_sendlogininfo", "CMD_chat", "CMD_action", "CMD_newplayerinfo", "CMD_existingplayers",
        "CMD_havewrongversion", "CMD_wrongversion", "CMD_playerdisconnected", "CMD_startgame",
        "CMD_nextplayer", "CMD_winner", "CMD_justwatching", "CMD_theword", "CMD_loadboard",
        "CMD_hefoundit", "CMD_nomatch", "CMD_outoftime", "CMD_roundover", "CMD_loadstats",
        "CMD_playasound"};
    const QList<QByteArray> atoms = {"", "0", "1", "6", "7", "9", "10", "11", "27", "53", "54", "-1",
                                     "2147483647", "99999999999", "t", "f", "x", "***", "@"};
    QRandomGenerator rng(1234);
    for (int i = 0; i < 4000; ++i) {
        QByteArray m = commands[rng.bounded(int(commands.size()))];
        const int fields = rng.bounded(40);
        for (int k = 0; k < fields; ++k)
            m += "+" + atoms[rng.bounded(int(atoms.size()))];
        if (rng.bounded(2))
            m += "+";
        client.connection.receiveBytes(frame(m));
        client.connection.processsocktimer();
        client.connection.processsocktimer();
    }
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int t = client.words.cell(x, y);
            EXPECT_TRUE(t >= 0 && t <= 52) << t;
        }
    for (int s = 1; s <= 10; ++s)
        EXPECT_TRUE(client.words.slotLetter(s) >= 0 && client.words.slotLetter(s) <= 26);
    EXPECT_TRUE(boxes.isEmpty()); // no dialog for bad input
}

TEST_F(ClientFixture, ChatterSoundIsNamedInTheChatWhenChatterIsOff)
{
    deliver(frame("CMD_newplayerinfo+2+Ann"));
    lines.clear();
    deliver(frame("CMD_playasound+2+wave3+") + frame("CMD_playasound+2+wave15+") + frame("CMD_playasound+8+wave1+"));
    EXPECT_EQ(lines, QStringList{"Ann: <Chatter Sound> Hello"});

    QStringList played;
    client.chatter.play = [&](const QString& n) { played.append(n); };
    client.prefs.setChatterSounds(true);
    deliver(frame("CMD_playasound+2+wave14+"));
    EXPECT_EQ(played, QStringList{"wave14"});
}

// ---- real sockets ----

using testutil::FakeHost;

TEST(ClientSocket, LogsInOverTheNetworkAndClosesWhenTheHostHangsUp)
{
    FakeHost host;
    GameClient client;
    client.ctx.state.loginname = QStringLiteral("Bob");
    client.connection.connectToHost(QStringLiteral("127.0.0.1"), host.port());
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));

    host.conn->Send(frame("CMD_sendlogininfo+4"));
    ASSERT_TRUE(testutil::waitFor([&] { return host.received.size() > 0; }));
    EXPECT_EQ(host.received, frame("CMD_logininfo+4+1.0.4+Bob"));
    EXPECT_EQ(client.ctx.state.myslot, 4);

    QSignalSpy closing(&client, &GameClient::closeRequested);
    host.conn->Close();
    ASSERT_TRUE(testutil::waitFor([&] { return closing.count() > 0; }));
}

TEST(ClientSocket, AFloodingHostIsDisconnectedAndTheWindowStays)
{
    FakeHost host;
    GameClient client;
    QStringList lines;
    client.ctx.out.addlinetochat = [&](const QString& l, const QColor&) { lines.append(l); };
    client.connection.connectToHost(QStringLiteral("127.0.0.1"), host.port());
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
    bool hostSawClose = false;
    host.conn->OnInfo = [&](TSock*, TSocketInfo, const QString& msg) { hostSawClose |= msg == "Socket Closed"; };

    QByteArray flood;
    for (std::size_t i = 0; i < ClientConnection::MaxQueued + 5000; ++i)
        flood += frame("CMD_chat+spam");
    QSignalSpy closing(&client, &GameClient::closeRequested);
    host.conn->Send(flood);
    ASSERT_TRUE(testutil::waitFor([&] { return hostSawClose; }, 10000));
    EXPECT_FALSE(client.connection.sock().hasHandle());
    EXPECT_TRUE(lines.contains("The host sent more messages than this game could keep up with, so the connection was closed."));
    EXPECT_EQ(closing.count(), 0);
}

// A port on which nobody listens.
QString unusedPort()
{
    TSock probe;
    probe.setPortName(QStringLiteral("0"));
    probe.setListen(true);
    return QString::number(probe.boundPort());
}

// A client wired to record its chat lines and its end.
struct RecordingClient {
    RecordingClient()
    {
        client.ctx.out.addlinetochat = [this](const QString& l, const QColor&) { lines.append(l); };
        QObject::connect(&client, &GameClient::chatrecieved, [this](const QByteArray& rest) {
            chats.append(rest);
        });
        QObject::connect(&client, &GameClient::closeRequested, [this](const QString& why) {
            ends.append(why);
            chatsBeforeEnd = chats.size();
        });
    }
    GameClient client;
    QStringList lines;
    QList<QByteArray> chats;
    QStringList ends;
    qsizetype chatsBeforeEnd = -1;
};

TEST(ClientSocket, EverythingTheHostSentBeforeClosingIsHandledBeforeTheEnd)
{
    FakeHost host;
    RecordingClient r;
    r.client.connection.connectToHost(QStringLiteral("127.0.0.1"), host.port());
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
    ASSERT_TRUE(testutil::waitFor([&] { return r.client.connection.queued() == 0; })); // the placeholder
    QByteArray last;
    for (int i = 1; i <= 3 * ClientConnection::BatchPerTick; ++i)
        last += frame("CMD_chat+line " + QByteArray::number(i));
    host.conn->Send(last);
    host.conn->Close();
    ASSERT_TRUE(testutil::waitFor([&] { return !r.ends.isEmpty(); }));
    EXPECT_EQ(r.chatsBeforeEnd, 3 * ClientConnection::BatchPerTick);
    EXPECT_EQ(r.ends, QStringList{GameClient::HostEndedText});
    testutil::spin(50);
    EXPECT_EQ(r.ends.size(), 1);
}

TEST(ClientSocket, GameIsFullSentJustBeforeTheCloseIsWhatThePlayerIsTold)
{
    FakeHost host;
    RecordingClient r;
    r.client.connection.connectToHost(QStringLiteral("127.0.0.1"), host.port());
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
    host.conn->Send(frame("CMD_full+"));
    host.conn->Close();
    ASSERT_TRUE(testutil::waitFor([&] { return !r.ends.isEmpty(); }));
    testutil::spin(50);
    EXPECT_EQ(r.ends, QStringList{"Game is full"});
}

TEST(ClientSocket, AConnectionThatBreaksIsReportedAsLost)
{
    FakeHost host;
    RecordingClient r;
    r.client.connection.connectToHost(QStringLiteral("127.0.0.1"), host.port());
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
    ASSERT_TRUE(testutil::waitFor([&] { return r.client.connection.sock().Connected(); }));
    // An abortive close: the client sees a reset, not the host's orderly end.
    linger abort{1, 0};
    ::setsockopt(host.conn->handle(), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    host.conn->OnInfo = nullptr;
    host.conn->Close();
    ASSERT_TRUE(testutil::waitFor([&] { return !r.ends.isEmpty(); }));
    EXPECT_EQ(r.ends, QStringList{GameClient::ConnectionLostText});
}

TEST(ClientSocket, ARefusedConnectionIsNamedInTheChatAndTheClientStaysOpen)
{
    RecordingClient r;
    const QString port = unusedPort();
    r.client.connection.connectToHost(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(testutil::waitFor([&] { return !r.lines.isEmpty(); }));
    EXPECT_EQ(r.lines, QStringList{"Could not connect to 127.0.0.1 port " + port + ": connection refused."});
    testutil::spin(50);
    EXPECT_TRUE(r.ends.isEmpty());
    EXPECT_EQ(r.lines.size(), 1);
    EXPECT_FALSE(r.client.ctx.state.connected);
    r.client.connection.send(Message("CMD_chat").add(1).add("hi")); // nowhere to go, no crash

    // Over IPv6 the same, naming the address as it was given.
    r.lines.clear();
    r.client.connection.connectToHost(QStringLiteral("::1"), port);
    ASSERT_TRUE(testutil::waitFor([&] { return !r.lines.isEmpty(); }));
    EXPECT_EQ(r.lines, QStringList{"Could not connect to ::1 port " + port + ": connection refused."});
    EXPECT_TRUE(r.ends.isEmpty());
}

TEST(ClientSocket, AHostNameThatDoesNotResolveIsNamedInTheChat)
{
    RecordingClient r;
    r.client.connection.connectToHost(QStringLiteral("no-such-host.invalid"), QStringLiteral("7772"));
    ASSERT_TRUE(testutil::waitFor([&] { return !r.lines.isEmpty(); }, 20000));
    EXPECT_EQ(r.lines, QStringList{"Could not connect to no-such-host.invalid port 7772: host not found."});
    EXPECT_TRUE(r.ends.isEmpty());
    EXPECT_FALSE(r.client.connection.sock().Connected());
}

TEST(ClientSocket, AHostNameIsLookedUpWithoutBlockingAndThenJoined)
{
    FakeHost host;
    RecordingClient r;
    r.client.ctx.state.loginname = QStringLiteral("Bob");
    r.client.connection.connectToHost(QStringLiteral("localhost"), host.port());
    // The call came back before the name was resolved: nothing is connecting yet, and the
    // socket's own (blocking) resolver was never asked.
    EXPECT_TRUE(r.client.connection.resolving());
    EXPECT_FALSE(r.client.connection.sock().hasHandle());
    EXPECT_EQ(r.client.connection.hostName(), "localhost");
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }, 10000));
    EXPECT_FALSE(TSock::hostCacheContains(QStringLiteral("localhost")));
    host.conn->Send(frame("CMD_sendlogininfo+2"));
    ASSERT_TRUE(testutil::waitFor([&] { return !host.received.isEmpty(); }));
    EXPECT_EQ(host.received, frame("CMD_logininfo+2+1.0.4+Bob"));
    EXPECT_TRUE(r.lines.isEmpty());
}

TEST(ClientSocket, JoinsOverIPv6)
{
    FakeHost host;
    RecordingClient r;
    r.client.connection.connectToHost(QStringLiteral("::1"), host.port());
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
    EXPECT_EQ(host.listener.peerAddress(), "::1");
    host.conn->Send(frame("CMD_chat+over six"));
    ASSERT_TRUE(testutil::waitFor([&] { return !r.chats.isEmpty(); }));
    EXPECT_EQ(r.chats, QList<QByteArray>{"over six"});

    // The same host in brackets, as addresses with a port are often written.
    FakeHost second;
    RecordingClient r2;
    r2.client.connection.connectToHost(QStringLiteral("[::1]"), second.port());
    ASSERT_TRUE(testutil::waitFor([&] { return second.conn != nullptr; }));
}

} // namespace
