#pragma once
// A plain TCP client for end-to-end tests of the host: it speaks the wire format by
// hand (texts closed by 0xFF) so every byte the host sends can be checked.
#include "common/EventLoop.h"

#include <QByteArray>
#include <QList>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hosttest {

class RawClient {
public:
    RawClient() = default;
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;
    ~RawClient() { close(); }

    // Connects to 127.0.0.1:port; the loopback handshake completes in the kernel.
    // A receive buffer set below the system's default keeps the kernel from taking
    // much on behalf of a client that does not read.
    // `from`, when given, is the loopback address to connect from (127.0.0.2, ...), so
    // that the host sees another machine.
    bool connectTo(quint16 port, int receiveBuffer = 0, const char* from = nullptr)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_fd < 0)
            return false;
        if (receiveBuffer > 0)
            ::setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        if (from) {
            sockaddr_in local{};
            local.sin_family = AF_INET;
            if (::inet_pton(AF_INET, from, &local.sin_addr) != 1
                || ::bind(m_fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
                return false;
        }
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(port);
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
            return false;
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
        return true;
    }

    // Sends one message: the text and its terminator.
    void send(const QByteArray& text) { sendRaw(text + '\xFF'); }
    // Sends bytes as they are; returns how many the kernel took.
    qsizetype sendRaw(const QByteArray& bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::send(m_fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n <= 0)
                break;
            done += n;
        }
        return done;
    }

    // Takes whatever has arrived; notes an orderly close or a reset.
    void poll()
    {
        if (m_fd < 0)
            return;
        char buf[65536];
        for (;;) {
            const ssize_t n = ::recv(m_fd, buf, sizeof buf, MSG_DONTWAIT);
            if (n > 0) {
                m_bytes.append(buf, n);
                continue;
            }
            if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
                m_closed = true;
            break;
        }
    }

    // Every byte received so far.
    const QByteArray& bytes() const { return m_bytes; }
    // The complete messages received so far, without terminators.
    QList<QByteArray> messages() const
    {
        QList<QByteArray> out = m_bytes.split('\xFF');
        out.removeLast(); // the unterminated rest
        return out;
    }
    QList<QByteArray> messages(const QByteArray& command) const
    {
        QList<QByteArray> out;
        for (const QByteArray& m : messages()) {
            if (m.startsWith(command + "+"))
                out.append(m);
        }
        return out;
    }
    bool closedByPeer() const { return m_closed; }
    // The slot the host gave in its CMD_sendlogininfo, as text (empty before it came).
    QByteArray givenSlot() const { return messages("CMD_sendlogininfo").value(0).mid(18); }

    // Runs the event loop (the host lives in it) until a message with the command
    // word arrives, up to `count` of them.
    bool waitForMessage(const QByteArray& command, int count = 1, int ms = 5000)
    {
        return testutil::waitFor([&] {
            poll();
            return messages(command).size() >= count;
        }, ms);
    }
    // Runs the event loop until exactly this message has arrived.
    bool waitForText(const QByteArray& text, int ms = 5000)
    {
        return testutil::waitFor([&] {
            poll();
            return messages().contains(text);
        }, ms);
    }
    bool waitForClose(int ms = 5000)
    {
        return testutil::waitFor([&] {
            poll();
            return m_closed;
        }, ms);
    }
    void clear() { m_bytes.clear(); }
    // Ends the connection with a reset instead of the orderly close.
    void reset()
    {
        if (m_fd < 0)
            return;
        linger lg{1, 0};
        ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &lg, sizeof lg);
        close();
    }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
    QByteArray m_bytes;
    bool m_closed = false;
};

} // namespace hosttest
