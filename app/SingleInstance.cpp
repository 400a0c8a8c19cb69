#include "app/SingleInstance.h"

#include <QDebug>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr char kRaise[] = "raise\n";
constexpr int kWaitMs = 2000;

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent)
    , m_key(key)
{
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

SingleInstance::~SingleInstance()
{
    m_server.close();
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
        // A copy that crashed may have left its socket behind.
        QLocalServer::removeServer(socketPath());
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server.listen(socketPath()))
            qWarning().noquote() << "single instance: cannot listen on" << socketPath() << "-" << m_server.errorString();
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

void SingleInstance::release()
{
    m_server.close();
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

bool SingleInstance::askFirstCopy() const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kRaise);
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return sent;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket* peer = m_server.nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            const QByteArray request = peer->readAll();
            if (request.startsWith("raise")) {
                qInfo("another copy was started: showing this window");
                emit raiseRequested();
            }
            peer->disconnectFromServer();
        });
    }
}
