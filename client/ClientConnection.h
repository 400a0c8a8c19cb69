#pragma once
// The client's line to the game host: the socket `sock`, the silent lobby socket
// `Sock11`, the cutting of received bytes into messages, the receive queue
// `receivedlist` and the dispatch timer `Timer1`, which hands one message per tick
// to the handler of its command word.
//
// Reading only queues; every handler runs later from a Timer1 tick, so handlers never
// run inside a socket notification and a burst is worked off one message per tick.
#include "net/GameConstants.h"
#include "net/Dispatcher.h"
#include "net/Message.h"
#include "net/MessageFramer.h"
#include "net/ReceiveQueue.h"
#include "net/Sock.h"

#include <QObject>
#include <QString>
#include <QTimer>

class ClientConnection : public QObject {
    Q_OBJECT
public:
    // Timer1's period: short enough to keep up with the host, long enough to idle cheaply.
    static constexpr int TickMs = 12;
    // A host that floods us cannot grow the queue without bound.
    static constexpr std::size_t MaxQueued = 20000;
    static constexpr qsizetype MaxQueuedBytes = 8 * 1024 * 1024;
    static constexpr const char* LobbyPort = "9001";

    explicit ClientConnection(QObject* parent = nullptr);
    ~ClientConnection() override;

    // The table of command words and their handlers.
    Dispatcher& dispatcher() { return m_dispatcher; }

    // Connects `sock` to the host; a name that does not resolve is logged and leaves
    // the client unconnected.
    void connectToHost(const QString& host, const QString& port = QString::number(game::DefaultPort));
    // Connects `Sock11` to the lobby on this machine; nothing is sent or read on it.
    void connectLobby(const QString& port = QString::fromLatin1(LobbyPort));
    // Sends one message to the host; without a connection it is logged and dropped.
    void send(const Message& message);

    // One Timer1 tick: dispatches the oldest queued message, if any.
    void processsocktimer();
    // Takes the bytes of one read, as sockRead does (public so tests can feed bytes).
    void receiveBytes(const QByteArray& bytes);

    std::size_t queued() const { return m_receivedlist.size(); }
    qsizetype queuedBytes() const { return m_receivedlist.bytes(); }
    QTimer& timer1() { return m_timer1; }
    TSock& sock() { return *m_sock; }
    TSock& lobbySock() { return *m_sock11; }
    QString hostName() const { return m_sock->HostName(); }

signals:
    // `sock` reported "Socket Closed": the host ended or removed this player.
    void socketClosed();
    // Every Timer1 tick, after the dispatch (the quick-phrase pause counts them).
    void ticked();

private:
    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, TSocketInfo kind, const QString& msg);

    TSock* m_sock;
    TSock* m_sock11;
    MessageFramer m_framer;
    ReceiveQueue m_receivedlist{QByteArray("receivedlist")};
    Dispatcher m_dispatcher{QStringLiteral("client")};
    QTimer m_timer1;
    bool m_dropWarned = false;
};
