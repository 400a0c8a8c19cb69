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
//
// The host is given as a dotted IPv4 address, an IPv6 address or a host name. A name is
// looked up without blocking the window, and its addresses are tried in turn. When no
// connection can be made, connectFailed() says why. When the host closes the connection,
// every message that arrived before the close is still handled, and only then does
// socketClosed() end the game. A connection is watched with the system's keep-alive
// probes (they carry no data, so a host of any version is unaffected): a host that
// vanished without a word is reported as a lost connection within about 25 seconds.
#include "net/GameConstants.h"
#include "net/DispatchTimer.h"
#include "net/Dispatcher.h"
#include "net/Message.h"
#include "net/MessageFramer.h"
#include "net/ReceiveQueue.h"
#include "net/Sock.h"
#include "client/ProjectPlugin.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class HostLookup;

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

    // Connects `sock` to the host: a numeric address at once, a host name once it has been
    // looked up (in the background). Failure is announced with connectFailed().
    void connectToHost(const QString& host, const QString& port = QString::number(game::DefaultPort));
    // Ends the connection from this side for good: the socket is closed, waiting messages
    // are dropped, and nothing more is handled or announced.
    void finish();
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
    // The host as it was asked for (name or address).
    QString hostName() const { return m_hostName; }
    // A host name is being looked up.
    bool resolving() const { return m_phase == Phase::Resolving; }

    // Why a connection attempt failed, in words for the chat: "connection refused", ...
    static QString failureReason(int errorCode);

signals:
    // The host closed the connection: it ended the game or removed this player. `lost`
    // when the connection broke with an error instead (a reset, a timeout). Announced
    // from a Timer1 tick once every message that arrived before the close is handled.
    void socketClosed(bool lost);
    // No connection could be made to `host` on `port`; the client stays unconnected.
    void connectFailed(const QString& host, const QString& port, const QString& reason);
    // The host sent more than MaxQueued messages (or MaxQueuedBytes) that were not yet
    // handled; the queue has been emptied and the connection closed by this end.
    void floodClosed();

private:
    enum class Phase {
        Idle,       // no connection asked for, or the last attempt failed
        Resolving,  // a host name is being looked up
        Connecting, // a connection to one of the host's addresses is being made
        Connected,
        Closing,    // the host closed; what it sent before is still being handled
        Ended,      // closed by this end, or the close announced: nothing more happens
    };

    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, TSocketInfo kind, const QString& msg);
    void closeForFlood();
    void hostLookedUp(const QStringList& addresses);
    void tryNextAddress();
    void fail(const QString& reason);
    void abortLookup();

    TSock* m_sock;
    TSock* m_sock11;
    MessageFramer m_framer;
    ReceiveQueue m_receivedlist{QByteArray("receivedlist")};
    Dispatcher m_dispatcher{QStringLiteral("client")};
    DispatchTimer m_timer1{TickMs};
    Phase m_phase = Phase::Idle;
    QString m_hostName;       // as asked for
    QString m_portName;
    QStringList m_addresses;  // the host's addresses not yet tried
    ProjectPlugin m_network;  // looks host names up, loaded with the first name
    std::unique_ptr<HostLookup> m_lookup; // the running host-name lookup
    bool m_lost = false;      // the connection broke with an error before it closed
};
