// The single-instance guard's socket: what a later copy sends is read whole, however it
// arrives, and only "raise" brings the window forward; nothing a stranger sends stops the
// guard from answering the next copy.
#include "app/SingleInstance.h"
#include "common/EventLoop.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A connection to the guard's socket, as a later copy (or anybody else) makes it.
class Caller {
public:
    explicit Caller(const QString& path) : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = QFile::encodeName(path);
        std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~Caller() { hangUp(); }
    bool connected() const { return m_connected; }
    void send(const QByteArray& bytes) { EXPECT_EQ(::send(m_fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL), bytes.size()); }
    void hangUp()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
    bool m_connected = false;
};

} // namespace

TEST(SingleInstance, OnlyARaiseRequestBringsTheWindowForwardHoweverItArrives)
{
    const struct {
        const char* what;
        std::vector<QByteArray> pieces; // sent one after the other, the event loop turning between
        bool hangUp;                    // the caller closes after the last piece
        bool raises;
    } cases[] = {
        {"a whole request", {"raise\n"}, false, true},
        {"a request in pieces", {"ra", "is", "e\n"}, false, true},
        {"a request ended by closing", {"raise"}, true, true},
        {"another word", {"hello\n"}, false, false},
        {"a long run of bytes without a line end", {QByteArray(200, 'x')}, false, false},
        {"nothing at all", {}, true, false},
    };
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    {
        SingleInstance guard(QStringLiteral("guardtest"));
        ASSERT_TRUE(guard.claim());
        ASSERT_TRUE(QFile::exists(guard.socketPath()));
        // Only the user may reach the socket.
        EXPECT_EQ(QFile::permissions(guard.socketPath()) & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                  QFile::Permissions());
        QSignalSpy raised(&guard, &SingleInstance::raiseRequested);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            raised.clear();
            Caller caller(guard.socketPath());
            ASSERT_TRUE(caller.connected());
            for (const QByteArray& piece : c.pieces) {
                caller.send(piece);
                testutil::spin(20);
            }
            if (c.hangUp)
                caller.hangUp();
            testutil::spin(100);
            EXPECT_EQ(raised.count(), c.raises ? 1 : 0);
        }
        // After all that, a later copy is still answered: it finds the guard taken and the
        // first copy is asked to show itself.
        raised.clear();
        SingleInstance later(QStringLiteral("guardtest"));
        EXPECT_FALSE(later.claim());
        EXPECT_TRUE(testutil::waitFor([&] { return raised.count() == 1; }, 2000));

        // Let go, the socket goes with the guard and a new claim succeeds.
        guard.release();
        EXPECT_FALSE(QFile::exists(guard.socketPath()));
        SingleInstance next(QStringLiteral("guardtest"));
        EXPECT_TRUE(next.claim());
    }
    qputenv("XDG_RUNTIME_DIR", previous);
}
