// Game hosts announced on the network, seen from outside: `quillor --serve` (which
// becomes quillor-host) is found by an independent avahi-browse with its port and record,
// the record follows real players logging in and out, --no-announce keeps it off the
// network, and without a daemon the host runs as before. Every case runs inside
// avahi-netns, as ctest starts it.
#include "FixtureTools.h"
#include "common/ServeProcess.h"
#include "discovery/HostAnnouncement.h"
#include "host/RandomSource.h"
#include "host/RawClient.h"
#include "host/TServer.h"

#include <array>
#include <csignal>

using fixture::browse;
using fixture::DaemonMs;
using fixture::Seen;
using hosttest::RawClient;
using testutil::ServeProcess;

namespace {

const QStringList Waiting {"v=1.0.4", "seats=6", "spectators=0", "state=waiting"};

// The record avahi-browse sees of the game `name` on every interface and address family,
// once it is the same everywhere; empty while it is not seen or not the same.
QStringList seenRecord(const QString& name, quint16 port)
{
    const QList<Seen> seen = browse(name);
    if (seen.isEmpty())
        return {};
    for (const Seen& s : seen) {
        EXPECT_EQ(s.port, port) << name.toStdString();
        if (s.txt != seen.first().txt)
            return {};
    }
    return seen.first().txt;
}

// The record with players=N (and lead=NAME when given) among the fields that stay.
QStringList withPlayers(int players, const QString& lead = {})
{
    QStringList txt {Waiting[0], QStringLiteral("players=%1").arg(players), Waiting[1], Waiting[2], Waiting[3]};
    if (!lead.isEmpty())
        txt.append(QStringLiteral("lead=") + lead);
    return txt;
}

void logIn(RawClient& client, quint16 port, int slot, const QByteArray& name)
{
    ASSERT_TRUE(client.connectTo(port));
    ASSERT_TRUE(client.waitForMessage("CMD_sendlogininfo"));
    client.send("CMD_logininfo+" + QByteArray::number(slot) + "+1.0.4+" + name);
    ASSERT_TRUE(client.waitForMessage("CMD_newplayerinfo"));
}

quint16 listeningPort(ServeProcess& serve)
{
    EXPECT_TRUE(serve.waitForLog("listening on port")) << serve.log.constData();
    return serve.port();
}

} // namespace

TEST_F(WithAvahi, ServedGameIsSeenWithItsRecordWhichFollowsLoginsAndLogouts)
{
    ServeProcess serve({"--port", "0", "--name", "Club room"});
    const quint16 port = listeningPort(serve);
    ASSERT_NE(port, 0);
    QStringList txt;
    const auto seenAs = [&](const QStringList& want) {
        return testutil::waitFor([&] { return (txt = seenRecord("Club room", port)) == want; }, DaemonMs);
    };
    EXPECT_TRUE(seenAs(withPlayers(0))) << txt.join(' ').toStdString() << "\n" << serve.log.constData();
    EXPECT_TRUE(serve.waitForLog("announced on this network as \"Club room\" (DNS-SD _quillor._tcp, port "
                                 + QByteArray::number(port) + ")"))
        << serve.log.constData();

    RawClient ann, bob;
    logIn(ann, port, 1, "Ann");
    EXPECT_TRUE(seenAs(withPlayers(1, "Ann"))) << txt.join(' ').toStdString();
    logIn(bob, port, 2, "Bob");
    EXPECT_TRUE(seenAs(withPlayers(2, "Ann"))) << txt.join(' ').toStdString();
    // Ann leaves between games: her seat is not kept, and Bob leads.
    ann.close();
    EXPECT_TRUE(seenAs(withPlayers(1, "Bob"))) << txt.join(' ').toStdString();
    bob.close();
    EXPECT_TRUE(seenAs(withPlayers(0))) << txt.join(' ').toStdString();

    // A host that stops takes its game off the network.
    serve.signal(SIGTERM);
    ASSERT_TRUE(serve.waitForExit());
    EXPECT_TRUE(testutil::waitFor([] { return browse("Club room").isEmpty(); }, DaemonMs)) << "still announced after the end";
}

TEST_F(WithAvahi, NoAnnounceKeepsTheGameOffTheNetwork)
{
    ServeProcess hidden({"--port", "0", "--name", "Hidden room", "--no-announce"});
    ServeProcess shown({"--port", "0", "--name", "Open room"});
    const quint16 hiddenPort = listeningPort(hidden);
    const quint16 shownPort = listeningPort(shown);
    // Once the other host is seen, the hidden one would have been too.
    QStringList txt;
    EXPECT_TRUE(testutil::waitFor([&] { return (txt = seenRecord("Open room", shownPort)) == withPlayers(0); }, DaemonMs))
        << txt.join(' ').toStdString();
    EXPECT_TRUE(browse("Hidden room").isEmpty());
    hidden.collect();
    EXPECT_FALSE(hidden.log.contains("announce")) << hidden.log.constData();
    // It still takes players.
    RawClient ann;
    logIn(ann, hiddenPort, 1, "Ann");
}

TEST_F(WithoutAvahi, ServedGameRunsAsBeforeWithOneLineAboutTheMissingDaemon)
{
    ServeProcess serve({"--port", "0"});
    const quint16 port = listeningPort(serve);
    ASSERT_NE(port, 0);
    RawClient ann;
    logIn(ann, port, 1, "Ann");
    const QByteArray line = "not announced on this network: the Avahi service is not running\n";
    EXPECT_TRUE(serve.waitForLog(line)) << serve.log.constData();
    // Said once, however long the daemon stays away.
    serve.signal(SIGTERM);
    ASSERT_TRUE(serve.waitForExit());
    EXPECT_EQ(serve.log.count(line), 1) << serve.log.constData();
}

// The hosting player's own host: announced as "<name>'s game" with the words his window
// shows, or, without a daemon, the reason, while players still come in.
TEST_F(WithAvahi, HostingPlayersGameIsAnnouncedUnderHisName)
{
    SeededRandom random(7);
    TServer server(nullptr, random, 0);
    HostAnnouncement announcement(server);
    QStringList told;
    QObject::connect(&announcement, &HostAnnouncement::statusChanged, [&told](const QString& t) { told.append(t); });
    server.startListening();
    announcement.start(discovery::gameNameFor("Ann"));
    ASSERT_TRUE(testutil::waitFor([&] { return announcement.announcer().state() == GameAnnouncer::State::Announcing; },
                                  DaemonMs));
    EXPECT_EQ(told, QStringList({"Announcing this game on the network as \"Ann's game\"...",
                                 "This game is announced on this network as \"Ann's game\": friends nearby find it in Play with Others."}));
    RawClient ann;
    logIn(ann, server.port(), 1, "Ann");
    QStringList txt;
    EXPECT_TRUE(testutil::waitFor([&] { return (txt = seenRecord("Ann's game", server.port())) == withPlayers(1, "Ann"); },
                                  DaemonMs))
        << txt.join(' ').toStdString();
    announcement.stop();
    EXPECT_EQ(announcement.statusText(), "");
    EXPECT_TRUE(testutil::waitFor([] { return browse("Ann's game").isEmpty(); }, DaemonMs));
}

TEST_F(WithoutAvahi, HostingPlayerIsToldHisGameIsNotAnnounced)
{
    SeededRandom random(7);
    TServer server(nullptr, random, 0);
    HostAnnouncement announcement(server);
    server.startListening();
    announcement.start(discovery::gameNameFor("Ann"));
    // Known before start() returns: nothing waits for the daemon.
    EXPECT_EQ(announcement.statusText(), "This game is not announced on this network: the Avahi service is not running.");
    RawClient ann;
    logIn(ann, server.port(), 1, "Ann");
    EXPECT_EQ(HostAnnouncement::recordOf(server).players, 1);
}

// What a host tells the network, read from the host itself after each event: seated
// players connected (a seat kept for an away player is not), spectators, the game and
// the leader. Needs no daemon: it runs anywhere.
TEST(HostRecord, FollowsSeatsSpectatorsTheGameAndTheLead)
{
    SeededRandom random(11);
    TServer server(nullptr, random, 0);
    server.startListening();
    std::array<RawClient, 8> clients; // slots 1 to 7; 7 is a spectator's
    for (int slot = 1; slot <= 7; ++slot)
        logIn(clients[std::size_t(slot)], server.port(), slot, "P" + QByteArray::number(slot));

    const auto record = [](int players, int spectators, GameRecord::State state, const char* lead) {
        GameRecord r = GameRecord::ours();
        r.players = players;
        r.spectators = spectators;
        r.state = state;
        r.leader = QString::fromLatin1(lead);
        return r;
    };
    const auto becomes = [&](const GameRecord& want) {
        return testutil::waitFor([&] { return HostAnnouncement::recordOf(server) == want; }, 5000);
    };
    EXPECT_TRUE(becomes(record(6, 1, GameRecord::State::Waiting, "P1")));

    clients[1].send("CMD_startgame+P1+50+60+f+f+");
    EXPECT_TRUE(becomes(record(6, 1, GameRecord::State::Playing, "P1")));
    // P2 drops during the game: his seat is kept for him, but he is not connected.
    clients[2].close();
    EXPECT_TRUE(becomes(record(5, 1, GameRecord::State::Playing, "P1")));
    clients[7].close();
    EXPECT_TRUE(becomes(record(5, 0, GameRecord::State::Playing, "P1")));
    // The leader leaves: the lead passes to the seat connected longest after him.
    clients[1].close();
    EXPECT_TRUE(becomes(record(4, 0, GameRecord::State::Playing, "P3")))
        << HostAnnouncement::recordOf(server).playersText().toStdString() << " "
        << HostAnnouncement::recordOf(server).leader.toStdString();
}
