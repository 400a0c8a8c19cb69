// The program itself: its own options, and the single-instance guard between two
// processes.
#include "common/EventLoop.h"
#include "common/ServeProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(testutil::programBinary(), args);
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

TEST(Program, HelpVersionAndAWrongOptionNeedNoDisplay)
{
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bare.remove(QString::fromLatin1(name));

    const ProgramRun help = runProgram({"--help"}, bare);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("NAME HOST true"));
    EXPECT_FALSE(help.err.contains("display"));

    const ProgramRun version = runProgram({"-v"}, bare);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.trimmed(), "1.0.4");

    const ProgramRun bogus = runProgram({"--bogus"}, bare);
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.contains("unknown option \"--bogus\""));
    EXPECT_TRUE(bogus.err.contains("Usage"));
    EXPECT_TRUE(bogus.out.isEmpty());
}

// A copy of the program that stays open: one parameter, so it neither hosts nor joins.
struct RunningCopy {
    explicit RunningCopy(const QString& runtimeDir)
    {
        process.setProcessEnvironment(guiEnv(runtimeDir));
        process.start(testutil::programBinary(), {QStringLiteral("Tester")});
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

} // namespace
