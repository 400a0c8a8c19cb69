// Start-up: what the lobby's command line makes the client do, the program's own
// options, the single-instance guard between two processes, and what the main window
// stores of its placement when it closes.
#include "client/GameClient.h"
#include "client/WindowPlacement.h"
#include "common/EventLoop.h"
#include "common/FakeHost.h"
#include "net/Sock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testutil::FakeHost;
using testutil::frame;

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        client.connection.timer1().stop();
        client.ctx.out.addlinetochat = [this](const QString& l, const QColor&) { lines.append(l); };
        client.hooks.showDownload = [this] { ++downloadShown; };
        client.hooks.startHost = [this] {
            ++hostsStarted;
            return host.portNumber();
        };
        client.port = host.portNumber();
    }

    FakeHost host;
    GameClient client;
    QStringList lines;
    int downloadShown = 0;
    int hostsStarted = 0;
};

TEST_F(CommandLineTest, NoParametersStartsASoloGameAsYou)
{
    client.processparams({});
    EXPECT_EQ(lines, QStringList{"Loading Solo Game..Please wait."});
    EXPECT_EQ(downloadShown, 1);
    EXPECT_EQ(hostsStarted, 1);
    EXPECT_TRUE(client.ctx.state.ishost);
    EXPECT_EQ(client.ctx.state.playername, "You");
    EXPECT_EQ(client.ctx.state.loginname, "You");
    EXPECT_EQ(client.ctx.state.hostaddress, "127.0.0.1");
    EXPECT_TRUE(client.scoreboard.startShown());
    EXPECT_TRUE(client.scoreboard.startMenuEnabled());
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
    client.processparams({"Ann", "192.0.2.44", "true", "ignored"});
    EXPECT_EQ(lines, QStringList{"Loading Multi-player Game.. Please Wait."});
    EXPECT_EQ(hostsStarted, 1);
    EXPECT_EQ(downloadShown, 0);
    EXPECT_EQ(client.connection.hostName(), "127.0.0.1");
    EXPECT_EQ(client.ctx.state.hostaddress, "192.0.2.44");
    EXPECT_EQ(client.ctx.state.loginname, "Ann");
    EXPECT_TRUE(client.ctx.state.ishost);
    EXPECT_TRUE(client.scoreboard.startShown());
    EXPECT_TRUE(client.connection.lobbySock().hasHandle());
    EXPECT_EQ(client.connection.lobbySock().PortName(), "9001");
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
}

TEST_F(CommandLineTest, AnyOtherThirdParameterJoinsTheAddress)
{
    // "True" is not "true": the comparison keeps letter case.
    client.processparams({"Bob", "127.0.0.2", "True"});
    EXPECT_EQ(hostsStarted, 0);
    EXPECT_FALSE(client.ctx.state.ishost);
    EXPECT_EQ(client.connection.hostName(), "127.0.0.2");
    EXPECT_EQ(client.ctx.state.loginname, "Bob");
    EXPECT_FALSE(client.scoreboard.startShown());
    EXPECT_FALSE(client.scoreboard.startMenuEnabled());
    EXPECT_TRUE(client.connection.lobbySock().hasHandle());
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }));
}

TEST_F(CommandLineTest, FewerThanThreeParametersOnlyAnnounceTheGame)
{
    for (const QStringList& params : {QStringList{"Ann"}, QStringList{"Ann", "127.0.0.1"}}) {
        GameClient c;
        QStringList seen;
        c.ctx.out.addlinetochat = [&](const QString& l, const QColor&) { seen.append(l); };
        c.hooks.startHost = [this] {
            ++hostsStarted;
            return host.portNumber();
        };
        c.processparams(params);
        EXPECT_EQ(seen, QStringList{"Loading Multi-player Game.. Please Wait."});
        EXPECT_FALSE(c.connection.sock().hasHandle());
        EXPECT_FALSE(c.connection.lobbySock().hasHandle());
        EXPECT_FALSE(c.scoreboard.startShown());
        EXPECT_TRUE(c.ctx.state.loginname.isEmpty());
    }
    EXPECT_EQ(hostsStarted, 0);
}

TEST_F(CommandLineTest, HostThatCannotListenLeavesTheClientUnconnected)
{
    client.hooks.startHost = []() -> quint16 { throw ESockException("Listen - Error Binding Socket"); };
    client.processparams({"Ann", "127.0.0.1", "true"});
    EXPECT_FALSE(client.ctx.state.ishost);
    EXPECT_FALSE(client.connection.sock().hasHandle());
    EXPECT_FALSE(client.scoreboard.startShown());
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].contains("Listen - Error Binding Socket"));
}

// ---- the program itself ----

QString programPath() { return QStringLiteral(QUILLOR_BINARY_DIR "/quillor"); }

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(programPath(), args);
    ProgramRun r;
    if (!p.waitForFinished(15000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QProcessEnvironment guiEnv(const QString& runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return env;
}

TEST(Program, VersionHelpAndBadPort)
{
    const ProgramRun version = runProgram({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.trimmed(), "1.0.4");

    const ProgramRun help = runProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("NAME HOST true"));
    EXPECT_TRUE(help.out.contains("--port"));

    const ProgramRun bad = runProgram({"Ann", "127.0.0.1", "true", "--port", "seventy"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("Usage"));
}

// A copy of the program that stays open: one parameter, so it neither hosts nor joins.
struct RunningCopy {
    explicit RunningCopy(const QString& runtimeDir)
    {
        process.setProcessEnvironment(guiEnv(runtimeDir));
        process.start(programPath(), {QStringLiteral("Tester")});
    }
    ~RunningCopy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
};

TEST(SingleInstanceGuard, SecondCopyRaisesTheFirstAndEnds)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    RunningCopy first(runtime.path());
    ASSERT_TRUE(first.process.waitForStarted(5000));
    const QString socket = runtime.path() + "/klep22.socket";
    ASSERT_TRUE(testutil::waitFor([&] { return QFile::exists(socket); }, 10000));
    EXPECT_TRUE(QFile::exists(runtime.path() + "/klep22.lock"));

    const ProgramRun second = runProgram({"Tester"}, guiEnv(runtime.path()));
    EXPECT_EQ(second.exitCode, 0);
    QByteArray firstErr;
    ASSERT_TRUE(testutil::waitFor([&] {
        firstErr += first.process.readAllStandardError();
        return firstErr.contains("another copy was started");
    }, 5000));
    EXPECT_EQ(first.process.state(), QProcess::Running);
}

TEST(SingleInstanceGuard, CopiesWithDifferentRuntimeFoldersRunSideBySide)
{
    QTemporaryDir a;
    QTemporaryDir b;
    RunningCopy first(a.path());
    ASSERT_TRUE(testutil::waitFor([&] { return QFile::exists(a.path() + "/klep22.socket"); }, 10000));
    RunningCopy second(b.path());
    ASSERT_TRUE(testutil::waitFor([&] { return QFile::exists(b.path() + "/klep22.socket"); }, 10000));
    testutil::spin(300);
    EXPECT_EQ(first.process.state(), QProcess::Running);
    EXPECT_EQ(second.process.state(), QProcess::Running);
}

TEST(SingleInstanceGuard, LockLeftByADeadCopyDoesNotBlockTheNext)
{
    QTemporaryDir runtime;
    {
        RunningCopy crashed(runtime.path());
        ASSERT_TRUE(testutil::waitFor([&] { return QFile::exists(runtime.path() + "/klep22.socket"); }, 10000));
    } // killed: its lock file and socket stay behind
    ASSERT_TRUE(QFile::exists(runtime.path() + "/klep22.lock"));
    RunningCopy next(runtime.path());
    testutil::spin(1500);
    EXPECT_EQ(next.process.state(), QProcess::Running);
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

} // namespace
