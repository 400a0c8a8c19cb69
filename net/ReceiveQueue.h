#pragma once
// The ordered list of received message texts, oldest first. It starts with one entry
// that is not a valid message (the dispatcher drops it), as the game's queues always have.
#include <QByteArray>
#include <deque>

class ReceiveQueue {
public:
    explicit ReceiveQueue(const QByteArray& initialEntry = QByteArray()) { push(initialEntry); }

    void push(const QByteArray& entry)
    {
        m_entries.push_back(entry);
        m_bytes += entry.size();
    }
    bool isEmpty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    // The bytes of all queued texts together.
    qsizetype bytes() const { return m_bytes; }
    // Removes and returns the oldest entry; the queue must not be empty.
    QByteArray take()
    {
        QByteArray e = std::move(m_entries.front());
        m_entries.pop_front();
        m_bytes -= e.size();
        return e;
    }
    void clear()
    {
        m_entries.clear();
        m_bytes = 0;
    }

private:
    std::deque<QByteArray> m_entries;
    qsizetype m_bytes = 0;
};
