#pragma once
// A game host announced on the local network: a GameAnnouncer fed from a TServer's
// events. The record (seated players connected, spectators, waiting or playing, the
// leader) is read from the host after every login, departure, kept or given-up seat,
// game start and end and change of leader, once the event has been handled, and goes
// out through the announcer's pacing (at most one update a second).
//
//     HostAnnouncement announcement(server);
//     server.startListening();
//     announcement.start(discovery::gameNameFor(playerName)); // on server.port()
//     ... announcement.stop() (or its end) withdraws the game
//
// Without an Avahi daemon the announcer says so once (logLine) and the host goes on.
#include "discovery/GameAnnouncer.h"

#include <QObject>
#include <QString>

class TServer;

class HostAnnouncement : public QObject {
    Q_OBJECT
public:
    explicit HostAnnouncement(TServer& host, QObject* parent = nullptr);

    // Announces the host, which must be listening, as `name` (empty: the machine's host
    // name) on the port it listens on.
    void start(const QString& name);
    void stop();
    bool started() const { return m_started; }

    GameAnnouncer& announcer() { return m_announcer; }
    const GameAnnouncer& announcer() const { return m_announcer; }

    // What the host's record says now.
    static GameRecord recordOf(const TServer& host);
    // One sentence for the hosting player on how announcing goes: "This game is
    // announced on this network as "Bob's game": ...", "This game is not announced on
    // this network: ...". Empty while stopped.
    QString statusText() const;

signals:
    // statusText() has changed.
    void statusChanged(const QString& text);

private:
    void refreshSoon();

    TServer& m_host;
    GameAnnouncer m_announcer;
    bool m_started = false;
    bool m_refreshQueued = false;
};
