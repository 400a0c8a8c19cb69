#pragma once
// TServer: the game host on the network. A non-visual object that every copy of the
// program can create; it does nothing until startListening() is called.
//
// It listens on one TCP port (7772 unless told otherwise), accepts up to nine player
// connections, cuts each connection's bytes into messages, queues them per connection
// and hands them to the game logic (HostGame), taking the connections round-robin: a
// message that finds the host idle is handled at once, and while messages keep coming
// one is handled every 10 ms. Its 1-second clock drives the rounds. Neither timer runs
// while there is nothing to do: the dispatch tick only while messages wait, the clock
// only while a game runs. Everything runs on the thread that owns the object, from the
// Qt event loop; there are no threads.
//
// Use:
//     SeededRandom random(seed);            // must outlive the host
//     TServer host(parent, random);          // or TServer(parent, random, port)
//     host.startListening();                 // throws ESockException on failure
//     host.port();                           // the port actually listened on (for port 0)
//
// The hosting player's own client then connects to 127.0.0.1 on that port like any
// other player and gets slot 1. A connection that sends more than SlotQueues'
// cap of unhandled messages, or that lets more than kMaxSendBacklog bytes pile up
// unread, is closed; so is one that has not logged in within 30 seconds, checked by a
// single-shot timer that runs only while such a connection exists.
#include "net/GameConstants.h"
#include "host/HostGame.h"
#include "host/SlotQueues.h"
#include "host/WordLists.h"
#include "net/DispatchTimer.h"
#include "net/MessageFramer.h"
#include "net/Sock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>

class RandomSource;

class TServer : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kDefaultPort = game::DefaultPort;
    static constexpr int kSockTimerMs = 10;
    static constexpr int kClockMs = 1000;
    static constexpr qsizetype kMaxSendBacklog = 4 * 1024 * 1024;

    // `random` draws every word and board; it must outlive the host. Port 0 takes a
    // free port when listening starts.
    TServer(QObject* parent, RandomSource& random, quint16 port = kDefaultPort);
    ~TServer() override;

    // Switches the listening socket on. Throws ESockException ("Listen - Error
    // Binding Socket", ...) when the port cannot be taken.
    void startListening();
    // Stops taking new connections and frees the port; players already in stay.
    void stopListening();
    bool isListening() const;
    // The port listened on once listening, otherwise the configured one.
    quint16 port() const;

    // Receives one line per connection, login, game start, round end and winner.
    // Refused messages always go to the warning log (stderr).
    void setEventLog(std::function<void(const QString& line)> log) { m_eventLog = std::move(log); }

    const HostGame& game() const { return m_game; }
    const SlotQueues& queues() const { return m_queues; }
    // The dispatch tick (its pace can be set for tests) and whether the game clock runs.
    DispatchTimer& dispatchTimer() { return socktimer; }
    bool clockRunning() const { return timer1.isActive(); }

    // How long a connection may take to log in before it is closed (30 s unless set).
    void setLoginTimeout(int ms) { m_game.setLoginTimeoutMs(ms); }
    // True while the timer for overdue logins is set, i.e. while some connection has
    // not logged in yet.
    bool loginTimerActive() const { return m_loginTimer.isActive(); }

private:
    struct Connection {
        QPointer<TSock> sock;
        MessageFramer framer;
    };

    void Sock1Accept(TSock* listener);
    void Sock1Read(TSock* sender, int count);
    void tempsockDisconnect(TSock* sender);
    void tempsockInfo(TSock* sender, TSocketInfo kind, const QString& msg);
    void socktimerTimer();
    void timer1Timer();

    HostLink makeLink();
    void send(int slot, const Message& message);
    void disconnectsock(int slot);
    // The slot whose current connection is `sock`, or 0.
    int slotOf(TSock* sock) const;
    void logEvent(const QString& line) const;

    quint16 m_port;
    WordLists m_words;
    TSock* Sock1 = nullptr;
    std::array<Connection, PlayerTable::kFullSlot + 1> m_connections; // index 0 unused
    SlotQueues m_queues;
    DispatchTimer socktimer{kSockTimerMs};
    QTimer timer1;
    QTimer m_loginTimer;
    QElapsedTimer m_uptime;
    std::function<void(const QString&)> m_eventLog;
    HostGame m_game;
    bool m_destroying = false;
};
