#pragma once
// The connections that have not logged in yet, each with the time it was accepted.
// A connection that has not sent its login within the timeout is to be closed, so
// connections that never log in cannot hold the nine slots for ever.
//
// Times are milliseconds on the caller's steady clock; nothing here runs by itself.
#include "net/GameConstants.h"

#include <QList>
#include <QtGlobal>

#include <array>
#include <optional>

class LoginDeadlines {
public:
    static constexpr qint64 kTimeoutMs = 30000;
    static constexpr int kSlots = game::MaxSlots; // slots handed out to connections

    explicit LoginDeadlines(qint64 timeoutMs = kTimeoutMs) : m_timeoutMs(timeoutMs) {}

    qint64 timeoutMs() const { return m_timeoutMs; }
    void setTimeoutMs(qint64 ms) { m_timeoutMs = ms; }

    // A connection was accepted into the slot at `nowMs`: its login is awaited.
    void accepted(int slot, qint64 nowMs);
    // The slot logged in or its connection closed: nothing is awaited from it.
    void forget(int slot);
    bool awaiting(int slot) const;

    // The slots whose time ran out by `nowMs`, lowest first; they are forgotten.
    QList<int> takeExpired(qint64 nowMs);
    // The earliest time at which a login is overdue; nothing when none is awaited.
    std::optional<qint64> nextDeadline() const;

private:
    qint64 m_timeoutMs;
    std::array<std::optional<qint64>, kSlots + 1> m_since{}; // acceptance time per slot
};
