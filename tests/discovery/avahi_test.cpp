// The announcer and the browser against a real Avahi daemon. Every case runs inside
// avahi-netns (ctest starts it so): private network, mount and PID namespaces with a
// D-Bus and an Avahi daemon of their own, or without them. Run anywhere else, the cases
// fail at once rather than talk to the machine's own daemons.
#include "discovery/GameAnnouncer.h"
#include "discovery/GameBrowser.h"

#include "FixtureTools.h"
#include "common/Printers.h"

#include <QAbstractItemModelTester>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using namespace fixture;

GameRecord record(int players, GameRecord::State state, const QString& leader = {}, int spectators = 0)
{
    GameRecord r = GameRecord::ours();
    r.players = players;
    r.state = state;
    r.leader = leader;
    r.spectators = spectators;
    return r;
}

// Keeps every line the announcer logs in `lines` (declared before the announcer).
void collectLog(GameAnnouncer& announcer, QStringList& lines)
{
    QObject::connect(&announcer, &GameAnnouncer::logLine, [&lines](const QString& line) { lines.append(line); });
}

// Without a daemon both know it before start() returns: nothing waits for one.
void startWithoutDaemon(GameAnnouncer& announcer, GameBrowser& browser, const QString& name)
{
    announcer.start(name, 7811);
    browser.start();
    EXPECT_EQ(announcer.state(), GameAnnouncer::State::NotRunning);
    EXPECT_EQ(browser.statusText(), "Games on this network cannot be listed: the Avahi service is not running.");
    EXPECT_EQ(browser.rowCount(), 0);
}

} // namespace

TEST_F(WithAvahi, AnnouncedGameIsSeenByAvahiBrowseWithItsRecord)
{
    QStringList log;
    GameAnnouncer announcer;
    collectLog(announcer, log);
    announcer.start(QStringLiteral("Ann's game"), 7772, record(1, GameRecord::State::Waiting, QStringLiteral("Ann")));
    ASSERT_TRUE(testutil::waitFor([&] { return announcer.state() == GameAnnouncer::State::Announcing; }, DaemonMs))
        << "state " << int(announcer.state()) << ": " << announcer.problem().toStdString();

    // Seen over both address families, each on both ends of the veth pair.
    QList<Seen> seen;
    QStringList protocols;
    EXPECT_TRUE(testutil::waitFor([&] {
        seen = browse(QStringLiteral("Ann's game"));
        protocols.clear();
        for (const Seen& s : seen)
            protocols.append(s.protocol);
        return protocols.contains("IPv4") && protocols.contains("IPv6");
    }, DaemonMs)) << protocols.join(' ').toStdString();
    for (const Seen& s : seen) {
        EXPECT_EQ(s.port, 7772);
        EXPECT_TRUE(onlyVethAddress(s)) << s.address.toStdString();
        EXPECT_EQ(s.txt, QStringList({"v=1.0.4", "players=1", "seats=6", "spectators=0", "state=waiting", "lead=Ann"}));
    }

    // A burst of changes: the last one reaches the network.
    announcer.setRecord(record(2, GameRecord::State::Waiting, QStringLiteral("Ann")));
    announcer.setRecord(record(3, GameRecord::State::Playing, {}, 1));
    const QStringList updated {"v=1.0.4", "players=3", "seats=6", "spectators=1", "state=playing"};
    QList<Seen> after;
    EXPECT_TRUE(testutil::waitFor([&] {
        after = browse(QStringLiteral("Ann's game"));
        return !after.isEmpty() && std::all_of(after.begin(), after.end(), [&](const Seen& s) { return s.txt == updated; });
    }, DaemonMs)) << (after.isEmpty() ? "gone" : after.first().txt.join(' ').toStdString());

    announcer.stop();
    EXPECT_EQ(announcer.state(), GameAnnouncer::State::Stopped);
    EXPECT_TRUE(testutil::waitFor([&] { return browse(QStringLiteral("Ann's game")).isEmpty(); }, DaemonMs))
        << "the game is still announced after stop()";
    EXPECT_EQ(log, QStringList {"announced on this network as \"Ann's game\" (DNS-SD _quillor._tcp, port 7772)"});
}

TEST_F(WithAvahi, BrowserListsGamesAnnouncedByAvahiPublish)
{
    QProcess cleo, old;
    cleo.start("avahi-publish", {"-s", "Cleo's game", GameServiceType, "7781", "v=1.0.4", "players=3", "seats=6",
                                 "spectators=1", "state=playing", "lead=Cleo"});
    old.start("avahi-publish", {"-s", "Old game", GameServiceType, "7782", "v=0.9", "players=1", "seats=6", "state=waiting"});

    GameBrowser browser;
    QAbstractItemModelTester tester(&browser, QAbstractItemModelTester::FailureReportingMode::Fatal);
    browser.start();
    EXPECT_EQ(browser.statusText(), "");
    // Each game is resolved on each interface and address family in turn; wait for IPv4.
    ASSERT_TRUE(testutil::waitFor([&] {
        return browser.rowCount() == 2 && !browser.game(0).address().contains(':') && !browser.game(1).address().contains(':');
    }, DaemonMs)) << browser.rowCount() << " rows";

    struct Row {
        QString name, players, state;
        int port;
        QString version;
        bool differs;
        QString leader;
        int spectators;
    };
    const Row rows[] = {
        {"Cleo's game", "3 of 6", "playing", 7781, "1.0.4", false, "Cleo", 1},
        {"Old game", "1 of 6", "waiting", 7782, "0.9", true, "", -1},
    };
    for (int row = 0; row < 2; ++row) {
        const QModelIndex at = browser.index(row);
        const Row& want = rows[row];
        EXPECT_EQ(at.data(Qt::DisplayRole).toString(), want.name);
        EXPECT_EQ(at.data(GameBrowser::PlayersRole).toString(), want.players);
        EXPECT_EQ(at.data(GameBrowser::StateRole).toString(), want.state);
        EXPECT_EQ(at.data(GameBrowser::PortRole).toInt(), want.port);
        EXPECT_EQ(at.data(GameBrowser::VersionRole).toString(), want.version);
        EXPECT_EQ(at.data(GameBrowser::VersionDiffersRole).toBool(), want.differs);
        EXPECT_EQ(at.data(GameBrowser::LeaderRole).toString(), want.leader);
        EXPECT_EQ(at.data(GameBrowser::SpectatorsRole).toInt(), want.spectators);
        EXPECT_EQ(at.data(GameBrowser::HostNameRole).toString(), "quillor-fixture.local");
        const QString address = at.data(GameBrowser::AddressRole).toString();
        EXPECT_TRUE(address == "10.77.0.1" || address == "10.77.0.2") << address.toStdString();
    }
    // Seen over IPv6 too, link-local with its interface, after the IPv4 addresses.
    const QStringList addresses = browser.game(0).addresses;
    EXPECT_TRUE(addresses.last().startsWith("fe80:") && addresses.last().contains('%')) << addresses.join(' ').toStdString();

    old.terminate();
    EXPECT_TRUE(testutil::waitFor([&] { return browser.rowCount() == 1; }, DaemonMs)) << "a withdrawn game stays listed";
    EXPECT_EQ(browser.game(0).name, "Cleo's game");
    cleo.terminate();
    EXPECT_TRUE(testutil::waitFor([&] { return browser.rowCount() == 0; }, DaemonMs));
    cleo.waitForFinished();
    old.waitForFinished();
}

TEST_F(WithAvahi, BrowserFollowsAnnouncersAndTheirNameCollision)
{
    GameBrowser browser;
    QAbstractItemModelTester tester(&browser, QAbstractItemModelTester::FailureReportingMode::Fatal);
    browser.start();
    QStringList renamed, log;
    GameAnnouncer first, second;
    QObject::connect(&second, &GameAnnouncer::nameChanged, [&renamed](const QString& name) { renamed.append(name); });
    collectLog(second, log);
    first.start(QStringLiteral("Dee's game"), 7791);
    ASSERT_TRUE(testutil::waitFor([&] { return first.state() == GameAnnouncer::State::Announcing; }, DaemonMs));
    second.start(QStringLiteral("Dee's game"), 7792);
    ASSERT_TRUE(testutil::waitFor([&] { return second.state() == GameAnnouncer::State::Announcing; }, DaemonMs));
    EXPECT_EQ(second.name(), "Dee's game #2");
    EXPECT_EQ(renamed, QStringList {"Dee's game #2"});
    EXPECT_EQ(log, QStringList({"the name \"Dee's game\" is taken on this network; trying \"Dee's game #2\"",
                                "announced on this network as \"Dee's game #2\" (DNS-SD _quillor._tcp, port 7792)"}));

    ASSERT_TRUE(testutil::waitFor([&] { return browser.rowCount() == 2; }, DaemonMs));
    EXPECT_EQ(browser.game(0).name, "Dee's game");
    EXPECT_EQ(browser.game(0).port, 7791);
    EXPECT_EQ(browser.game(1).name, "Dee's game #2");
    EXPECT_EQ(browser.game(1).port, 7792);
    EXPECT_TRUE(browser.game(0).local);

    // The list follows a game's record while it is shown.
    first.setRecord(record(4, GameRecord::State::Playing, QStringLiteral("Dee"), 2));
    EXPECT_TRUE(testutil::waitFor([&] {
        const FoundGame& g = browser.game(0);
        return g.record.players == 4 && g.record.state == GameRecord::State::Playing && g.record.leader == "Dee"
            && g.record.spectators == 2;
    }, DaemonMs)) << browser.game(0).record.playersText().toStdString();

    second.stop();
    EXPECT_TRUE(testutil::waitFor([&] { return browser.rowCount() == 1; }, DaemonMs));
    EXPECT_EQ(browser.game(0).name, "Dee's game");
}

TEST_F(WithAvahi, DaemonRestartAnnouncesAgain)
{
    QStringList log;
    QList<GameAnnouncer::State> states;
    GameAnnouncer announcer;
    collectLog(announcer, log);
    QObject::connect(&announcer, &GameAnnouncer::stateChanged, [&states](GameAnnouncer::State s) { states.append(s); });
    GameBrowser browser;
    QAbstractItemModelTester tester(&browser, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QStringList statusTexts;
    QObject::connect(&browser, &GameBrowser::statusTextChanged, [&statusTexts](const QString& t) { statusTexts.append(t); });
    browser.start();
    announcer.start(QStringLiteral("Eve's game"), 7801);
    ASSERT_TRUE(testutil::waitFor([&] { return browser.rowCount() == 1 && announcer.state() == GameAnnouncer::State::Announcing; }, DaemonMs));
    states.clear();

    startAvahi();
    EXPECT_TRUE(testutil::waitFor([&] { return announcer.state() == GameAnnouncer::State::Announcing && states.size() > 1; }, DaemonMs))
        << "state " << int(announcer.state());
    EXPECT_EQ(states.first(), GameAnnouncer::State::NotRunning);
    EXPECT_TRUE(testutil::waitFor([&] { return browser.rowCount() == 1; }, DaemonMs)) << "the game did not come back to the list";
    EXPECT_EQ(statusTexts, QStringList({GameBrowser::notRunningText(), ""}));
    const QList<Seen> seen = browse(QStringLiteral("Eve's game"));
    ASSERT_FALSE(seen.isEmpty()) << "not announced again after the daemon's restart";
    EXPECT_EQ(seen.first().port, 7801);
    EXPECT_EQ(log, QStringList({"announced on this network as \"Eve's game\" (DNS-SD _quillor._tcp, port 7801)",
                                "not announced on this network: the Avahi service has stopped"}));
}

TEST_F(WithoutAvahi, ReportedAtOnceAndAnnouncedWhenTheDaemonComes)
{
    QStringList log;
    GameAnnouncer announcer;
    collectLog(announcer, log);
    GameBrowser browser;
    startWithoutDaemon(announcer, browser, QStringLiteral("Fay's game"));
    EXPECT_EQ(log, QStringList {"not announced on this network: the Avahi service is not running"});
    announcer.setRecord(record(1, GameRecord::State::Waiting));

    startAvahi();
    EXPECT_TRUE(testutil::waitFor([&] { return announcer.state() == GameAnnouncer::State::Announcing; }, DaemonMs));
    EXPECT_TRUE(testutil::waitFor([&] { return browser.rowCount() == 1 && browser.game(0).record.players == 1; }, DaemonMs));
    EXPECT_EQ(browser.statusText(), "");
    EXPECT_EQ(log.size(), 2);
}

TEST_F(WithoutDbus, ReportedAtOnceWithOneLogLine)
{
    QStringList log;
    GameAnnouncer announcer;
    collectLog(announcer, log);
    GameBrowser browser;
    startWithoutDaemon(announcer, browser, QStringLiteral("Gus's game"));
    announcer.setRecord(record(2, GameRecord::State::Playing));
    testutil::spin(50);
    EXPECT_EQ(announcer.state(), GameAnnouncer::State::NotRunning);
    EXPECT_EQ(log, QStringList {"not announced on this network: the Avahi service is not running (no D-Bus system bus)"});
    announcer.stop();
    EXPECT_EQ(announcer.state(), GameAnnouncer::State::Stopped);
    EXPECT_EQ(log.size(), 1);
}
