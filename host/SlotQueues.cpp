#include "host/SlotQueues.h"

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

std::optional<SlotQueues::Entry> SlotQueues::takeNext()
{
    if (m_total == 0)
        return std::nullopt;
    for (int step = 1; step <= kSlots; ++step) {
        const int slot = (m_last + step - 1) % kSlots + 1;
        auto& queue = m_queues[slot];
        if (queue.empty())
            continue;
        Entry entry{slot, std::move(queue.front())};
        queue.pop_front();
        m_bytes[slot] -= entry.text.size();
        --m_total;
        m_last = slot;
        return entry;
    }
    return std::nullopt;
}

void SlotQueues::drop(int slot)
{
    if (slot < 1 || slot > kSlots)
        return;
    m_total -= m_queues[slot].size();
    std::deque<QByteArray>().swap(m_queues[slot]);
    m_bytes[slot] = 0;
}

qsizetype SlotQueues::pendingBytes(int slot) const
{
    return slot >= 1 && slot <= kSlots ? m_bytes[slot] : 0;
}

std::size_t SlotQueues::pending(int slot) const
{
    return slot >= 1 && slot <= kSlots ? m_queues[slot].size() : 0;
}
