#include "client/ClientConnection.h"

#include <QDebug>

ClientConnection::ClientConnection(QObject* parent)
    : QObject(parent)
    , m_sock(new TSock(this))
    , m_sock11(new TSock(this))
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
    // Destroying a connected socket reports "Socket Closed"; nobody should hear it now.
    m_sock->OnRead = nullptr;
    m_sock->OnInfo = nullptr;
}

void ClientConnection::connectToHost(const QString& host, const QString& port)
{
    m_flooded = false;
    m_framer.clear();
    try {
        m_sock->setHostName(host);
        m_sock->setPortName(port);
        m_sock->Connect();
    } catch (const ESockException& e) {
        qWarning().noquote() << "cannot connect to" << host << "port" << port << "-" << e.what();
    }
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
    if (m_flooded)
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
    m_flooded = true;
    m_receivedlist.clear();
    m_framer.clear();
    m_timer1.stop();
    m_sock->Close();
    emit floodClosed();
}

void ClientConnection::processsocktimer()
{
    for (int i = 0; i < BatchPerTick && !m_receivedlist.isEmpty(); ++i)
        m_dispatcher.dispatch(m_receivedlist.take());
    if (m_receivedlist.isEmpty())
        m_timer1.stop();
    else
        m_timer1.wake();
}

void ClientConnection::sockInfo(TSock*, TSocketInfo, const QString& msg)
{
    // A close of our own making is not the host going away: the window stays to say why.
    if (msg == QLatin1String("Socket Closed") && !m_flooded)
        emit socketClosed();
}
