#pragma once
// The seats kept for players whose connection dropped during a game: for each, the
// player's name, the address he connected from and when the seat is given up. While a
// seat is kept nobody else is given it; the same name from the same address gets it
// back, with its score.
//
// A kept seat may be claimed by a new connection that has been moved into it and has
// yet to log in again; a claimed seat is not given up while the claim lasts.
//
// Times are milliseconds on the caller's steady clock; nothing here runs by itself.
#include "net/GameConstants.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <utility>

class SeatHolds {
public:
    static constexpr qint64 kDefaultMs = qint64(game::DefaultHoldSeconds) * 1000;

    struct Hold {
        QByteArray name;
        QString address;
        qint64 until = 0;
        bool claimed = false;
    };

    qint64 lengthMs() const { return m_lengthMs; }
    // 0 or less: seats are not kept.
    void setLengthMs(qint64 ms) { m_lengthMs = ms; }
    bool enabled() const { return m_lengthMs > 0; }

    // Keeps the seat for `name` from `address` from `nowMs` on.
    void hold(int seat, const QByteArray& name, const QString& address, qint64 nowMs);
    // The seat is not kept any more (its player came back, or it was freed).
    void release(int seat);
    const Hold* held(int seat) const;
    bool isHeld(int seat) const { return held(seat) != nullptr; }
    bool any() const;

    // The kept seat of this player (name and address), preferring `preferred`; 0 if none.
    int seatOf(const QByteArray& name, const QString& address, int preferred = 0) const;
    // The lowest kept seat that nobody has claimed whose player came from `address`; 0 if none.
    int unclaimedSeatAt(const QString& address) const;

    // A connection moved into the seat is logging in again: the seat is not given up
    // until unclaim().
    void claim(int seat);
    void unclaim(int seat);

    // Whole seconds left, rounded up (0 once due).
    int secondsLeft(int seat, qint64 nowMs) const;
    // The unclaimed seats whose time is up at `nowMs`, lowest first, with their players'
    // names; they are released.
    QList<std::pair<int, QByteArray>> takeExpired(qint64 nowMs);
    // The earliest time at which an unclaimed seat is given up; nothing when none is.
    std::optional<qint64> nextDeadline() const;

private:
    qint64 m_lengthMs = kDefaultMs;
    std::array<std::optional<Hold>, game::Seats + 1> m_holds{}; // index 0 unused
};
