#include "net/Sock.h"

#include <QDebug>
#include <QHash>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// One read takes at most this many bytes; more arrives through further notifications.
constexpr int kReadArea = 32768;

// Resolved host names, shared by every socket of the process and never emptied.
QHash<QString, SockAddress>& hostCache()
{
    static QHash<QString, SockAddress> cache;
    return cache;
}

int newStreamSocket(int family)
{
    return ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

SockAddress ipv4Address(in_addr address)
{
    SockAddress a;
    auto* in = reinterpret_cast<sockaddr_in*>(&a.storage);
    in->sin_family = AF_INET;
    in->sin_addr = address;
    a.length = sizeof(sockaddr_in);
    return a;
}

// The first address getaddrinfo gives for `text` (any family), or nothing.
bool resolve(const QString& text, int flags, SockAddress* out)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    addrinfo* result = nullptr;
    if (::getaddrinfo(text.toLatin1().constData(), nullptr, &hints, &result) != 0 || !result)
        return false;
    std::memcpy(&out->storage, result->ai_addr, result->ai_addrlen);
    out->length = result->ai_addrlen;
    ::freeaddrinfo(result);
    return true;
}

// A dual-stack listener: one IPv6 socket that also takes IPv4 connections (as
// IPv4-mapped addresses). Returns -1 where IPv6 is not available at all.
int newDualStackListener(quint16 port, int* bindError)
{
    const int fd = newStreamSocket(AF_INET6);
    if (fd < 0)
        return -1;
    const int no = 0;
    const int yes = 1;
    if (::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &no, sizeof no) != 0) {
        ::close(fd);
        return -1;
    }
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in6 addr{};
    addr.sin6_family = AF_INET6;
    addr.sin6_addr = in6addr_any;
    addr.sin6_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        *bindError = errno;
        ::close(fd);
        return -1;
    }
    return fd;
}

// Every game message is written whole in one send, so holding small writes back
// (Nagle's algorithm) gains nothing and costs a delayed acknowledgement's wait.
void sendAtOnce(int fd)
{
    const int yes = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
}

} // namespace

QString socketInfoName(TSocketInfo kind)
{
    switch (kind) {
    case siLookup: return QStringLiteral("Lookup");
    case siConnect: return QStringLiteral("Connect");
    case siClose: return QStringLiteral("Close");
    case siListen: return QStringLiteral("Listen");
    case siReceive: return QStringLiteral("Receive");
    case siSend: return QStringLiteral("Send");
    case siAccept: return QStringLiteral("Accept");
    case siError: return QStringLiteral("Error");
    }
    return QString();
}

QString socketErrorText(int code)
{
    const char* name = code > 0 ? strerrorname_np(code) : nullptr;
    return QStringLiteral("Error #%1 (%2)").arg(code).arg(name ? QString::fromLatin1(name) : QStringLiteral("UNKNOWN ERROR"));
}

TSock::TSock(QObject* owner)
    : QObject(owner)
{
}

TSock::~TSock()
{
    if (m_listening || m_connected) {
        Close();
    } else if (m_fd >= 0) {
        detachNotifiers();
        ::close(m_fd);
        m_fd = -1;
    }
}

void TSock::report(TSocketInfo kind, const QString& msg)
{
    if (!OnInfo)
        return;
    try {
        OnInfo(this, kind, msg);
    } catch (...) {
        throw ESockException("Error here");
    }
}

void TSock::setHostName(const QString& name)
{
    if (m_connected)
        report(siLookup, QStringLiteral("Setting HostName While Connected Has No Effect"));
    m_hostName = name;
}

void TSock::setPortName(const QString& name)
{
    if (m_connected)
        report(siLookup, QStringLiteral("Setting PortName While Connected Has No Effect"));
    m_portName = name;
}

quint16 TSock::lookupPort()
{
    report(siLookup, QStringLiteral("Lookup Of Port ") + m_portName);
    if (!m_portName.isEmpty() && m_portName.at(0).isDigit()) {
        bool ok = false;
        const uint port = m_portName.toUInt(&ok);
        if (ok && port <= 65535)
            return static_cast<quint16>(port);
        throw ESockException("Port Lookup - Could Not Find Service Entry");
    }
    const QByteArray name = m_portName.toLatin1();
    const servent* entry = ::getservbyname(name.constData(), SocketType == stDatagram ? "udp" : "tcp");
    if (!entry)
        throw ESockException("Port Lookup - Could Not Find Service Entry");
    return ntohs(static_cast<quint16>(entry->s_port));
}

SockAddress TSock::lookupHost()
{
    in_addr none{};
    none.s_addr = INADDR_NONE;
    if (m_hostName.isEmpty())
        return ipv4Address(none);
    report(siLookup, QStringLiteral("Lookup Of Host ") + m_hostName);
    // Numeric addresses, dotted IPv4 or IPv6 (which may carry a "%interface" scope and
    // may be given in brackets), are taken as they are: no name lookup, no cache.
    QString text = m_hostName;
    if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')))
        text = text.mid(1, text.size() - 2);
    if (text.contains(QLatin1Char(':'))) {
        SockAddress addr;
        if (!resolve(text, AI_NUMERICHOST, &addr))
            return ipv4Address(none);
        return addr;
    }
    if (!text.isEmpty() && text.at(0).isDigit()) {
        in_addr addr{};
        if (::inet_pton(AF_INET, text.toLatin1().constData(), &addr) != 1)
            return ipv4Address(none);
        return ipv4Address(addr);
    }
    const QString key = m_hostName.toLower();
    const auto cached = hostCache().constFind(key);
    if (cached != hostCache().cend())
        return cached.value();

    // The resolver's first answer, IPv4 or IPv6. This blocks; callers that must not
    // wait resolve the name themselves and hand over the address.
    SockAddress addr;
    if (!resolve(m_hostName, AI_ADDRCONFIG, &addr))
        throw ESockException("Host Lookup - Could Not Find Host Entry");
    hostCache().insert(key, addr);
    return addr;
}

bool TSock::hostCacheContains(const QString& name)
{
    return hostCache().contains(name.toLower());
}

void TSock::attachNotifiers(bool forListener)
{
    detachNotifiers();
    m_readNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &TSock::onReadReady);
    if (!forListener) {
        m_writeNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Write, this);
        connect(m_writeNotifier, &QSocketNotifier::activated, this, &TSock::onWriteReady);
    }
}

void TSock::detachNotifiers()
{
    // A notifier may be the one whose signal is being delivered right now, so it is
    // switched off at once and deleted by the event loop later.
    for (QSocketNotifier** n : {&m_readNotifier, &m_writeNotifier}) {
        if (*n) {
            (*n)->setEnabled(false);
            (*n)->deleteLater();
            *n = nullptr;
        }
    }
}

void TSock::updateNotifiers()
{
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(m_fd >= 0 && (m_connecting || !m_sendBuffer.isEmpty()));
    if (m_readNotifier && !m_listening)
        m_readNotifier->setEnabled(m_fd >= 0 && !m_connecting && !m_connectFailed);
}

void TSock::setListen(bool on)
{
    if (!on) {
        if (!m_listening && m_fd < 0)
            return;
        m_listening = false;
        Close();
        report(siListen, QStringLiteral("Listening Stopped"));
        return;
    }
    if (m_fd >= 0 && !m_listening)
        throw ESockException("Listen - Socket Already In Use");
    if (m_listening) {
        report(siListen, QStringLiteral("Listening Already Running"));
        return;
    }
    const quint16 port = lookupPort();
    // Lets a restarted host take its port back while old connections linger in
    // TIME_WAIT; a port that another socket listens on is still refused.
    const int yes = 1;
    // IPv6 and IPv4 players on one socket; plain IPv4 where the machine has no IPv6.
    int bindError = 0;
    m_fd = newDualStackListener(port, &bindError);
    if (m_fd < 0 && bindError != 0 && bindError != EADDRNOTAVAIL && bindError != EAFNOSUPPORT)
        throw ESockException("Listen - Error Binding Socket");
    if (m_fd < 0) {
        m_fd = newStreamSocket(AF_INET);
        if (m_fd < 0)
            throw ESockException("Listen - Error Binding Socket");
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_ANY);
        addr.sin_port = htons(port);
        if (::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            ::close(m_fd);
            m_fd = -1;
            throw ESockException("Listen - Error Binding Socket");
        }
    }
    // A burst of connections waits in the kernel until the event loop takes it.
    if (::listen(m_fd, SOMAXCONN) != 0) {
        ::close(m_fd);
        m_fd = -1;
        throw ESockException("Listen - Error Starting Listen");
    }
    attachNotifiers(true);
    m_listening = true;
    report(siListen, QStringLiteral("Listening Started"));
}

bool TSock::Connect()
{
    if (m_fd >= 0)
        return m_connected;
    const quint16 port = lookupPort();
    SockAddress addr = lookupHost();
    const int family = addr.storage.ss_family;
    if (family == AF_INET6)
        reinterpret_cast<sockaddr_in6*>(&addr.storage)->sin6_port = htons(port);
    else
        reinterpret_cast<sockaddr_in*>(&addr.storage)->sin_port = htons(port);
    m_fd = newStreamSocket(family);
    if (m_fd < 0)
        return false;
    sendAtOnce(m_fd);
    m_connecting = true;
    attachNotifiers(false);

    if (::connect(m_fd, reinterpret_cast<sockaddr*>(&addr.storage), addr.length) != 0 && errno != EINPROGRESS) {
        // The attempt failed at once; it is reported like any later failure, from the
        // event loop, as an error notification.
        const int code = errno;
        m_connecting = false;
        m_connectFailed = true;
        QPointer<TSock> self(this);
        QTimer::singleShot(0, this, [self, code] {
            if (self)
                self->handleError(code);
        });
    }
    updateNotifiers();
    return m_connected;
}

bool TSock::Accept(TSock*& newSock)
{
    if (!m_listening)
        throw ESockException("Accept - Socket Not In Listening Mode");
    sockaddr_storage peer{};
    socklen_t len = sizeof peer;
    const int fd = ::accept4(m_fd, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        if (code == EMFILE || code == ENFILE || code == ENOBUFS || code == ENOMEM)
            pauseAccepting(code);
        report(siAccept, QStringLiteral("Could Not Accept Connection"));
        return false;
    }
    m_peer = peer;
    sendAtOnce(fd);
    if (m_acceptFailing) {
        m_acceptFailing = false;
        qWarning("socket: accepting connections again");
    }

    auto* sock = new TSock(this);
    sock->Blocking = Blocking;
    sock->BlockingTimeout = BlockingTimeout;
    sock->OnRead = OnRead;
    sock->OnWrite = OnWrite;
    sock->OnDisconnect = OnDisconnect;
    sock->OnInfo = OnInfo;
    sock->m_fd = fd;
    sock->attachNotifiers(false);
    sock->m_connected = true;
    sock->updateNotifiers();
    sock->setPortName(m_portName);
    sock->setHostName(peerAddress());
    newSock = sock;
    report(siAccept, QStringLiteral("Created New TSock Structure"));
    return true;
}

void TSock::pauseAccepting(int code)
{
    if (!m_acceptFailing) {
        m_acceptFailing = true;
        // Formatted without a stream: nothing here may need a descriptor of its own.
        qWarning("socket: cannot accept a connection: %s - trying again every %d ms",
                 qUtf8Printable(socketErrorText(code)), AcceptPauseMs);
    }
    if (m_acceptPaused || !m_readNotifier)
        return;
    m_acceptPaused = true;
    m_readNotifier->setEnabled(false);
    QTimer::singleShot(AcceptPauseMs, this, [this] {
        if (!m_acceptPaused)
            return;
        m_acceptPaused = false;
        if (m_listening && m_readNotifier)
            m_readNotifier->setEnabled(true);
    });
}

QString TSock::peerAddress() const
{
    char text[INET6_ADDRSTRLEN] = {};
    if (m_peer.ss_family == AF_INET6) {
        const in6_addr& a = reinterpret_cast<const sockaddr_in6*>(&m_peer)->sin6_addr;
        // An IPv4 player on the dual-stack listener is shown in dotted form.
        if (IN6_IS_ADDR_V4MAPPED(&a))
            ::inet_ntop(AF_INET, &a.s6_addr[12], text, sizeof text);
        else
            ::inet_ntop(AF_INET6, &a, text, sizeof text);
    } else {
        in_addr a{};
        if (m_peer.ss_family == AF_INET)
            a = reinterpret_cast<const sockaddr_in*>(&m_peer)->sin_addr;
        ::inet_ntop(AF_INET, &a, text, sizeof text);
    }
    return QString::fromLatin1(text);
}

quint16 TSock::boundPort() const
{
    if (m_fd < 0)
        return 0;
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        return 0;
    if (addr.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port);
    return ntohs(reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
}

bool TSock::Send(const QByteArray& text)
{
    if (m_fd < 0)
        throw ESockException("Send - Socket Not Connected");
    if (m_listening)
        throw ESockException("Send - Cannot Send On A Listener Socket");
    m_sendBuffer.append(text);
    if (m_sendBuffer.isEmpty())
        return true;
    report(siSend, QStringLiteral("Non-Blocking Outgoing Data"));
    flushSendBuffer();
    updateNotifiers();
    return true;
}

void TSock::flushSendBuffer()
{
    if (m_fd < 0 || m_sendBuffer.isEmpty())
        return;
    const ssize_t n = ::send(m_fd, m_sendBuffer.constData(), static_cast<size_t>(m_sendBuffer.size()),
        MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0)
        m_sendBuffer.remove(0, n);
}

QByteArray TSock::Receive()
{
    if (m_fd < 0 && m_receiveBuffer.isEmpty())
        throw ESockException("Receive - Socket Not Connected");
    if (m_listening)
        throw ESockException("Receive - Cannot Receive On A Listener Socket");
    QByteArray out;
    out.swap(m_receiveBuffer);
    return out;
}

bool TSock::Close()
{
    bool closed = false;
    try {
        const bool wasListener = m_listening;
        if (m_fd >= 0) {
            detachNotifiers();
            closed = ::close(m_fd) == 0;
            m_fd = -1;
        }
        m_connected = false;
        m_connecting = false;
        m_connectFailed = false;
        m_acceptPaused = false;
        if (!wasListener)
            report(siClose, QStringLiteral("Socket Closed"));
    } catch (...) {
        // Close never fails outward, not even when a report handler throws.
    }
    m_listening = false;
    return closed;
}

bool TSock::setKeepAlive(int idleSeconds, int intervalSeconds, int count)
{
    if (m_fd < 0)
        return false;
    const int on = 1;
    const unsigned userTimeoutMs = unsigned(idleSeconds + intervalSeconds * count) * 1000u;
    return ::setsockopt(m_fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) == 0
        && ::setsockopt(m_fd, IPPROTO_TCP, TCP_KEEPIDLE, &idleSeconds, sizeof idleSeconds) == 0
        && ::setsockopt(m_fd, IPPROTO_TCP, TCP_KEEPINTVL, &intervalSeconds, sizeof intervalSeconds) == 0
        && ::setsockopt(m_fd, IPPROTO_TCP, TCP_KEEPCNT, &count, sizeof count) == 0
        && ::setsockopt(m_fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeoutMs, sizeof userTimeoutMs) == 0;
}

// --- notifications from the event loop -------------------------------------------

void TSock::onReadReady()
{
    QPointer<TSock> self(this);
    try {
        if (m_listening)
            handleAccept();
        else
            handleRead();
    } catch (const std::exception& e) {
        qWarning().noquote() << "socket event handler failed:" << e.what();
    }
    if (self)
        updateNotifiers();
}

void TSock::onWriteReady()
{
    QPointer<TSock> self(this);
    try {
        if (m_connecting)
            handleConnectCompletion();
        else
            handleWrite();
    } catch (const std::exception& e) {
        qWarning().noquote() << "socket event handler failed:" << e.what();
    }
    if (self)
        updateNotifiers();
}

void TSock::handleAccept()
{
    if (OnAccept)
        OnAccept(this);
}

void TSock::handleRead()
{
    if (m_fd < 0)
        return;
    char area[kReadArea];
    const ssize_t n = ::recv(m_fd, area, sizeof area, MSG_DONTWAIT);
    if (n == 0) {
        handleCloseNotification();
        return;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        handleError(errno);
        return;
    }
    if (n > 0)
        m_receiveBuffer.append(area, n);
    QPointer<TSock> self(this);
    report(siReceive, QStringLiteral("Non-Blocking Incoming Data"));
    if (self && OnRead)
        OnRead(this, static_cast<int>(m_receiveBuffer.size()));
}

void TSock::handleWrite()
{
    QPointer<TSock> self(this);
    if (!m_sendBuffer.isEmpty())
        Send(QByteArray());
    if (!self)
        return;
    report(siSend, QStringLiteral("Non-Blocking Outgoing Data"));
    if (self && OnWrite)
        OnWrite(this);
}

void TSock::handleConnectCompletion()
{
    int err = 0;
    socklen_t len = sizeof err;
    if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0)
        err = errno;
    m_connecting = false;
    if (err != 0) {
        m_connectFailed = true;
        updateNotifiers();
        handleError(err);
        return;
    }
    m_connected = true;
    QPointer<TSock> self(this);
    report(siConnect, QStringLiteral("Non-Blocking Socket Connected"));
    if (self && OnConnect)
        OnConnect(this);
    // A completed connection is writable: the first write notification follows.
    if (self && m_fd >= 0)
        handleWrite();
}

void TSock::handleCloseNotification()
{
    QPointer<TSock> self(this);
    if (OnDisconnect)
        OnDisconnect(this);
    if (self)
        Close();
}

void TSock::handleError(int code)
{
    m_lastError = code;
    report(siError, socketErrorText(code));
}
