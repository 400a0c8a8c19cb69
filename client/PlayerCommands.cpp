#include "client/PlayerCommands.h"

#include "client/SeatRoster.h"
#include "client/TurnState.h"
#include "net/Protocol.h"
#include "net/Wire.h"

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
        m_context.notice(QStringLiteral("You are not connected"));
        return;
    }
    emit gameStartRequested();
}

void PlayerCommands::playAgainClick()
{
    const ClientState& st = m_context.state;
    if (!st.connected) {
        m_context.notice(QStringLiteral("You are not connected"));
        return;
    }
    std::optional<proto::StartGame> options = lastOptions ? lastOptions() : std::nullopt;
    if (!st.leads() || !options)
        return;
    options->starter = wire::toWire(st.loginname);
    m_context.send(options->message());
}

void PlayerCommands::sendJustWatch(int seat, bool watch)
{
    using Mode = proto::JustWatch::Mode;
    m_context.send(proto::JustWatch{seat, watch ? Mode::Watch : Mode::Play}.message());
}

void PlayerCommands::justWatchClick()
{
    const ClientState& st = m_context.state;
    if (!st.connected || !game::isSeat(st.myslot))
        return;
    // The tick changes only when the host answers.
    sendJustWatch(st.myslot, !m_turn.justWatching());
}

PlayerCommands::SeatMenu PlayerCommands::seatPopup(int seatNumber)
{
    SeatMenu m;
    m.removeEnabled = m.setWatchEnabled = m.unsetWatchEnabled = m_context.state.leads();
    if (m_seats.isEmpty(seatNumber))
        m.removeEnabled = false;
    m_popupSeat = seatNumber;
    return m;
}

void PlayerCommands::setToJustWatch()
{
    if (m_context.state.connected && game::isSeat(m_popupSeat))
        sendJustWatch(m_popupSeat, true);
}

void PlayerCommands::unsetJustWatch()
{
    if (m_context.state.connected && game::isSeat(m_popupSeat))
        sendJustWatch(m_popupSeat, false);
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
