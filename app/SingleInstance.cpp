#include "app/SingleInstance.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char kRaise[] = "raise\n";
constexpr int kWaitMs = 2000;
// A request is one short line; a peer that sends more is not one of ours.
constexpr qsizetype kLongestRequest = 64;

// The socket's address; false when the path does not fit one.
bool unixAddress(const QString& path, sockaddr_un& address)
{
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.isEmpty() || std::size_t(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
    return true;
}

// Waits until `fd` is ready for `events` or the deadline has passed.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    pollfd p{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&p, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent)
    , m_key(key)
{
}

SingleInstance::~SingleInstance()
{
    stopListening();
}

QString SingleInstance::runtimeFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir;
}

QString SingleInstance::lockPathFor(const QString& key)
{
    return runtimeFolder() + QLatin1Char('/') + key + QStringLiteral(".lock");
}

QString SingleInstance::lockPath() const
{
    return lockPathFor(m_key);
}

QString SingleInstance::socketPath() const
{
    return runtimeFolder() + QLatin1Char('/') + m_key + QStringLiteral(".socket");
}

bool SingleInstance::claim()
{
    m_lock = std::make_unique<QLockFile>(lockPath());
    m_lock->setStaleLockTime(0); // stale only when its process has gone
    if (m_lock->tryLock(0)) {
        if (!listen()) {
            const int error = errno;
            qWarning().noquote() << "single instance: cannot listen on" << socketPath() << "-" << std::strerror(error);
        }
        return true;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        // No way to tell whether another copy runs (an unwritable folder): run anyway.
        qWarning().noquote() << "single instance: cannot use" << lockPath();
        return true;
    }
    m_lock.reset();
    if (!askFirstCopy())
        qWarning() << "single instance: another copy is running but did not answer";
    return false;
}

bool SingleInstance::listen()
{
    const QString path = socketPath();
    sockaddr_un address;
    if (!unixAddress(path, address)) {
        errno = ENAMETOOLONG;
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A copy that crashed may have left its socket behind; the lock says it is gone.
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    m_listener = fd;
    m_accepting = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_accepting.get(), &QSocketNotifier::activated, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::stopListening()
{
    while (!m_peers.empty())
        dropPeer(m_peers.begin()->first);
    if (m_listener < 0)
        return;
    m_accepting.reset();
    ::close(m_listener);
    m_listener = -1;
    ::unlink(QFile::encodeName(socketPath()).constData());
}

void SingleInstance::release()
{
    stopListening();
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

bool SingleInstance::askFirstCopy() const
{
    sockaddr_un address;
    if (!unixAddress(socketPath(), address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const QDeadlineTimer deadline(kWaitMs);
    bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && (errno == EAGAIN || errno == EINPROGRESS) && waitFor(fd, POLLOUT, deadline)) {
        int error = 0;
        socklen_t length = sizeof error;
        connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    std::size_t sent = 0;
    while (connected && sent < sizeof kRaise - 1) {
        const ssize_t n = ::send(fd, kRaise + sent, sizeof kRaise - 1 - sent, MSG_NOSIGNAL);
        if (n > 0)
            sent += std::size_t(n);
        else if (n < 0 && errno == EAGAIN && waitFor(fd, POLLOUT, deadline))
            continue;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    ::close(fd);
    return sent == sizeof kRaise - 1;
}

void SingleInstance::onNewConnection()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return; // none waiting (or out of descriptors: the notifier calls again)
        Peer& peer = m_peers[fd];
        peer.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(peer.notifier.get(), &QSocketNotifier::activated, this, [this, fd] { onPeerReadable(fd); });
    }
}

void SingleInstance::onPeerReadable(int fd)
{
    const auto it = m_peers.find(fd);
    if (it == m_peers.end())
        return;
    QByteArray& request = it->second.request;
    char buffer[kLongestRequest];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            request.append(buffer, n);
            if (request.size() <= kLongestRequest && !request.contains('\n'))
                continue;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            return; // the rest follows
        }
        break; // a whole line, the end, an error, or too much
    }
    const bool raise = request.startsWith("raise");
    dropPeer(fd);
    if (raise) {
        qInfo("another copy was started: showing this window");
        emit raiseRequested();
    }
}

void SingleInstance::dropPeer(int fd)
{
    const auto it = m_peers.find(fd);
    if (it == m_peers.end())
        return;
    m_peers.erase(it); // the notifier goes before its socket
    ::close(fd);
}
