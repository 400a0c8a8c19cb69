#pragma once
// The client's line to the game host: the socket `sock`, the silent lobby socket
// `Sock11`, the cutting of received bytes into messages, the receive queue
// `receivedlist` and the dispatch timer `Timer1`, which hands the queued messages, in
// order, to the handlers of their command words.
//
// Reading only queues; every handler runs later from a Timer1 tick, so handlers never
// run inside a socket notification. Timer1 runs only while messages wait: a message
// that finds the queue idle is handled at once, and a burst is worked off a bounded
// batch per tick, far faster than any host sends. A host that still fills the queue
// is cut off: the connection is closed and floodClosed() says so.
#include "net/GameConstants.h"
#include "net/DispatchTimer.h"
#include "net/Dispatcher.h"
#include "net/Message.h"
#include "net/MessageFramer.h"
#include "net/ReceiveQueue.h"
#include "net/Sock.h"

#include <QObject>
#include <QString>

class ClientConnection : public QObject {
    Q_OBJECT
public:
    // Timer1's period while messages wait.
    static constexpr int TickMs = 12;
    // Messages handled per tick: some 5,000 a second, against the host's 100 handled
    // messages a second, each answered with at most a dozen; the bound keeps the window
    // responsive while a burst is worked off.
    static constexpr int BatchPerTick = 64;
    // A host that sends more than this waiting is closed, so the queue stays bounded.
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

    // One Timer1 tick: dispatches up to BatchPerTick of the oldest queued messages, in order.
    void processsocktimer();
    // Takes the bytes of one read, as sockRead does (public so tests can feed bytes).
    void receiveBytes(const QByteArray& bytes);

    std::size_t queued() const { return m_receivedlist.size(); }
    qsizetype queuedBytes() const { return m_receivedlist.bytes(); }
    DispatchTimer& timer1() { return m_timer1; }
    TSock& sock() { return *m_sock; }
    TSock& lobbySock() { return *m_sock11; }
    QString hostName() const { return m_sock->HostName(); }

signals:
    // `sock` reported "Socket Closed": the host ended or removed this player.
    void socketClosed();
    // The host sent more than MaxQueued messages (or MaxQueuedBytes) that were not yet
    // handled; the queue has been emptied and the connection closed by this end.
    void floodClosed();

private:
    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, TSocketInfo kind, const QString& msg);
    void closeForFlood();

    TSock* m_sock;
    TSock* m_sock11;
    MessageFramer m_framer;
    ReceiveQueue m_receivedlist{QByteArray("receivedlist")};
    Dispatcher m_dispatcher{QStringLiteral("client")};
    DispatchTimer m_timer1{TickMs};
    bool m_flooded = false; // closed by closeForFlood(); what still arrives is ignored
};
