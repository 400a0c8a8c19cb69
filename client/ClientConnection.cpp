#include "client/ClientConnection.h"

#include "client/NetworkBackend.h"

#include <QDebug>
#include <QTimer>

#include <arpa/inet.h>
#include <cerrno>

namespace {

// An address TSock connects to as it is written, without asking the resolver.
bool isNumericAddress(const QString& address)
{
    const QByteArray text = address.toLatin1();
    unsigned char bytes[sizeof(in6_addr)];
    return ::inet_pton(AF_INET, text.constData(), bytes) == 1 || ::inet_pton(AF_INET6, text.constData(), bytes) == 1;
}

} // namespace

ClientConnection::ClientConnection(QObject* parent)
    : QObject(parent)
    , m_sock(new TSock(this))
    , m_sock11(new TSock(this))
    , m_network(QString::fromLatin1(NetworkBackend::LibraryName))
{
    m_sock->setPortName(QString::number(game::DefaultPort));
    m_sock->OnRead = [this](TSock* s, int count) { sockRead(s, count); };
    m_sock->OnInfo = [this](TSock* s, TSocketInfo kind, const QString& msg) { sockInfo(s, kind, msg); };
    m_sock11->setHostName(QStringLiteral("127.0.0.1"));
    m_sock11->setPortName(QString::fromLatin1(LobbyPort));

    connect(&m_timer1, &DispatchTimer::tick, this, &ClientConnection::processsocktimer);
    m_timer1.wake(); // the queue's placeholder entry
}

ClientConnection::~ClientConnection()
{
    abortLookup();
    // Destroying a connected socket reports "Socket Closed"; nobody should hear it now.
    m_sock->OnRead = nullptr;
    m_sock->OnInfo = nullptr;
}

void ClientConnection::connectToHost(const QString& host, const QString& port)
{
    abortLookup();
    m_phase = Phase::Idle; // a close of an earlier socket below is not the host's
    if (m_sock->hasHandle())
        m_sock->Close();
    m_framer.clear();
    m_lost = false;
    m_hostName = host;
    m_portName = port;
    m_addresses.clear();

    QString address = host.trimmed();
    if (address.startsWith(QLatin1Char('[')) && address.endsWith(QLatin1Char(']')))
        address = address.mid(1, address.size() - 2);
    if (address.isEmpty()) {
        fail(QStringLiteral("no host address given"));
        return;
    }
    if (isNumericAddress(address)) {
        m_addresses.append(address);
        tryNextAddress();
        return;
    }
    // The system's resolver may take seconds; the network plugin runs it outside the event
    // loop's thread and its answer comes back through the event loop.
    const NetworkBackend* network = m_network.as<NetworkBackend>();
    if (!network) {
        fail(QStringLiteral("host names cannot be looked up (") + m_network.failure() + QLatin1Char(')'));
        return;
    }
    m_phase = Phase::Resolving;
    m_lookup = network->lookUp(address, [this](const QStringList& addresses) { hostLookedUp(addresses); });
}

void ClientConnection::hostLookedUp(const QStringList& addresses)
{
    if (m_phase != Phase::Resolving)
        return;
    m_lookup.reset();
    m_addresses = addresses;
    if (m_addresses.isEmpty()) {
        fail(QStringLiteral("host not found"));
        return;
    }
    tryNextAddress();
}

void ClientConnection::tryNextAddress()
{
    m_phase = Phase::Connecting;
    if (m_sock->hasHandle())
        m_sock->Close(); // the last address's failed attempt; not a close of the host's
    const QString address = m_addresses.takeFirst();
    try {
        m_sock->setHostName(address);
        m_sock->setPortName(m_portName);
        m_sock->Connect();
    } catch (const ESockException& e) {
        fail(QString::fromLatin1(e.what()));
    }
}

void ClientConnection::fail(const QString& reason)
{
    m_phase = Phase::Idle;
    m_addresses.clear();
    qWarning().noquote() << "cannot connect to" << m_hostName << "port" << m_portName << "-" << reason;
    emit connectFailed(m_hostName, m_portName, reason);
}

void ClientConnection::abortLookup()
{
    m_lookup.reset();
}

QString ClientConnection::failureReason(int errorCode)
{
    switch (errorCode) {
    case ECONNREFUSED: return QStringLiteral("connection refused");
    case ETIMEDOUT: return QStringLiteral("no answer (timed out)");
    case EHOSTUNREACH: return QStringLiteral("host unreachable");
    case ENETUNREACH: return QStringLiteral("network unreachable");
    case ECONNRESET: return QStringLiteral("connection reset");
    case EADDRNOTAVAIL: return QStringLiteral("address not available");
    case EAFNOSUPPORT: return QStringLiteral("this machine cannot reach that kind of address");
    default: return socketErrorText(errorCode);
    }
}

void ClientConnection::finish()
{
    abortLookup();
    m_phase = Phase::Ended;
    m_addresses.clear();
    m_receivedlist.clear();
    m_framer.clear();
    m_timer1.stop();
    if (m_sock->hasHandle())
        m_sock->Close();
}

void ClientConnection::connectLobby(const QString& port)
{
    try {
        m_sock11->setPortName(port);
        m_sock11->Connect();
    } catch (const ESockException& e) {
        qWarning().noquote() << "cannot reach the lobby -" << e.what();
    }
}

void ClientConnection::send(const Message& message)
{
    try {
        m_sock->Send(message.bytes());
    } catch (const ESockException& e) {
        qWarning().noquote() << "not sent:" << message.text().left(40) << "-" << e.what();
    }
}

void ClientConnection::sockRead(TSock* sender, int)
{
    try {
        receiveBytes(sender->Receive());
    } catch (const ESockException& e) {
        qWarning().noquote() << "read failed -" << e.what();
    }
}

void ClientConnection::receiveBytes(const QByteArray& bytes)
{
    if (m_phase == Phase::Ended)
        return;
    const QList<QByteArray> messages = m_framer.feed(bytes);
    for (const QByteArray& m : messages) {
        if (m_receivedlist.size() >= MaxQueued || m_receivedlist.bytes() + m.size() > MaxQueuedBytes) {
            closeForFlood();
            return;
        }
        m_receivedlist.push(m);
    }
    if (!m_receivedlist.isEmpty())
        m_timer1.wake();
}

// Dropping messages would leave the game wrong without anybody knowing; closing says
// so once, in the log and through floodClosed().
void ClientConnection::closeForFlood()
{
    qWarning("client: the host sent more than %zu unhandled messages (or %lld bytes); closing the connection",
             MaxQueued, static_cast<long long>(MaxQueuedBytes));
    finish();
    emit floodClosed();
}

void ClientConnection::processsocktimer()
{
    for (int i = 0; i < BatchPerTick && !m_receivedlist.isEmpty(); ++i)
        m_dispatcher.dispatch(m_receivedlist.take());
    if (!m_receivedlist.isEmpty()) {
        m_timer1.wake();
        return;
    }
    m_timer1.stop();
    if (m_phase == Phase::Closing) {
        m_phase = Phase::Ended;
        emit socketClosed(m_lost);
    }
}

void ClientConnection::sockInfo(TSock*, TSocketInfo kind, const QString& msg)
{
    switch (m_phase) {
    case Phase::Connecting:
        if (kind == siConnect) {
            m_phase = Phase::Connected;
            // A host that vanishes without a word (the network gone) is noticed within
            // about 25 seconds, as a lost connection.
            m_sock->setKeepAlive(game::KeepAliveIdleSeconds, game::KeepAliveIntervalSeconds, game::KeepAliveProbes);
        } else if (kind == siError) {
            const int code = m_sock->lastError();
            if (m_addresses.isEmpty()) {
                fail(failureReason(code));
            } else {
                qInfo().noquote() << "cannot connect to" << m_sock->HostName() << "-" << failureReason(code)
                                  << "- trying the next address";
                // From the event loop, not inside the socket's own notification.
                QTimer::singleShot(0, this, [this] {
                    if (m_phase == Phase::Connecting && !m_addresses.isEmpty())
                        tryNextAddress();
                });
            }
        }
        return;
    case Phase::Connected:
        if (kind == siError) {
            m_lost = true; // a reset or a timeout: the close that follows is no host's doing
        } else if (msg == QLatin1String("Socket Closed")) {
            // The host ended the game or removed this player. What it sent before that is
            // handled first, so a last chat line, a winner or "Game is full" is seen.
            m_phase = Phase::Closing;
            m_timer1.wake();
        }
        return;
    default:
        // A close of our own making, or of an attempt that failed, is not the host going
        // away: the window stays open to say why.
        return;
    }
}
