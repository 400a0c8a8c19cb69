// Starting the game afresh from "Play with Others": the new copy gets past the
// single-instance guard and plays with exactly the parameters given, and only then may
// this copy close; when it cannot be started, or ends first, this copy takes back its
// guard and its game port.
#include "app/Relaunch.h"
#include "app/SingleInstance.h"
#include "common/EventLoop.h"
#include "common/ServeProcess.h"

#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <signal.h>

namespace {

// Points the runtime folder (where the guard lives) at a folder of the test's own.
struct OwnRuntimeFolder {
    OwnRuntimeFolder()
        : previous(qgetenv("XDG_RUNTIME_DIR"))
    {
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    }
    ~OwnRuntimeFolder() { qputenv("XDG_RUNTIME_DIR", previous); }
    QTemporaryDir dir;
    QByteArray previous;
};

TEST(Relaunch, TheNewCopyGetsPastTheGuardAndJoinsWithTheGivenParameters)
{
    // Names that look like options of the program or of the windowing toolkit, passed
    // after "--" as "Play with Others" passes them.
    for (const QString name : {"Relaunched", "-platform", "--serve", "--port"}) {
        SCOPED_TRACE(name.toStdString());
        OwnRuntimeFolder runtime;
        testutil::ServeProcess serve({"--port", "0"});
        ASSERT_TRUE(serve.waitForLog("listening on port")) << serve.log.constData();

        SingleInstance guard;
        ASSERT_TRUE(guard.claim());
        Relaunch relaunch(guard, testutil::programBinary());
        int stopped = 0;
        int resumed = 0;
        relaunch.stopHosting = [&] { ++stopped; };
        relaunch.resumeHosting = [&] { ++resumed; };
        QSignalSpy started(&relaunch, &Relaunch::started);
        QSignalSpy failed(&relaunch, &Relaunch::failed);
        qint64 pid = 0;
        ASSERT_TRUE(relaunch.start({"--port", QString::number(serve.port()), "--", name, "127.0.0.1", "false"}, &pid));
        EXPECT_EQ(stopped, 1);
        // This copy may close only once the new one holds the guard.
        EXPECT_EQ(started.count(), 0);
        EXPECT_TRUE(testutil::waitFor([&] { return started.count() + failed.count() > 0; }, 20000));
        QLockFile lock(SingleInstance::lockPathFor(SingleInstance::DefaultKey));
        const bool guardTaken = !lock.tryLock(0);

        const bool joined = serve.waitForLog("login: slot 1 is " + name.toUtf8(), 20000);
        if (pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        EXPECT_EQ(started.count(), 1);
        EXPECT_EQ(failed.count(), 0);
        EXPECT_EQ(resumed, 0);
        EXPECT_TRUE(joined) << serve.log.constData();
        EXPECT_TRUE(guardTaken);
        EXPECT_TRUE(serve.waitForLog("slot 1 closed"));
    }
}

TEST(Relaunch, ANewCopyThatEndsBeforeItStartsLeavesThisOneGoing)
{
    // The program itself, with a command line it refuses: it ends before taking the guard.
    OwnRuntimeFolder runtime;
    SingleInstance guard;
    ASSERT_TRUE(guard.claim());
    Relaunch relaunch(guard, testutil::programBinary());
    int resumed = 0;
    relaunch.resumeHosting = [&] { ++resumed; };
    QSignalSpy started(&relaunch, &Relaunch::started);
    QSignalSpy failed(&relaunch, &Relaunch::failed);
    ASSERT_TRUE(relaunch.start({"--bogus"}));
    EXPECT_TRUE(relaunch.waiting());
    EXPECT_FALSE(relaunch.start({"--bogus"})); // one start at a time
    ASSERT_TRUE(testutil::waitFor([&] { return failed.count() > 0; }, 20000));
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(resumed, 1);
    EXPECT_FALSE(relaunch.waiting());
    QLockFile lock(guard.lockPath());
    EXPECT_FALSE(lock.tryLock(0)); // this copy holds its guard again
}

TEST(Relaunch, WhenTheNewCopyCannotStartThisOneKeepsItsGuardAndPort)
{
    OwnRuntimeFolder runtime;
    SingleInstance guard;
    ASSERT_TRUE(guard.claim());
    Relaunch relaunch(guard, runtime.dir.path() + "/no-such-program");
    int stopped = 0;
    int resumed = 0;
    relaunch.stopHosting = [&] { ++stopped; };
    relaunch.resumeHosting = [&] { ++resumed; };
    EXPECT_FALSE(relaunch.start({"Ann", "127.0.0.1", "true"}));
    EXPECT_EQ(stopped, 1);
    EXPECT_EQ(resumed, 1);
    QLockFile lock(guard.lockPath());
    EXPECT_FALSE(lock.tryLock(0));
}

} // namespace
