#pragma once
// TServer: the game host on the network. A non-visual object that every copy of the
// program can create; it does nothing until startListening() is called.
//
// It listens on one TCP port (7772 unless told otherwise), accepts up to nine player
// connections, cuts each connection's bytes into messages, queues them per connection
// and hands them to the game logic (HostGame). Each connection is paced on its own: its
// messages are handled at most one every 10 ms, and a message whose connection is due
// is handled as soon as its bytes have been read, without waiting for a tick or for
// another connection's messages. Every pass over the queues, on arrival or from the
// dispatch timer, handles the next message of each due connection in turn, so a
// connection that floods the host delays another's message by at most one pass. The
// dispatch timer runs only while some connection has messages waiting for its pace;
// the 1-second clock, which drives the rounds, only while a game runs. Everything runs
// on the thread that owns the object, from the Qt event loop; there are no threads.
//
// The lines about connections (accepted, closed, refused) are limited per source
// address (ConnectionLog), so connections made and dropped in a loop cannot flood the
// log.
//
// Use:
//     SeededRandom random(seed);            // must outlive the host
//     TServer host(parent, random);          // or TServer(parent, random, port)
//     host.startListening();                 // throws ESockException on failure
//     host.port();                           // the port actually listened on (for port 0)
//
// The hosting player's own client then connects to 127.0.0.1 on that port like any
// other player and gets slot 1; his program sets the lead rule that keeps the lead
// with him (HostGame::LeadRule::HostingPlayer). A dedicated host keeps the default:
// the longest-connected seated player leads.
//
// Seats of players whose connection drops during a game are kept for them (90 seconds
// unless setSeatHoldSeconds() says otherwise), timed by a single-shot timer that runs
// only while some seat is kept. Every connection is watched with the system's
// keep-alive probes, so one that vanished without a word is noticed (and its seat
// kept) within about 25 seconds. Connections the host closes on purpose are told so
// first (CMD_closing); so are all of them when the host ends. A connection that sends more than SlotQueues'
// cap of unhandled messages, or that lets more than kMaxSendBacklog bytes pile up
// unread, is closed; so is one that has not logged in within 30 seconds, checked by a
// single-shot timer that runs only while such a connection exists.
#include "net/GameConstants.h"
#include "host/ConnectionLog.h"
#include "host/HostGame.h"
#include "host/SlotQueues.h"
#include "host/WordLists.h"
#include "net/MessageFramer.h"
#include "net/Sock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

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
    // Milliseconds between two messages handled from one connection, and the clock
    // they are counted on (an empty clock: the host's own steady clock). For tests.
    void setDispatchPace(int periodMs, std::function<qint64()> clock);
    // True while the dispatch timer waits for a connection's pace to allow its next message.
    bool dispatchTimerActive() const { return socktimer.isActive(); }
    bool clockRunning() const { return timer1.isActive(); }
    // One pass: handles the next waiting message of every connection that is due, in
    // turn, and sets the dispatch timer for the next one that is not. The dispatch
    // timer's handler, public so that tests can pass their own clock's time.
    void socktimerTimer();

    // How long a connection may take to log in before it is closed (30 s unless set).
    void setLoginTimeout(int ms) { m_game.setLoginTimeoutMs(ms); }
    // True while the timer for overdue logins is set, i.e. while some connection has
    // not logged in yet.
    bool loginTimerActive() const { return m_loginTimer.isActive(); }

    // The language of the game's words until the leader chooses another (English unless
    // set). Throws std::invalid_argument for a code not in net/WordLanguages.
    void setLanguage(const QString& code) { m_game.setLanguage(code); }

    // ---- seats kept for returning players, and the game's lead ----
    void setLeadRule(HostGame::LeadRule rule) { m_game.setLeadRule(rule); }
    // Seconds a seat is kept for a player whose connection dropped; 0 keeps none.
    void setSeatHoldSeconds(int seconds) { m_game.setSeatHoldMs(qint64(seconds) * 1000); }
    // The slot that leads the game (0: nobody) and its player's name.
    int leader() const { return m_game.leader(); }
    QString leaderName() const;
    // True while the timer for kept seats is set, i.e. while some seat is kept.
    bool holdTimerActive() const { return m_holdTimer.isActive(); }
    // The steady clock the game counts kept seats and logins on, in milliseconds (an
    // empty clock: the host's own). For tests, which then call holdDeadline() when
    // their time has come instead of waiting for the timer.
    void setGameClock(std::function<qint64()> clock) { m_gameClock = std::move(clock); }
    // The hold timer's handler: gives up every kept seat whose time is up.
    void holdDeadline()
    {
        m_holdTimer.stop();
        m_game.holdDeadline();
    }

signals:
    // What happened in the game (HostLink's events), names decoded from the wire; one
    // emit per event. A player counts from his login to the close of its connection, or, when
    // his seat is kept for him, to the end of that hold.
    void playerLoggedIn(int slot, const QString& name);
    void playerLeft(int slot, const QString& name);
    void gameStarted();
    // `winner` as CMD_winner names it ("Ann", "Ann and Bob"); empty when the game stopped
    // without one.
    void gameEnded(const QString& winner);
    // Another slot leads the game now (0: nobody); `name` is its player's.
    void leaderChanged(int slot, const QString& name);
    // A seat is kept for its player, whose connection dropped, for `seconds`.
    void seatAway(int seat, const QString& name, int seconds);
    // The player of a kept seat is back in it.
    void seatBack(int seat, const QString& name);
    // A kept seat was given up (its player did not come back in time, or was removed):
    // only now has he left the game.
    void holdEnded(int seat, const QString& name);

private:
    struct Connection {
        QPointer<TSock> sock;
        MessageFramer framer;
        QString address; // the peer's, kept after the close for the lines about it
    };

    void Sock1Accept(TSock* listener);
    void Sock1Read(TSock* sender, int count);
    void tempsockDisconnect(TSock* sender);
    void tempsockInfo(TSock* sender, TSocketInfo kind, const QString& msg);
    void timer1Timer();
    // Sets the dispatch timer for the next waiting message, or stops it.
    void scheduleDispatch();
    qint64 dispatchNow() const;

    HostLink makeLink();
    void send(int slot, const Message& message);
    void disconnectsock(int slot);
    // The slot whose current connection is `sock`, or 0.
    int slotOf(TSock* sock) const;
    void logEvent(const QString& line) const;
    // A line about the connection of a slot, limited per source address.
    void logConnection(int slot, const QString& line);
    void flushConnectionLog();
    // The connection of slot `from` becomes slot `to`'s.
    void moveConnection(int from, int to);

    quint16 m_port;
    WordLists m_words;
    TSock* Sock1 = nullptr;
    std::array<Connection, PlayerTable::kFullSlot + 1> m_connections; // index 0 unused
    SlotQueues m_queues;
    QTimer socktimer;
    std::function<qint64()> m_dispatchClock;
    std::optional<qint64> m_dispatchAt; // when the dispatch timer is set to fire
    bool m_dispatching = false;
    QTimer timer1;
    QTimer m_loginTimer;
    QTimer m_holdTimer;
    std::function<qint64()> m_gameClock;
    QElapsedTimer m_uptime;
    ConnectionLog m_connectionLog;
    QTimer m_connectionLogTimer;
    std::function<void(const QString&)> m_eventLog;
    HostGame m_game;
    bool m_destroying = false;
};
