#include "host/HostGame.h"

#include "net/LogText.h"
#include "net/Protocol.h"
#include "net/Wire.h"

#include <algorithm>

namespace {

// A name or version as a log line shows it: cut and with control characters escaped.
QString shown(const QByteArray& text)
{
    return logtext::field(text);
}

} // namespace

HostGame::HostGame(RandomSource& random, GameRounds::WordSource words, HostLink link)
    : m_link(std::move(link))
    , m_out(m_players, m_link, m_refusals)
    , m_rounds(m_players, m_out, m_link, random, std::move(words))
    , m_dispatcher(QStringLiteral("host"))
{
    m_dispatcher.setLogsFailures(false); // refusals go through the per-connection summary
    m_dispatcher.on<proto::LoginInfo>([this](const proto::LoginInfo& m) { receivedlogininfo(m); });
    m_dispatcher.on<proto::KickHim>([this](const proto::KickHim& m) { kickhim(m); });
    m_dispatcher.on<proto::Chat>([this](const proto::Chat& m) { chat(m); });
    m_dispatcher.on<proto::Action>([this](const proto::Action& m) { action(m); });
    m_dispatcher.on<proto::StartGame>([this](const proto::StartGame& m) { startgame(m); });
    m_dispatcher.on<proto::JustWatch>([this](const proto::JustWatch& m) { justwatch(m); });
    m_dispatcher.on<proto::MyWord>([this](const proto::MyWord& m) { myword(m); });
    m_dispatcher.on<proto::PlayASound>([this](const proto::PlayASound& m) { playasound(m); });
}

void HostGame::connectionAccepted(int slot)
{
    if (slot == PlayerTable::kFullSlot) {
        // Only for the moment of its refusal; slotcount and the nine slots stay as they are.
        m_out.to(slot, proto::Full{}.message());
        if (m_link.closeConnection)
            m_link.closeConnection(slot);
        m_out.connectionEvent(slot, QStringLiteral("connection refused: the game is full"));
        return;
    }
    m_players.take(slot);
    if (m_link.now) {
        m_logins.accepted(slot, m_link.now());
        wakeForLogins();
    }
    m_out.to(slot, proto::SendLoginInfo{slot}.message());
}

void HostGame::setLoginTimeoutMs(qint64 ms)
{
    m_logins.setTimeoutMs(ms);
}

void HostGame::wakeForLogins()
{
    if (!m_link.now || !m_link.wakeForLogins)
        return;
    const std::optional<qint64> next = m_logins.nextDeadline();
    if (next == m_wakeAt)
        return;
    m_wakeAt = next;
    m_link.wakeForLogins(next ? std::max<qint64>(0, *next - m_link.now()) : -1);
}

void HostGame::loginDeadline()
{
    if (!m_link.now)
        return;
    m_wakeAt.reset(); // the wake-up asked for has come
    const QList<int> overdue = m_logins.takeExpired(m_link.now());
    for (int slot : overdue) {
        if (!m_players.isConnected(slot))
            continue;
        m_out.connectionEvent(slot, QStringLiteral("slot %1 closed: no login within %2 seconds")
                                        .arg(slot)
                                        .arg(m_logins.timeoutMs() / 1000.0));
        if (m_link.closeConnection)
            m_link.closeConnection(slot);
    }
    wakeForLogins();
}

void HostGame::connectionClosed(int slot)
{
    if (slot < 1 || slot > PlayerTable::kMaxSlots)
        return;
    PlayerRec& p = m_players[slot];
    if (p.inuse) {
        m_out.toAllExcept(slot, proto::PlayerDisconnected{slot, p.name}.message());
        m_out.connectionEvent(slot, QStringLiteral("slot %1 closed (%2)").arg(slot).arg(shown(p.name)));
    }
    if (m_loggedIn[std::size_t(slot)] && m_link.playerLeft)
        m_link.playerLeft(slot, p.name);
    m_loggedIn[std::size_t(slot)] = false;
    m_players.release(slot);
    m_out.closeRefusals(slot);
    if (m_logins.awaiting(slot)) {
        m_logins.forget(slot);
        wakeForLogins();
    }
}

Dispatcher::Outcome HostGame::handle(int slot, const QByteArray& text)
{
    if (!m_players.isConnected(slot)) {
        m_out.refused(slot, QStringLiteral("host: message from slot %1, which has no connection, ignored").arg(slot));
        return Dispatcher::Outcome::Dropped;
    }
    m_sender = slot;
    const Dispatcher::Outcome outcome = m_dispatcher.dispatch(text);
    m_sender = 0;
    if (outcome == Dispatcher::Outcome::Failed)
        m_out.refused(slot, m_dispatcher.lastFailure());
    else if (outcome == Dispatcher::Outcome::Unknown || (outcome == Dispatcher::Outcome::Dropped && !text.isEmpty()))
        m_out.refused(slot, QStringLiteral("host: message from slot %1 dropped: %2").arg(slot).arg(logtext::field(text, 40)));
    return outcome;
}

bool HostGame::isOwnSlot(int claimed, const char* command) const
{
    if (claimed == m_sender)
        return true;
    m_out.refused(m_sender, QStringLiteral("host: %1 from slot %2 claims slot %3; ignored")
                                .arg(QLatin1String(command))
                                .arg(m_sender)
                                .arg(claimed));
    return false;
}

bool HostGame::fromHostPlayer(const char* command) const
{
    if (m_sender == game::LeaderSlot)
        return true;
    m_out.refused(m_sender, QStringLiteral("host: %1 from slot %2 ignored: only the hosting player (slot 1) may send it")
                                .arg(QLatin1String(command))
                                .arg(m_sender));
    return false;
}

void HostGame::receivedlogininfo(const proto::LoginInfo& m)
{
    if (!isOwnSlot(m.slot, cmd::logininfo))
        return;
    const int slot = m_sender;
    if (m_logins.awaiting(slot)) {
        m_logins.forget(slot);
        wakeForLogins();
    }
    PlayerRec& p = m_players[slot];
    p.name = m.name;
    p.inuse = true;
    m_out.connectionEvent(slot, QStringLiteral("login: slot %1 is %2 (version %3)").arg(slot).arg(shown(p.name), shown(m.version)));

    m_out.toAll(proto::NewPlayerInfo{slot, p.name}.message());
    for (int other : m_players.connectedSlots()) {
        if (other != slot)
            m_out.to(slot, proto::ExistingPlayers{other, m_players[other].name}.message());
    }
    if (m.version != kVersion) {
        if (m_players.isConnected(game::LeaderSlot))
            m_out.to(game::LeaderSlot, proto::HaveWrongVersion{p.name}.message());
        m_out.to(slot, proto::WrongVersion{}.message());
    }
    if (m_rounds.gamerunning())
        m_rounds.sendCatchUp(slot);
    m_loggedIn[std::size_t(slot)] = true;
    if (m_link.playerLoggedIn)
        m_link.playerLoggedIn(slot, p.name);
}

void HostGame::kickhim(const proto::KickHim& m)
{
    if (!isOwnSlot(m.slot, cmd::kickhim) || !fromHostPlayer(cmd::kickhim))
        return;
    const int target = m.target;
    if (!m_players.isConnected(target))
        return;
    m_out.event(QStringLiteral("slot %1 (%2) removed by the hosting player").arg(target).arg(shown(m_players[target].name)));
    if (m_link.closeConnection)
        m_link.closeConnection(target);
}

void HostGame::chat(const proto::Chat& m)
{
    if (!isOwnSlot(m.slot, cmd::chat))
        return;
    m_out.toAll(proto::chatRelay(m_players[m_sender].name, m.text).message());
}

void HostGame::action(const proto::Action& m)
{
    if (!isOwnSlot(m.slot, cmd::action))
        return;
    m_out.toAll(proto::actionRelay(m_players[m_sender].name, m.text).message());
}

void HostGame::playasound(const proto::PlayASound& m)
{
    if (!isOwnSlot(m.slot, cmd::playasound))
        return;
    m_out.toAll(proto::PlayASound{m_sender, m.name}.message());
}

void HostGame::startgame(const proto::StartGame& m)
{
    if (!fromHostPlayer(cmd::startgame))
        return;
    m_rounds.startgame(m);
}

void HostGame::justwatch(const proto::JustWatch& m)
{
    const int seat = m.seat;
    if (!PlayerTable::isSeat(seat))
        return;
    if (seat != m_sender && !fromHostPlayer("CMD_justwatch for another seat"))
        return;
    if (m.mode == proto::JustWatch::Mode::Play) {
        m_players[seat].watching = false;
        m_out.toAll(proto::JustWatching{seat, false}.message());
    } else if (m.mode == proto::JustWatch::Mode::Watch && m_rounds.gamerunning()) {
        m_players[seat].watching = true;
        m_out.toAll(proto::JustWatching{seat, true}.message());
    }
}

void HostGame::myword(const proto::MyWord& m)
{
    if (!isOwnSlot(m.slot, cmd::myword))
        return;
    m_rounds.myword(m_sender, m);
}
