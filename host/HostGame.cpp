#include "host/HostGame.h"

#include "net/FieldReader.h"
#include "net/LogText.h"

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
    m_dispatcher.on("CMD_logininfo", [this](FieldReader& f) { receivedlogininfo(f); });
    m_dispatcher.on("CMD_kickhim", [this](FieldReader& f) { kickhim(f); });
    m_dispatcher.on("CMD_chat", [this](FieldReader& f) { chat(f); });
    m_dispatcher.on("CMD_action", [this](FieldReader& f) { action(f); });
    m_dispatcher.on("CMD_startgame", [this](FieldReader& f) { startgame(f); });
    m_dispatcher.on("CMD_justwatch", [this](FieldReader& f) { justwatch(f); });
    m_dispatcher.on("CMD_myword", [this](FieldReader& f) { myword(f); });
    m_dispatcher.on("CMD_playasound", [this](FieldReader& f) { playasound(f); });
}

void HostGame::connectionAccepted(int slot)
{
    if (slot == PlayerTable::kFullSlot) {
        // Only for the moment of its refusal; slotcount and the nine slots stay as they are.
        m_out.to(slot, Message("CMD_full").add(""));
        if (m_link.closeConnection)
            m_link.closeConnection(slot);
        m_out.event(QStringLiteral("connection refused: the game is full"));
        return;
    }
    m_players.take(slot);
    if (m_link.now) {
        m_logins.accepted(slot, m_link.now());
        wakeForLogins();
    }
    m_out.to(slot, Message("CMD_sendlogininfo").add(slot));
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
        m_out.event(QStringLiteral("slot %1 closed: no login within %2 seconds")
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
        m_out.toAllExcept(slot, Message("CMD_playerdisconnected").add(slot).add(p.name));
        m_out.event(QStringLiteral("slot %1 closed (%2)").arg(slot).arg(shown(p.name)));
    }
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

bool HostGame::readOwnSlot(FieldReader& f, const char* command)
{
    const int claimed = f.nextInt();
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
    if (m_sender == 1)
        return true;
    m_out.refused(m_sender, QStringLiteral("host: %1 from slot %2 ignored: only the hosting player (slot 1) may send it")
                                .arg(QLatin1String(command))
                                .arg(m_sender));
    return false;
}

void HostGame::receivedlogininfo(FieldReader& f)
{
    if (!readOwnSlot(f, "CMD_logininfo"))
        return;
    const int slot = m_sender;
    if (m_logins.awaiting(slot)) {
        m_logins.forget(slot);
        wakeForLogins();
    }
    const QByteArray version = f.next();
    PlayerRec& p = m_players[slot];
    p.name = f.rest();
    p.inuse = true;
    m_out.event(QStringLiteral("login: slot %1 is %2 (version %3)").arg(slot).arg(shown(p.name), shown(version)));

    m_out.toAll(Message("CMD_newplayerinfo").add(slot).add(p.name));
    for (int other : m_players.connectedSlots()) {
        if (other != slot)
            m_out.to(slot, Message("CMD_existingplayers").add(other).add(m_players[other].name));
    }
    if (version != kVersion) {
        if (m_players.isConnected(1))
            m_out.to(1, Message("CMD_havewrongversion").add(p.name));
        m_out.to(slot, Message("CMD_wrongversion").add(""));
    }
    if (m_rounds.gamerunning())
        m_rounds.sendCatchUp(slot);
}

void HostGame::kickhim(FieldReader& f)
{
    if (!readOwnSlot(f, "CMD_kickhim") || !fromHostPlayer("CMD_kickhim"))
        return;
    const int target = f.nextInt();
    if (!m_players.isConnected(target))
        return;
    m_out.event(QStringLiteral("slot %1 (%2) removed by the hosting player").arg(target).arg(shown(m_players[target].name)));
    if (m_link.closeConnection)
        m_link.closeConnection(target);
}

void HostGame::chat(FieldReader& f)
{
    if (!readOwnSlot(f, "CMD_chat"))
        return;
    m_out.toAll(Message("CMD_chat").add(m_players[m_sender].name + " chats: " + f.rest()));
}

void HostGame::action(FieldReader& f)
{
    if (!readOwnSlot(f, "CMD_action"))
        return;
    m_out.toAll(Message("CMD_action").add(m_players[m_sender].name + " " + f.rest()));
}

void HostGame::playasound(FieldReader& f)
{
    if (!readOwnSlot(f, "CMD_playasound"))
        return;
    m_out.toAll(Message("CMD_playasound").add(m_sender).add(f.rest()));
}

void HostGame::startgame(FieldReader& f)
{
    if (!fromHostPlayer("CMD_startgame"))
        return;
    const QByteArray starter = f.next();
    const QByteArray playTo = f.next();
    const QByteArray seconds = f.next();
    const QByteArray scrambled = f.next();
    const QByteArray onlyLetters = f.next();
    m_rounds.startgame(starter, playTo, seconds, scrambled, onlyLetters);
}

void HostGame::justwatch(FieldReader& f)
{
    const int seat = f.nextInt();
    if (!PlayerTable::isSeat(seat))
        return;
    if (seat != m_sender && !fromHostPlayer("CMD_justwatch for another seat"))
        return;
    const QByteArray mode = f.lastField();
    if (mode == "2") {
        m_players[seat].watching = false;
        m_out.toAll(Message("CMD_justwatching").add(seat).add("2"));
    } else if (mode == "1" && m_rounds.gamerunning()) {
        m_players[seat].watching = true;
        m_out.toAll(Message("CMD_justwatching").add(seat).add("1"));
    }
}

void HostGame::myword(FieldReader& f)
{
    if (!readOwnSlot(f, "CMD_myword"))
        return;
    m_rounds.myword(m_sender, f);
}
