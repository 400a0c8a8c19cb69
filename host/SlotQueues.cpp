#include "host/SlotQueues.h"

#include <limits>

bool SlotQueues::push(int slot, const QByteArray& text)
{
    if (slot < 1 || slot > kSlots)
        return false;
    auto& queue = m_queues[slot];
    if (queue.size() >= m_cap || m_bytes[slot] + text.size() > m_byteCap)
        return false;
    queue.push_back(text);
    m_bytes[slot] += text.size();
    ++m_total;
    return true;
}

bool SlotQueues::isDue(int slot, qint64 nowMs) const
{
    const std::optional<qint64>& taken = m_takenAt[slot];
    // A clock that went backwards does not hold a slot up for longer than a pace.
    return !taken || nowMs - *taken >= m_paceMs || nowMs < *taken;
}

std::optional<SlotQueues::Entry> SlotQueues::takeDue(qint64 nowMs)
{
    if (m_total == 0)
        return std::nullopt;
    for (int step = 1; step <= kSlots; ++step) {
        const int slot = (m_last + step - 1) % kSlots + 1;
        auto& queue = m_queues[slot];
        if (queue.empty() || !isDue(slot, nowMs))
            continue;
        Entry entry{slot, std::move(queue.front())};
        queue.pop_front();
        m_bytes[slot] -= entry.text.size();
        --m_total;
        m_last = slot;
        m_takenAt[slot] = nowMs;
        return entry;
    }
    return std::nullopt;
}

std::optional<qint64> SlotQueues::nextDueAt() const
{
    std::optional<qint64> next;
    for (int slot = 1; slot <= kSlots && m_total > 0; ++slot) {
        if (m_queues[slot].empty())
            continue;
        const std::optional<qint64>& taken = m_takenAt[slot];
        // A slot that never had a text taken is due now; the caller's "now" is not known
        // here, so the earliest possible time stands for it.
        const qint64 due = taken ? *taken + m_paceMs : std::numeric_limits<qint64>::min();
        if (!next || due < *next)
            next = due;
    }
    return next;
}

void SlotQueues::drop(int slot)
{
    if (slot < 1 || slot > kSlots)
        return;
    m_total -= m_queues[slot].size();
    std::deque<QByteArray>().swap(m_queues[slot]);
    m_bytes[slot] = 0;
    m_takenAt[slot].reset();
}

void SlotQueues::move(int from, int to)
{
    if (from < 1 || from > kSlots || to < 1 || to > kSlots || from == to)
        return;
    drop(to);
    m_queues[to].swap(m_queues[from]);
    std::swap(m_bytes[to], m_bytes[from]);
    std::swap(m_takenAt[to], m_takenAt[from]);
}

qsizetype SlotQueues::pendingBytes(int slot) const
{
    return slot >= 1 && slot <= kSlots ? m_bytes[slot] : 0;
}

std::size_t SlotQueues::pending(int slot) const
{
    return slot >= 1 && slot <= kSlots ? m_queues[slot].size() : 0;
}
