#include "discovery/HostAnnouncement.h"

#include "host/TServer.h"

#include <QTimer>

HostAnnouncement::HostAnnouncement(TServer& host, QObject* parent)
    : QObject(parent), m_host(host), m_announcer(this)
{
    // The host sends its events while it handles them; its table is read once that is
    // done, and a burst of events (a game's end, a player's departure and the new
    // leader) is read once.
    connect(&host, &TServer::playerLoggedIn, this, &HostAnnouncement::refreshSoon);
    connect(&host, &TServer::playerLeft, this, &HostAnnouncement::refreshSoon);
    connect(&host, &TServer::gameStarted, this, &HostAnnouncement::refreshSoon);
    connect(&host, &TServer::gameEnded, this, &HostAnnouncement::refreshSoon);
    connect(&host, &TServer::leaderChanged, this, &HostAnnouncement::refreshSoon);
    connect(&host, &TServer::seatAway, this, &HostAnnouncement::refreshSoon);
    connect(&host, &TServer::seatBack, this, &HostAnnouncement::refreshSoon);
    connect(&host, &TServer::holdEnded, this, &HostAnnouncement::refreshSoon);
    connect(&m_announcer, &GameAnnouncer::stateChanged, this, [this] { emit statusChanged(statusText()); });
    connect(&m_announcer, &GameAnnouncer::nameChanged, this, [this] { emit statusChanged(statusText()); });
}

void HostAnnouncement::start(const QString& name)
{
    m_started = true;
    m_announcer.start(name, m_host.port(), recordOf(m_host));
}

void HostAnnouncement::stop()
{
    m_started = false;
    m_announcer.stop();
}

void HostAnnouncement::refreshSoon()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshQueued = false;
        if (m_started)
            m_announcer.setRecord(recordOf(m_host));
    });
}

GameRecord HostAnnouncement::recordOf(const TServer& host)
{
    GameRecord record = GameRecord::ours();
    const PlayerTable& table = host.game().players();
    record.players = 0;
    record.spectators = 0;
    for (int slot = 1; slot <= PlayerTable::kMaxSlots; ++slot) {
        // A kept seat's player is away: his connection is closed.
        const PlayerRec& p = table[slot];
        if (!p.inuse || !p.loggedIn)
            continue;
        ++(PlayerTable::isSeat(slot) ? record.players : record.spectators);
    }
    record.state = host.game().rounds().gamerunning() ? GameRecord::State::Playing : GameRecord::State::Waiting;
    record.leader = host.leader() > 0 ? host.leaderName() : QString();
    return record;
}

QString HostAnnouncement::statusText() const
{
    const QString name = m_announcer.name();
    switch (m_announcer.state()) {
    case GameAnnouncer::State::Stopped:
        return {};
    case GameAnnouncer::State::Starting:
        return QStringLiteral("Announcing this game on the network as \"%1\"...").arg(name);
    case GameAnnouncer::State::Announcing:
        return QStringLiteral("This game is announced on this network as \"%1\": friends nearby find it in Play with Others.").arg(name);
    case GameAnnouncer::State::NotRunning:
    case GameAnnouncer::State::Failed:
        break;
    }
    return QStringLiteral("This game is not announced on this network: %1.").arg(m_announcer.problem());
}
