#include "client/PlayerCommands.h"

#include <QCoreApplication>
#include "client/SeatRoster.h"
#include "client/SpyLines.h"
#include "client/TurnState.h"
#include "net/Protocol.h"
#include "net/Wire.h"
#include "net/WordLanguages.h"

PlayerCommands::PlayerCommands(const ClientContext& context, const SeatRoster& seats, const TurnState& turn,
                               QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_seats(seats)
    , m_turn(turn)
{
}

void PlayerCommands::button_startClick()
{
    if (!m_context.state.connected) {
        m_context.notice(QCoreApplication::translate("PlayerCommands", "You are not connected"));
        return;
    }
    emit gameStartRequested();
}

void PlayerCommands::playAgainClick()
{
    const ClientState& st = m_context.state;
    if (!st.connected) {
        m_context.notice(QCoreApplication::translate("PlayerCommands", "You are not connected"));
        return;
    }
    std::optional<proto::StartGame> options = lastOptions ? lastOptions() : std::nullopt;
    if (!st.leads() || !options)
        return;
    options->starter = wire::toWire(st.loginname);
    if (const QString language = lastLanguage ? lastLanguage() : QString(); wordlanguages::isKnown(language))
        m_context.send(proto::ChooseLanguage{language.toLatin1()}.message());
    m_context.send(options->message());
}

void PlayerCommands::sendJustWatch(int seat, bool watch)
{
    using Mode = proto::JustWatch::Mode;
    m_context.send(proto::JustWatch{seat, watch ? Mode::Watch : Mode::Play}.message());
}

bool PlayerCommands::justWatchOffered() const
{
    const ClientState& st = m_context.state;
    return st.connected && game::isSeat(st.myslot) && (m_turn.gameRunning() || m_turn.justWatching());
}

QString PlayerCommands::justWatchHint() const
{
    if (m_turn.justWatching())
        return QCoreApplication::translate("PlayerCommands", "Untick to play again from the next round.");
    if (justWatchOffered())
        return QCoreApplication::translate("PlayerCommands", "Watch the rest of this game without playing.");
    return QCoreApplication::translate("PlayerCommands",
                                       "Just Watch works while a game is running: it lets you watch the rest of "
                                       "the game without playing.");
}

void PlayerCommands::justWatchClick()
{
    if (!justWatchOffered())
        return;
    // The tick changes only when the host answers.
    sendJustWatch(m_context.state.myslot, !m_turn.justWatching());
}

PlayerCommands::SeatMenu PlayerCommands::seatPopup(int seatNumber)
{
    SeatMenu m;
    m.removeEnabled = m.setWatchEnabled = m.unsetWatchEnabled = m_context.state.leads();
    if (m_seats.isEmpty(seatNumber))
        m.removeEnabled = false;
    // The host sets a seat watching only during a game.
    if (!m_turn.gameRunning())
        m.setWatchEnabled = false;
    m_popupSeat = seatNumber;
    return m;
}

void PlayerCommands::setToJustWatch()
{
    setSeatWatching(m_popupSeat, true);
}

void PlayerCommands::unsetJustWatch()
{
    setSeatWatching(m_popupSeat, false);
}

void PlayerCommands::setSeatWatching(int seat, bool watch)
{
    if (m_context.state.connected && game::isSeat(seat))
        sendJustWatch(seat, watch);
}

QList<PlayerCommands::Target> PlayerCommands::removeTargets(const QStringList& spectatorLines) const
{
    QList<Target> out;
    const ClientState& st = m_context.state;
    if (!st.leads())
        return out;
    for (int seat = 1; seat <= game::Seats; ++seat) {
        if (seat != st.myslot && !m_seats.isEmpty(seat))
            out.append({seat, m_seats.seat(seat).name});
    }
    for (const QString& line : spectatorLines) {
        const std::optional<int> slot = spylines::slotOf(line);
        if (slot && *slot != st.myslot && !game::isSeat(*slot))
            out.append({*slot, line.section(QStringLiteral(": "), 1)});
    }
    return out;
}

std::optional<QString> PlayerCommands::leaveQuestion(const QStringList& spectatorLines) const
{
    if (!m_context.state.ishost)
        return std::nullopt;
    const qsizetype others = removeTargets(spectatorLines).size();
    if (others == 0)
        return std::nullopt;
    return others == 1 ? QCoreApplication::translate("PlayerCommands", "1 player is in your game. Leaving ends it for everyone.")
                       : QCoreApplication::translate("PlayerCommands", "%1 players are in your game. Leaving ends it for everyone.").arg(others);
}

QList<PlayerCommands::Target> PlayerCommands::watchTargets(bool watching) const
{
    QList<Target> out;
    const ClientState& st = m_context.state;
    if (!st.leads() || (!watching && !m_turn.gameRunning()))
        return out;
    for (int seat = 1; seat <= game::Seats; ++seat) {
        const SeatRoster::Seat& s = m_seats.seat(seat);
        if (seat != st.myslot && !m_seats.isEmpty(seat) && s.eyesShown == watching)
            out.append({seat, s.name});
    }
    return out;
}

void PlayerCommands::removeFromGame()
{
    if (game::isSeat(m_popupSeat))
        kicking(m_popupSeat);
}

void PlayerCommands::kicking(int slot)
{
    if (m_context.state.leads() && m_context.state.connected)
        m_context.send(proto::KickHim{m_context.state.myslot, slot}.message());
}
