#pragma once
// The ordered list of received message texts, oldest first. It starts with one entry
// that is not a valid message (the dispatcher drops it), as the game's queues always have.
#include <QByteArray>
#include <deque>

class ReceiveQueue {
public:
    explicit ReceiveQueue(const QByteArray& initialEntry = QByteArray()) { m_entries.push_back(initialEntry); }

    void push(const QByteArray& entry) { m_entries.push_back(entry); }
    bool isEmpty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    // Removes and returns the oldest entry; the queue must not be empty.
    QByteArray take()
    {
        QByteArray e = std::move(m_entries.front());
        m_entries.pop_front();
        return e;
    }
    void clear() { m_entries.clear(); }

private:
    std::deque<QByteArray> m_entries;
};
