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

    m_timer1.setInterval(TickMs);
    connect(&m_timer1, &QTimer::timeout, this, [this] {
        processsocktimer();
        emit ticked();
    });
    m_timer1.start();
}

ClientConnection::~ClientConnection()
{
    // Destroying a connected socket reports "Socket Closed"; nobody should hear it now.
    m_sock->OnRead = nullptr;
    m_sock->OnInfo = nullptr;
}

void ClientConnection::connectToHost(const QString& host, const QString& port)
{
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
    const QList<QByteArray> messages = m_framer.feed(bytes);
    for (const QByteArray& m : messages) {
        if (m_receivedlist.size() >= MaxQueued || m_receivedlist.bytes() + m.size() > MaxQueuedBytes) {
            if (!m_dropWarned)
                qWarning() << "the host sends faster than it can be handled; dropping messages";
            m_dropWarned = true;
            continue;
        }
        m_dropWarned = false;
        m_receivedlist.push(m);
    }
}

void ClientConnection::processsocktimer()
{
    if (m_receivedlist.isEmpty())
        return;
    m_dispatcher.dispatch(m_receivedlist.take());
}

void ClientConnection::sockInfo(TSock*, TSocketInfo, const QString& msg)
{
    if (msg == QLatin1String("Socket Closed"))
        emit socketClosed();
}
