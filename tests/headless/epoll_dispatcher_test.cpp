// The dedicated host's event dispatcher, which this test program runs on (see
// common/main_epoll.cpp): timers, socket notifiers, posted events, wake-ups from other
// threads, and the real host on loopback.
#include "common/EventLoop.h"
#include "headless/EpollDispatcher.h"
#include "host/LoopbackHost.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using hosttest::Host;
using hosttest::join;
using testutil::waitFor;

namespace {

// Both ends of a local stream socket pair, closed at the end.
struct SocketPair {
    int fd[2] = {-1, -1};
    SocketPair() { ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fd); }
    ~SocketPair()
    {
        for (int f : fd) {
            if (f >= 0)
                ::close(f);
        }
    }
    void put(int end) { ASSERT_EQ(::write(fd[end], "x", 1), 1); }
    void take(int end)
    {
        char c;
        while (::read(fd[end], &c, 1) == 1) {
        }
    }
};

} // namespace

TEST(EpollDispatcher, IsTheDispatcherOfThisProgram)
{
    EXPECT_NE(qobject_cast<EpollDispatcher*>(QAbstractEventDispatcher::instance()), nullptr);
}

TEST(EpollDispatcher, TimersFireNeverEarlyAndStopWhenTold)
{
    struct Case {
        int intervalMs;
        bool singleShot;
        int wantedShots; // fired within the wait; a repeating timer is stopped after these
    } cases[] = {{0, true, 1}, {5, true, 1}, {30, true, 1}, {0, false, 5}, {7, false, 4}};
    for (const Case& c : cases) {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(c.singleShot);
        timer.setInterval(c.intervalMs);
        QElapsedTimer clock;
        QList<qint64> shots;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            shots.append(clock.nsecsElapsed());
            if (shots.size() == c.wantedShots)
                timer.stop(); // from inside its own event
        });
        clock.start();
        timer.start();
        EXPECT_GE(timer.remainingTime(), 0);
        ASSERT_TRUE(waitFor([&] { return shots.size() >= c.wantedShots; })) << c.intervalMs;
        testutil::spin(c.intervalMs * 3 + 20);
        EXPECT_EQ(shots.size(), c.wantedShots) << c.intervalMs << (c.singleShot ? " single" : " repeating");
        for (qsizetype i = 0; i < shots.size(); ++i)
            EXPECT_GE(shots[i], (i + 1) * c.intervalMs * qint64(1000000)) << "shot " << i << " came early";
        EXPECT_FALSE(timer.isActive());
    }
}

TEST(EpollDispatcher, TimersOfADeletedObjectAreForgotten)
{
    auto* owner = new QObject;
    int fired = 0;
    QTimer::singleShot(5, owner, [&] { ++fired; });
    auto* dispatcher = QAbstractEventDispatcher::instance();
    const int id = owner->startTimer(1000);
    EXPECT_EQ(dispatcher->registeredTimers(owner).size(), 1);
    EXPECT_GT(dispatcher->remainingTime(id), 900);
    delete owner;
    EXPECT_EQ(dispatcher->remainingTime(id), -1);
    testutil::spin(30);
    EXPECT_EQ(fired, 0);
}

TEST(EpollDispatcher, SocketNotifiersFollowTheirSwitchesAndShareADescriptor)
{
    SocketPair pair;
    ASSERT_GE(pair.fd[0], 0);
    QSocketNotifier readable(pair.fd[0], QSocketNotifier::Read);
    QSocketNotifier writable(pair.fd[0], QSocketNotifier::Write);
    int reads = 0;
    int writes = 0;
    QObject::connect(&readable, &QSocketNotifier::activated, [&] {
        ++reads;
        pair.take(0);
    });
    QObject::connect(&writable, &QSocketNotifier::activated, [&] {
        ++writes;
        writable.setEnabled(false); // as a socket does once its bytes are out
    });

    // (what happens, reads and writes afterwards)
    ASSERT_TRUE(waitFor([&] { return writes == 1; }));
    EXPECT_EQ(reads, 0);
    pair.put(1);
    ASSERT_TRUE(waitFor([&] { return reads == 1; }));
    readable.setEnabled(false);
    pair.put(1);
    testutil::spin(30);
    EXPECT_EQ(reads, 1); // switched off: not told
    writable.setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return writes == 2; })); // the other one of the descriptor still is
    readable.setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return reads == 2; })); // and the waiting byte is seen again
    pair.put(1);
    ::close(pair.fd[1]);
    pair.fd[1] = -1;
    ASSERT_TRUE(waitFor([&] { return reads >= 3; })); // the peer's close wakes the reader
}

TEST(EpollDispatcher, ANotifierDeletedByAnotherOnesHandlerIsNotCalled)
{
    SocketPair a;
    SocketPair b;
    auto* first = new QSocketNotifier(a.fd[0], QSocketNotifier::Read);
    auto* second = new QSocketNotifier(b.fd[0], QSocketNotifier::Read);
    QPointer<QSocketNotifier> firstAlive(first);
    QPointer<QSocketNotifier> secondAlive(second);
    int calls = 0;
    // Whichever is told first deletes the other one, whose descriptor is ready too.
    QObject::connect(first, &QSocketNotifier::activated, [&] {
        ++calls;
        delete secondAlive.data();
        a.take(0);
    });
    QObject::connect(second, &QSocketNotifier::activated, [&] {
        ++calls;
        delete firstAlive.data();
        b.take(0);
    });
    a.put(1);
    b.put(1);
    ASSERT_TRUE(waitFor([&] { return calls >= 1; }));
    testutil::spin(30);
    EXPECT_EQ(calls, 1);
    delete firstAlive.data();
    delete secondAlive.data();
}

TEST(EpollDispatcher, PostedEventsAWakeUpFromAnotherThreadAndQuitEndALoop)
{
    QEventLoop loop;
    int posted = 0;
    QObject receiver;
    // A loop blocked with nothing to do is woken by an event posted from another thread,
    // and the event's quit() ends it.
    std::thread other([&] {
        ::usleep(20000);
        QMetaObject::invokeMethod(&receiver, [&] {
            ++posted;
            QObject* doomed = new QObject;
            doomed->deleteLater();
            loop.quit();
        }, Qt::QueuedConnection);
    });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, &loop, [&] { loop.exit(1); });
    failsafe.start(5000);
    EXPECT_EQ(loop.exec(), 0);
    other.join();
    EXPECT_EQ(posted, 1);
}

TEST(EpollDispatcher, TheHostPlaysOnIt)
{
    Host host;
    auto ann = join(host, 1, "Ann");
    auto bob = join(host, 2, "Bob");
    ASSERT_TRUE(ann && bob);
    hosttest::settle({ann.get(), bob.get()});
    for (int i = 0; i < 20; ++i)
        bob->send("CMD_chat+2+line " + QByteArray::number(i) + "|clBlack");
    ASSERT_TRUE(ann->waitForMessage("CMD_chat", 20));
    EXPECT_EQ(ann->messages("CMD_chat").last(), "CMD_chat+Bob chats: line 19|clBlack");
    bob->close();
    ASSERT_TRUE(ann->waitForText("CMD_playerdisconnected+2+Bob"));

    // The host's timers run on it too: a connection that does not log in is closed.
    host.server.setLoginTimeout(100);
    hosttest::RawClient idle;
    ASSERT_TRUE(idle.connectTo(host.port()));
    EXPECT_TRUE(idle.waitForClose());
}
