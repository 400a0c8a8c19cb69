#pragma once
// Announces one game host on the local network: a DNS-SD service of type _quillor._tcp
// on the game port, on every interface, over IPv4 and IPv6, through the system's Avahi
// daemon, with the game's record (GameRecord) as its TXT data.
//
//     GameAnnouncer announcer;
//     connect(&announcer, &GameAnnouncer::logLine, log);
//     announcer.start(discovery::gameNameFor(playerName), port);
//     ... announcer.setRecord(record) whenever players, spectators, state or leader change
//
// Record changes reach the network at most once a second; a burst of them goes as one
// update with the latest record. When another service on the network has the name, the
// announcer takes the alternative Avahi proposes ("Bob's game #2") and says so with
// nameChanged(). Without a daemon or a D-Bus system bus the state is NotRunning at once
// and one line is logged; the game goes on, and the announcement is made as soon as the
// daemon appears. A daemon's restart re-registers the service. stop(), or the
// announcer's end, withdraws it.
#include "discovery/AvahiConnection.h"
#include "discovery/GameRecord.h"
#include "discovery/UpdatePacer.h"

#include <QObject>
#include <QString>

#include <avahi-client/publish.h>

class GameAnnouncer : public QObject {
    Q_OBJECT
public:
    enum class State {
        Stopped,    // not started, or stopped
        Starting,   // waiting for the daemon to confirm the name
        Announcing, // the network can see the game
        NotRunning, // no Avahi daemon (or no D-Bus): see problem()
        Failed,     // the daemon refused the service: see problem()
    };
    Q_ENUM(State)

    // Least time between two record updates on the network.
    static constexpr qint64 UpdateIntervalMs = 1000;
    // Names tried ("Bob's game", "Bob's game #2", ...) while this machine's other services
    // hold them, before the announcer gives up.
    static constexpr int MaxNameAttempts = 100;

    explicit GameAnnouncer(QObject* parent = nullptr, UpdatePacer::Clock clock = {});
    ~GameAnnouncer() override;

    // Announces the game called `name` (cut to 63 bytes of UTF-8; an empty name is the
    // machine's host name) on `port`. Starting again first withdraws the last one.
    void start(const QString& name, quint16 port, const GameRecord& record = GameRecord::ours());
    void setRecord(const GameRecord& record);
    void stop();

    State state() const { return m_state; }
    // The name announced: the one asked for, or Avahi's alternative after a collision.
    QString name() const { return m_name; }
    quint16 port() const { return m_port; }
    GameRecord record() const { return m_record; }
    // Why the state is NotRunning or Failed, in a few words.
    QString problem() const { return m_problem; }

signals:
    void stateChanged(GameAnnouncer::State state);
    void nameChanged(const QString& name);
    // One line for the host's log: announced, renamed, not running, failed.
    void logLine(const QString& line);

private:
    static void groupCallback(AvahiEntryGroup* group, AvahiEntryGroupState state, void* self);
    void onConnectionStatus(AvahiConnection::Status status);
    void onGroupState(AvahiEntryGroup* group, AvahiEntryGroupState state);
    void registerService();
    void sendRecord();
    void dropGroup();
    void takeAlternativeName();
    void setState(State state, const QString& problem = {});
    void fail(const QString& what, int error);

    AvahiConnection m_connection;
    UpdatePacer m_pacer;
    AvahiEntryGroup* m_group = nullptr;
    QString m_name;
    quint16 m_port = 0;
    GameRecord m_record;
    GameRecord m_sentRecord;
    State m_state = State::Stopped;
    QString m_problem;
    // The name last logged as announced, so a re-registration after a daemon's restart
    // under the same name logs nothing new.
    QString m_loggedName;
};
