#include "host/SeatHolds.h"

namespace {

bool validSeat(int seat)
{
    return game::isSeat(seat);
}

} // namespace

void SeatHolds::hold(int seat, const QByteArray& name, const QString& address, qint64 nowMs)
{
    if (validSeat(seat))
        m_holds[seat] = Hold{name, address, nowMs + m_lengthMs, false};
}

void SeatHolds::release(int seat)
{
    if (validSeat(seat))
        m_holds[seat].reset();
}

const SeatHolds::Hold* SeatHolds::held(int seat) const
{
    return validSeat(seat) && m_holds[seat] ? &*m_holds[seat] : nullptr;
}

bool SeatHolds::any() const
{
    for (int seat = 1; seat <= game::Seats; ++seat) {
        if (m_holds[seat])
            return true;
    }
    return false;
}

int SeatHolds::seatOf(const QByteArray& name, const QString& address, int preferred) const
{
    const auto matches = [&](int seat) {
        const Hold* h = held(seat);
        return h && h->name == name && h->address == address;
    };
    if (matches(preferred))
        return preferred;
    for (int seat = 1; seat <= game::Seats; ++seat) {
        if (matches(seat))
            return seat;
    }
    return 0;
}

int SeatHolds::unclaimedSeatAt(const QString& address) const
{
    for (int seat = 1; seat <= game::Seats; ++seat) {
        if (m_holds[seat] && !m_holds[seat]->claimed && m_holds[seat]->address == address)
            return seat;
    }
    return 0;
}

void SeatHolds::claim(int seat)
{
    if (validSeat(seat) && m_holds[seat])
        m_holds[seat]->claimed = true;
}

void SeatHolds::unclaim(int seat)
{
    if (validSeat(seat) && m_holds[seat])
        m_holds[seat]->claimed = false;
}

int SeatHolds::secondsLeft(int seat, qint64 nowMs) const
{
    const Hold* h = held(seat);
    if (!h || h->until <= nowMs)
        return 0;
    return int((h->until - nowMs + 999) / 1000);
}

QList<std::pair<int, QByteArray>> SeatHolds::takeExpired(qint64 nowMs)
{
    QList<std::pair<int, QByteArray>> out;
    for (int seat = 1; seat <= game::Seats; ++seat) {
        if (m_holds[seat] && !m_holds[seat]->claimed && m_holds[seat]->until <= nowMs) {
            out.append({seat, m_holds[seat]->name});
            m_holds[seat].reset();
        }
    }
    return out;
}

std::optional<qint64> SeatHolds::nextDeadline() const
{
    std::optional<qint64> earliest;
    for (int seat = 1; seat <= game::Seats; ++seat) {
        const std::optional<Hold>& h = m_holds[seat];
        if (h && !h->claimed && (!earliest || h->until < *earliest))
            earliest = h->until;
    }
    return earliest;
}
