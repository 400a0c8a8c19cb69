#include "host/HostGame.h"

#include "net/LogText.h"
#include "net/Protocol.h"
#include "net/Wire.h"

#include <algorithm>
#include <stdexcept>

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
    m_dispatcher.on<proto::Rejoin>([this](const proto::Rejoin& m) { rejoin(m); });
    m_dispatcher.on<proto::ChooseLanguage>([this](const proto::ChooseLanguage& m) { wordlanguage(m); });
}

void HostGame::setLanguage(const QString& code)
{
    wordlanguages::requireKnown(code);
    m_language = code;
}

int HostGame::chooseSlot(const QString& address) const
{
    const int slot = m_players.chooseSlot([this](int s) { return m_holds.isHeld(s); });
    if (slot != PlayerTable::kFullSlot)
        return slot;
    // Everything else is taken: a player coming back to his kept seat is let in there.
    if (const int kept = m_holds.unclaimedSeatAt(address); kept && !m_players.isConnected(kept))
        return kept;
    return slot;
}

void HostGame::connectionAccepted(int slot, const QString& address)
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
    PlayerRec& p = m_players[slot];
    p.address = address;
    p.since = ++m_arrivals;
    m_rejoin[slot] = 0;
    if (m_holds.isHeld(slot)) {
        // Given the kept seat only because nothing else was free; it is his only if he
        // logs in as its player.
        m_holds.claim(slot);
        wakeForHolds();
    } else if (PlayerTable::isSeat(slot) && (p.score != 0 || p.found || p.roundpoints != 0)) {
        // A new player starts from nothing, not from what the seat's last player scored.
        p.score = 0;
        p.found = false;
        p.roundpoints = 0;
        m_out.toAllExcept(slot, proto::SeatScore{proto::SeatStats{slot, 0, 0, false}}.message());
    }
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

void HostGame::askToWake(const std::function<void(qint64)>& wake, std::optional<qint64> next,
                         std::optional<qint64>& asked) const
{
    if (!m_link.now || !wake || next == asked)
        return;
    asked = next;
    wake(next ? std::max<qint64>(0, *next - m_link.now()) : -1);
}

void HostGame::wakeForLogins()
{
    askToWake(m_link.wakeForLogins, m_logins.nextDeadline(), m_wakeAt);
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
        m_out.to(slot, proto::Closing{}.message());
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
    const bool keep = p.inuse && p.loggedIn && !p.removed && PlayerTable::isSeat(slot) && m_rounds.gamerunning()
        && m_holds.enabled() && m_link.now;
    const QByteArray name = p.name;
    const bool leaving = p.inuse && p.loggedIn && !keep;
    if (p.inuse) {
        m_out.toAllExcept(slot, proto::PlayerDisconnected{slot, p.name}.message());
        m_out.connectionEvent(slot, QStringLiteral("slot %1 closed (%2)").arg(slot).arg(shown(p.name)));
    }
    // A kept seat's player is still in the game for the link: he leaves when the hold ends.
    if (keep) {
        keepSeat(slot);
    } else {
        m_holds.unclaim(slot); // moved into a kept seat, gone before logging in: still kept
        if (!m_holds.held(slot))
            toldLeft(slot, name);
    }
    m_players.release(slot);
    m_rejoin[slot] = 0;
    m_out.closeRefusals(slot);
    if (m_logins.awaiting(slot)) {
        m_logins.forget(slot);
        wakeForLogins();
    }
    if (leaving)
        seatLeft(slot, name, false);
    updateLeader();
    wakeForHolds();
}

void HostGame::keepSeat(int seat)
{
    const PlayerRec& p = m_players[seat];
    m_holds.hold(seat, p.name, p.address, now());
    const int seconds = m_holds.secondsLeft(seat, now());
    m_out.toAllExcept(seat, proto::SeatAway{seat, seconds, p.name}.message());
    m_out.connectionEvent(seat, QStringLiteral("seat %1 kept for %2 for %3 seconds").arg(seat).arg(shown(p.name)).arg(seconds));
    if (m_link.seatAway)
        m_link.seatAway(seat, p.name, seconds);
}

void HostGame::seatLeft(int slot, const QByteArray& name, bool wasKept)
{
    if (!wasKept)
        return; // the others heard of it with CMD_playerdisconnected
    m_out.toAll(proto::SeatFree{slot}.message());
    if (m_link.holdEnded)
        m_link.holdEnded(slot, name);
    toldLeft(slot, name);
}

void HostGame::toldLeft(int slot, const QByteArray& name)
{
    if (m_loggedIn[std::size_t(slot)] && m_link.playerLeft)
        m_link.playerLeft(slot, name);
    m_loggedIn[std::size_t(slot)] = false;
}

void HostGame::holdDeadline()
{
    if (!m_link.now)
        return;
    m_holdWakeAt.reset(); // the wake-up asked for has come
    for (const auto& [seat, name] : m_holds.takeExpired(now())) {
        m_out.event(QStringLiteral("seat %1 is free: %2 did not come back in time").arg(seat).arg(shown(name)));
        seatLeft(seat, name, true);
    }
    wakeForHolds();
}

void HostGame::wakeForHolds()
{
    askToWake(m_link.wakeForHolds, m_holds.nextDeadline(), m_holdWakeAt);
}

void HostGame::setLeadRule(LeadRule rule)
{
    m_leadRule = rule;
    updateLeader();
}

int HostGame::leaderNow() const
{
    if (m_leadRule == LeadRule::HostingPlayer) {
        const PlayerRec& p = m_players[game::LeaderSlot];
        return p.inuse && p.loggedIn ? game::LeaderSlot : 0;
    }
    int leader = 0;
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        const PlayerRec& p = m_players[seat];
        if (p.inuse && p.loggedIn && (leader == 0 || p.since < m_players[leader].since))
            leader = seat;
    }
    return leader;
}

bool HostGame::updateLeader()
{
    const int leader = leaderNow();
    if (leader == m_leader)
        return false;
    m_leader = leader;
    m_out.toAll(proto::Leader{leader}.message());
    m_out.event(leader ? QStringLiteral("slot %1 (%2) leads the game").arg(leader).arg(shown(m_players[leader].name))
                       : QStringLiteral("nobody leads the game"));
    if (m_link.leaderChanged)
        m_link.leaderChanged(leader);
    return true;
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

bool HostGame::fromLeader(const char* command) const
{
    if (m_leader != 0 && m_sender == m_leader)
        return true;
    m_out.refused(m_sender, QStringLiteral("host: %1 from slot %2 ignored: only the game's leader (slot %3) may send it")
                                .arg(QLatin1String(command))
                                .arg(m_sender)
                                .arg(m_leader));
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
    const bool firstLogin = !m_players[slot].loggedIn;
    bool back = false;
    if (firstLogin) {
        const int kept = returningSeat(slot, m.name);
        if (kept != 0 && kept != slot && moveTo(slot, kept))
            return; // it logs in again from the kept seat
        back = kept == slot;
    }
    if (!back && m_holds.isHeld(slot)) {
        // Let into a kept seat because nothing else was free, and not its player.
        m_out.connectionEvent(slot, QStringLiteral("connection refused: the game is full (slot %1 is kept)").arg(slot));
        m_out.to(slot, proto::Full{}.message());
        if (m_link.closeConnection)
            m_link.closeConnection(slot);
        return;
    }
    if (back)
        m_holds.release(slot);
    m_rejoin[slot] = 0;
    PlayerRec& p = m_players[slot];
    p.name = m.name;
    p.inuse = true;
    p.loggedIn = true;
    m_out.connectionEvent(slot, QStringLiteral("login: slot %1 is %2 (version %3)").arg(slot).arg(shown(p.name), shown(m.version)));

    m_out.toAll(proto::NewPlayerInfo{slot, p.name}.message());
    for (int other : m_players.connectedSlots()) {
        if (other != slot)
            m_out.to(slot, proto::ExistingPlayers{other, m_players[other].name}.message());
    }
    const bool leaderChanged = updateLeader();
    if (m.version != kVersion) {
        if (m_leader != 0 && m_leader != slot)
            m_out.to(m_leader, proto::HaveWrongVersion{p.name}.message());
        m_out.to(slot, proto::WrongVersion{}.message());
    }
    if (!leaderChanged)
        m_out.to(slot, proto::Leader{m_leader}.message());
    for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
        if (const SeatHolds::Hold* h = m_holds.held(seat); h && seat != slot)
            m_out.to(slot, proto::SeatAway{seat, m_holds.secondsLeft(seat, now()), h->name}.message());
    }
    if (back) {
        m_out.connectionEvent(slot, QStringLiteral("seat %1: %2 is back").arg(slot).arg(shown(p.name)));
        if (m_link.seatBack)
            m_link.seatBack(slot, p.name);
    }
    if (m_rounds.gamerunning())
        m_rounds.sendCatchUp(slot);
    // A player back in his kept seat never left as far as the link knows.
    if (!(back && m_loggedIn[std::size_t(slot)])) {
        m_loggedIn[std::size_t(slot)] = true;
        if (m_link.playerLoggedIn)
            m_link.playerLoggedIn(slot, p.name);
    }
    wakeForHolds();
}

int HostGame::returningSeat(int slot, const QByteArray& name)
{
    const QString address = m_players[slot].address;
    const int asked = m_rejoin[slot];
    if (const int kept = m_holds.seatOf(name, address, asked))
        return kept;
    // A client that lost its connection may be back before the host noticed: its old
    // connection, from the same name and address, is closed, which keeps the seat.
    if (asked == slot || !PlayerTable::isSeat(asked) || !m_rounds.gamerunning())
        return 0;
    const PlayerRec& old = m_players[asked];
    if (!old.inuse || !old.loggedIn || old.name != name || old.address != address)
        return 0;
    m_out.connectionEvent(asked, QStringLiteral("slot %1 (%2) is back on a new connection; the old one is closed")
                                     .arg(asked)
                                     .arg(shown(name)));
    m_out.to(asked, proto::Closing{}.message());
    if (m_link.closeConnection)
        m_link.closeConnection(asked);
    return m_holds.seatOf(name, address, asked);
}

bool HostGame::moveTo(int from, int to)
{
    if (!m_link.moveConnection || m_players.isConnected(to))
        return false;
    const QString address = m_players[from].address;
    const quint64 since = m_players[from].since;
    m_link.moveConnection(from, to);
    m_players.release(from);
    m_rejoin[from] = 0;
    m_out.closeRefusals(from);
    m_logins.forget(from);
    m_players.take(to);
    m_players[to].address = address;
    m_players[to].since = since;
    m_holds.claim(to);
    if (m_link.now)
        m_logins.accepted(to, now());
    wakeForLogins();
    wakeForHolds();
    m_out.connectionEvent(to, QStringLiteral("slot %1 moved to its kept seat %2").arg(from).arg(to));
    m_out.to(to, proto::SendLoginInfo{to}.message());
    return true;
}

void HostGame::rejoin(const proto::Rejoin& m)
{
    // Only before the login, which it is for.
    if (m_players[m_sender].loggedIn) {
        m_out.refused(m_sender, QStringLiteral("host: CMD_rejoin from slot %1 ignored: already logged in").arg(m_sender));
        return;
    }
    m_rejoin[m_sender] = m.seat;
}

void HostGame::kickhim(const proto::KickHim& m)
{
    if (!isOwnSlot(m.slot, cmd::kickhim) || !fromLeader(cmd::kickhim))
        return;
    const int target = m.target;
    const SeatHolds::Hold* kept = m_holds.held(target);
    const QByteArray keptName = kept ? kept->name : QByteArray();
    if (m_players.isConnected(target)) {
        PlayerRec& p = m_players[target];
        p.removed = true;
        m_out.event(QStringLiteral("slot %1 (%2) removed by the game's leader").arg(target).arg(shown(p.name)));
        m_out.to(target, proto::Closing{}.message());
        if (m_link.closeConnection)
            m_link.closeConnection(target);
    }
    // A seat kept for somebody is given up: removal never keeps a seat.
    if (kept) {
        m_out.event(QStringLiteral("seat %1 kept for %2 freed by the game's leader").arg(target).arg(shown(keptName)));
        m_holds.release(target);
        seatLeft(target, keptName, true);
        wakeForHolds();
    }
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
    if (!fromLeader(cmd::startgame))
        return;
    m_rounds.startgame(m, m_sender, m_language);
}

void HostGame::wordlanguage(const proto::ChooseLanguage& m)
{
    if (!fromLeader(cmd::wordlanguage))
        return;
    const QString code = QString::fromLatin1(m.code);
    if (!wordlanguages::isKnown(code)) {
        m_out.refused(m_sender, QStringLiteral("host: %1 from slot %2 names no language it knows (%3; known: %4); ignored")
                                    .arg(QLatin1String(cmd::wordlanguage))
                                    .arg(m_sender)
                                    .arg(logtext::field(m.code, 20), wordlanguages::knownCodes()));
        return;
    }
    if (code != m_language)
        m_out.event(QStringLiteral("the game's leader chose words in %1").arg(code));
    m_language = code;
}

void HostGame::justwatch(const proto::JustWatch& m)
{
    const int seat = m.seat;
    if (!PlayerTable::isSeat(seat))
        return;
    if (seat != m_sender && !fromLeader("CMD_justwatch for another seat"))
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
