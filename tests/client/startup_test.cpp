// Start-up of the client: what the lobby's command line makes it do, and what the main
// window stores of its placement when it closes.
#include "client/GameClient.h"
#include "client/WindowPlacement.h"
#include "common/EventLoop.h"
#include "common/FakeHost.h"
#include "net/Sock.h"

#include <gtest/gtest.h>

namespace {

using testutil::FakeHost;
using testutil::frame;

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        client.connection.timer1().stop();
        client.ctx.out.addlinetochat = [this](const QString& l, const QColor&) { lines.append(l); };
        QObject::connect(&client.session, &Session::downloadOffered, [this] { ++downloadShown; });
        client.session.startHost = [this] {
            ++hostsStarted;
            return host.portNumber();
        };
        client.session.port = host.portNumber();
    }

    FakeHost host;
    GameClient client;
    QStringList lines;
    int downloadShown = 0;
    int hostsStarted = 0;
};

TEST_F(CommandLineTest, NoParametersStartsASoloGameAsYou)
{
    client.session.processparams({});
    EXPECT_EQ(lines, QStringList{"Loading Solo Game..Please wait."});
    EXPECT_EQ(downloadShown, 1);
    EXPECT_EQ(hostsStarted, 1);
    EXPECT_TRUE(client.ctx.state.ishost);
    EXPECT_EQ(client.ctx.state.playername, "You");
    EXPECT_EQ(client.ctx.state.loginname, "You");
    EXPECT_EQ(client.ctx.state.hostaddress, "127.0.0.1");
    EXPECT_TRUE(client.status.startShown());
    EXPECT_TRUE(client.status.startMenuEnabled());
    EXPECT_FALSE(client.connection.lobbySock().hasHandle()); // no lobby behind a solo game

    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
    host.conn->Send(frame("CMD_sendlogininfo+1"));
    ASSERT_TRUE(testutil::waitFor([&] {
        client.connection.processsocktimer();
        return !host.received.isEmpty();
    }));
    EXPECT_EQ(host.received, frame("CMD_logininfo+1+1.0.4+You"));
}

TEST_F(CommandLineTest, HostingConnectsToThisMachineWhateverTheAddress)
{
    client.session.processparams({"Ann", "192.0.2.44", "true", "ignored"});
    // The hosting player is told where his friends join, on the port he hosts on.
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "Loading Multi-player Game.. Please Wait.");
    EXPECT_TRUE(lines[1].startsWith("Friends can join at ") || lines[1].startsWith("Friends cannot join"))
        << lines[1].toStdString();
    if (lines[1].startsWith("Friends can join at "))
        EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" port %1").arg(client.session.port))) << lines[1].toStdString();
    EXPECT_EQ(hostsStarted, 1);
    EXPECT_EQ(downloadShown, 0);
    EXPECT_EQ(client.connection.hostName(), "127.0.0.1");
    EXPECT_EQ(client.ctx.state.hostaddress, "192.0.2.44");
    EXPECT_EQ(client.ctx.state.loginname, "Ann");
    EXPECT_TRUE(client.ctx.state.ishost);
    EXPECT_TRUE(client.status.startShown());
    EXPECT_TRUE(client.connection.lobbySock().hasHandle());
    EXPECT_EQ(client.connection.lobbySock().PortName(), "9001");
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
}

TEST_F(CommandLineTest, AnyOtherThirdParameterJoinsTheAddress)
{
    // "True" is not "true": the comparison keeps letter case.
    client.session.processparams({"Bob", "127.0.0.2", "True"});
    EXPECT_EQ(hostsStarted, 0);
    EXPECT_FALSE(client.ctx.state.ishost);
    EXPECT_EQ(client.connection.hostName(), "127.0.0.2");
    EXPECT_EQ(client.ctx.state.loginname, "Bob");
    EXPECT_FALSE(client.status.startShown());
    EXPECT_FALSE(client.status.startMenuEnabled());
    EXPECT_TRUE(client.connection.lobbySock().hasHandle());
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
}

TEST_F(CommandLineTest, FewerThanThreeParametersOnlyAnnounceTheGame)
{
    for (const QStringList& params : {QStringList{"Ann"}, QStringList{"Ann", "127.0.0.1"}}) {
        GameClient c;
        QStringList seen;
        c.ctx.out.addlinetochat = [&](const QString& l, const QColor&) { seen.append(l); };
        c.session.startHost = [this] {
            ++hostsStarted;
            return host.portNumber();
        };
        c.session.processparams(params);
        EXPECT_EQ(seen, QStringList{"Loading Multi-player Game.. Please Wait."});
        EXPECT_FALSE(c.connection.sock().hasHandle());
        EXPECT_FALSE(c.connection.lobbySock().hasHandle());
        EXPECT_FALSE(c.status.startShown());
        EXPECT_TRUE(c.ctx.state.loginname.isEmpty());
        // Nothing will come: the status line says so, and there is nothing to try again.
        EXPECT_EQ(c.status.status(), Session::NoGameText);
        EXPECT_TRUE(c.attempt.failed());
        EXPECT_FALSE(c.attempt.canRetry());
        c.session.retry();
        EXPECT_FALSE(c.connection.sock().hasHandle());
    }
    EXPECT_EQ(hostsStarted, 0);
}

TEST_F(CommandLineTest, HostThatCannotListenLeavesTheClientUnconnected)
{
    client.session.startHost = []() -> quint16 { throw ESockException("Listen - Error Binding Socket"); };
    client.session.processparams({"Ann", "127.0.0.1", "true"});
    EXPECT_FALSE(client.ctx.state.ishost);
    EXPECT_FALSE(client.connection.sock().hasHandle());
    EXPECT_FALSE(client.status.startShown());
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].contains("Listen - Error Binding Socket"));
    // The failure takes the waiting text's place on the status line.
    EXPECT_EQ(client.status.status(), lines[1]);
    EXPECT_TRUE(client.attempt.failed());
    EXPECT_TRUE(client.attempt.canRetry());

    // Once the port is free, Try Again hosts and connects.
    client.session.startHost = [this] {
        ++hostsStarted;
        return host.portNumber();
    };
    client.session.retry();
    EXPECT_EQ(hostsStarted, 1);
    EXPECT_TRUE(client.ctx.state.ishost);
    EXPECT_EQ(client.status.status(), Session::WaitingText);
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
}

TEST_F(CommandLineTest, AFailedConnectionIsShownAndTryAgainConnects)
{
    // Nothing listens on port 1 of this machine: the connection is refused at once.
    client.session.port = 1;
    client.session.processparams({"Bob", "127.0.0.1", "false"});
    EXPECT_EQ(client.status.status(), Session::WaitingText);
    EXPECT_EQ(client.attempt.state(), ConnectAttempt::State::Waiting);
    ASSERT_TRUE(testutil::waitFor([&] { return client.attempt.failed(); }));
    const QString failure = "Could not connect to 127.0.0.1 port 1: connection refused.";
    EXPECT_EQ(client.status.status(), failure);
    EXPECT_EQ(lines.last(), failure);
    EXPECT_TRUE(client.attempt.canRetry());

    client.session.port = host.portNumber();
    client.session.retry();
    EXPECT_EQ(client.status.status(), Session::WaitingText);
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
    host.conn->Send(frame("CMD_sendlogininfo+2"));
    ASSERT_TRUE(testutil::waitFor([&] {
        client.connection.processsocktimer();
        return client.attempt.state() == ConnectAttempt::State::Done;
    }));
    // Logged in: the waiting text makes way for the greeting; nothing more to try.
    EXPECT_EQ(client.status.status(), RoundStatus::Welcome);
    EXPECT_FALSE(client.attempt.failed());
    client.session.retry();
    EXPECT_EQ(client.status.status(), RoundStatus::Welcome);
}

// ---- placement on closing ----

TEST(Placement, UnchangedWindowWritesNothing)
{
    const QRect work(0, 0, 1920, 1040);
    EXPECT_FALSE(placement::toSave(QRect(3, 3, 772, 535), QRect(3, 3, 772, 535), work).has_value());
    const auto moved = placement::toSave(QRect(40, 3, 772, 535), QRect(3, 3, 772, 535), work);
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(*moved, QRect(40, 3, 772, 535));
}

TEST(Placement, OversizedWindowIsSavedFifteenPixelsSmaller)
{
    const QRect work(0, 0, 800, 600);
    EXPECT_EQ(*placement::toSave(QRect(0, 0, 900, 500), QRect(), work), QRect(0, 0, 885, 500));
    EXPECT_EQ(*placement::toSave(QRect(0, 0, 700, 650), QRect(), work), QRect(0, 0, 700, 635));
    EXPECT_EQ(*placement::toSave(QRect(5, 5, 801, 601), QRect(), work), QRect(5, 5, 786, 586));
    EXPECT_EQ(*placement::toSave(QRect(0, 0, 800, 600), QRect(), work), QRect(0, 0, 800, 600));
}

TEST(Placement, AWindowNoScreenShowsIsMovedOntoThePrimaryScreen)
{
    const QRect primary(0, 0, 1920, 1040);
    const QRect left(-1280, 0, 1280, 1024); // a second monitor left of the primary one
    const QList<QRect> both{primary, left};
    // On either screen, or partly off one with enough of its top edge to grab: kept.
    for (const QRect& r : {QRect(3, 3, 772, 535), QRect(-1000, 200, 772, 535), QRect(1800, 1000, 772, 535),
                           QRect(-700, 0, 772, 535)})
        EXPECT_EQ(placement::ontoScreens(r, both, primary), r);
    // The monitor on the left has gone: the window comes to the primary screen, same size.
    EXPECT_EQ(placement::ontoScreens(QRect(-1000, 200, 800, 600), {primary}, primary), QRect(3, 3, 800, 600));
    // Only a sliver of the title bar would show: not enough to drag it back.
    EXPECT_EQ(placement::ontoScreens(QRect(1880, 10, 772, 535), {primary}, primary), QRect(3, 3, 772, 535));
    EXPECT_EQ(placement::ontoScreens(QRect(100, 1030, 772, 535), {primary}, primary), QRect(3, 3, 772, 535));
    EXPECT_EQ(placement::ontoScreens(QRect(100, -500, 772, 535), {primary}, primary), QRect(3, 3, 772, 535));
    // A primary screen that does not start at the origin.
    const QRect shifted(1280, 24, 1920, 1056);
    EXPECT_EQ(placement::ontoScreens(QRect(0, 0, 0, 0), {shifted}, shifted), QRect(1283, 27, 0, 0));
}

} // namespace
