#include "host/LoginDeadlines.h"

void LoginDeadlines::accepted(int slot, qint64 nowMs)
{
    if (slot >= 1 && slot <= kSlots)
        m_since[slot] = nowMs;
}

void LoginDeadlines::forget(int slot)
{
    if (slot >= 1 && slot <= kSlots)
        m_since[slot].reset();
}

bool LoginDeadlines::awaiting(int slot) const
{
    return slot >= 1 && slot <= kSlots && m_since[slot].has_value();
}

QList<int> LoginDeadlines::takeExpired(qint64 nowMs)
{
    QList<int> out;
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (m_since[slot] && nowMs - *m_since[slot] >= m_timeoutMs) {
            m_since[slot].reset();
            out.append(slot);
        }
    }
    return out;
}

std::optional<qint64> LoginDeadlines::nextDeadline() const
{
    std::optional<qint64> earliest;
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (m_since[slot] && (!earliest || *m_since[slot] + m_timeoutMs < *earliest))
            earliest = *m_since[slot] + m_timeoutMs;
    }
    return earliest;
}
