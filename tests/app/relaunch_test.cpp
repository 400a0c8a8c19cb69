// Starting the game afresh from "Play with Others": the new copy gets past the
// single-instance guard and plays with exactly the parameters given; when it cannot be
// started, this copy takes back its guard and its game port.
#include "app/Relaunch.h"
#include "app/SingleInstance.h"
#include "common/EventLoop.h"
#include "common/ServeProcess.h"

#include <QLockFile>
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
    qint64 pid = 0;
    ASSERT_TRUE(relaunch.start({"Relaunched", "127.0.0.1", "false", "--port", QString::number(serve.port())}, &pid));
    EXPECT_EQ(stopped, 1);
    EXPECT_EQ(resumed, 0);

    const bool joined = serve.waitForLog("login: slot 1 is Relaunched", 20000);
    // The new copy holds the guard now.
    QLockFile lock(SingleInstance::lockPathFor(SingleInstance::DefaultKey));
    const bool guardTaken = !lock.tryLock(0);
    if (pid > 0)
        ::kill(static_cast<pid_t>(pid), SIGTERM);
    EXPECT_TRUE(joined) << serve.log.constData();
    EXPECT_TRUE(guardTaken);
    EXPECT_TRUE(serve.waitForLog("slot 1 closed"));
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
