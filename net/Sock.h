#pragma once
// TSock: an event-driven, non-blocking TCP socket.
//
// Every operation returns at once. Readiness of the network (data arrived, room to
// write, a connection completed, a peer connected or hung up) comes from the Qt event
// loop through QSocketNotifier and is turned into the events below, on the thread
// that owns the object. The socket delivers bytes exactly as they arrive; cutting them
// into messages is the job of MessageFramer.
//
// IPv4 and IPv6 both work: a listener takes both on one dual-stack socket (plain IPv4
// where the machine has no IPv6), and HostName may be a dotted IPv4 address, an IPv6
// address or a host name.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <stdexcept>

#include <netinet/in.h>
#include <sys/socket.h>

class QSocketNotifier;

// A socket address of either family, with its length.
struct SockAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;
};

class ESockException : public std::runtime_error {
public:
    explicit ESockException(const char* msg) : std::runtime_error(msg) {}
};

enum TSocketType { stStream = 0, stDatagram = 1 };
enum TLineBreak { lbCRLF = 0, lbCR = 1, lbLF = 2, lbSmart = 3 };
enum TSocketInfo { siLookup = 0, siConnect, siClose, siListen, siReceive, siSend, siAccept, siError };

// The kind-name text of an information kind ("Lookup", "Connect", ...).
QString socketInfoName(TSocketInfo kind);
// "Error #" + code + " (" + symbolic name + ")", with "UNKNOWN ERROR" for a code without a name.
QString socketErrorText(int code);

class TSock : public QObject {
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(TSock* sender)>;
    using NotifyReadEvent = std::function<void(TSock* sender, int count)>;
    using NotifyInfoEvent = std::function<void(TSock* sender, TSocketInfo kind, const QString& msg)>;

    explicit TSock(QObject* owner = nullptr);
    ~TSock() override;

    // Stored properties. Blocking mode, datagrams and AutoAccept are not supported;
    // the properties are kept so the objects can be configured as the game expects.
    TSocketType SocketType = stStream;
    bool Blocking = false;
    bool AutoAccept = false;
    TLineBreak LineBreak = lbSmart; // stored and ignored: received data is never split or altered
    int BlockingTimeout = 0;
    int Tag = 0;

    NotifyEvent OnConnect;
    NotifyEvent OnDisconnect;
    NotifyEvent OnWrite;
    NotifyEvent OnAccept;
    NotifyReadEvent OnRead;
    NotifyInfoEvent OnInfo;

    QString HostName() const { return m_hostName; }
    void setHostName(const QString& name);
    QString PortName() const { return m_portName; }
    void setPortName(const QString& name);

    bool Listen() const { return m_listening; }
    void setListen(bool on);

    bool Connect();
    bool Accept(TSock*& newSock);
    bool Send(const QByteArray& text);
    QByteArray Receive();
    bool Close();

    bool Connected() const { return m_connected; }
    bool hasHandle() const { return m_fd >= 0; }
    int handle() const { return m_fd; }
    // Peer address of the last accepted connection (on a listener): dotted IPv4 (also
    // for an IPv4 peer of the dual-stack listener) or IPv6 text.
    QString peerAddress() const;
    // The error code of the last siError report (0 before any).
    int lastError() const { return m_lastError; }
    quint16 boundPort() const; // the local port of an open handle (0 if none)
    // Has the system watch a connection that may vanish without a word (a laptop's
    // wifi gone, a router restarted): after `idleSeconds` without traffic it sends an
    // empty probe every `intervalSeconds`, and `count` unanswered probes, or data left
    // unacknowledged for as long as all that, end the connection with an error
    // (ETIMEDOUT). Probes carry no data: the peer's program never sees them. False
    // without an open handle or when the system refuses.
    bool setKeepAlive(int idleSeconds, int intervalSeconds, int count);

    // Milliseconds a listener stops accepting after running out of file descriptors.
    static constexpr int AcceptPauseMs = 250;
    // A listener that ran out of descriptors waits before it tries to accept again.
    bool acceptPaused() const { return m_acceptPaused; }

    qsizetype sendBufferSize() const { return m_sendBuffer.size(); }
    qsizetype receiveBufferSize() const { return m_receiveBuffer.size(); }

    // The process-wide cache of resolved host names (case-insensitive keys).
    static bool hostCacheContains(const QString& name);

private:
    void report(TSocketInfo kind, const QString& msg);
    quint16 lookupPort();
    SockAddress lookupHost();
    void attachNotifiers(bool forListener);
    void detachNotifiers();
    void flushSendBuffer();
    // Read interest while connected; write interest only while connecting or with unsent bytes.
    void updateNotifiers();

    void onReadReady();
    void onWriteReady();
    void handleRead();
    void handleWrite();
    void handleConnectCompletion();
    void handleAccept();
    void handleCloseNotification();
    void handleError(int code);
    // accept() failed for want of descriptors or memory: the pending connection keeps
    // the listener readable, so it is not watched for a moment instead of being
    // retried at once in a busy loop.
    void pauseAccepting(int code);

    int m_fd = -1;
    bool m_connected = false;
    bool m_listening = false;
    bool m_connecting = false;
    bool m_connectFailed = false; // a failed attempt leaves the handle open but silent
    bool m_acceptPaused = false;
    bool m_acceptFailing = false; // since the last accept that succeeded (logged once)
    QString m_hostName;
    QString m_portName;
    QByteArray m_receiveBuffer;
    QByteArray m_sendBuffer;
    int m_lastError = 0;
    sockaddr_storage m_peer{};
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
};
