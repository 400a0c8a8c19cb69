#pragma once
// The host's receive queues: one queue of message texts per connection slot, taken
// round-robin, so a connection that floods the host delays only itself; every other
// connection's next message comes up within one turn of the slots.
//
// Each queue is capped. A push past the cap is refused, and the caller closes that
// connection, so the host's memory stays bounded whatever a peer sends.
#include <QByteArray>
#include <array>
#include <deque>
#include <optional>

class SlotQueues {
public:
    static constexpr int kSlots = 10;             // queues for slots 1 to 10
    static constexpr std::size_t kDefaultCap = 1000;          // texts per slot
    static constexpr qsizetype kDefaultByteCap = 1024 * 1024; // bytes per slot

    explicit SlotQueues(std::size_t cap = kDefaultCap, qsizetype byteCap = kDefaultByteCap)
        : m_cap(cap), m_byteCap(byteCap) {}

    struct Entry {
        int slot = 0;
        QByteArray text;
    };

    // Appends a text to the slot's queue; false (nothing added) when the queue already
    // holds `cap` texts, when the text would take it past `byteCap` bytes, or when the
    // slot is outside 1 to 10.
    bool push(int slot, const QByteArray& text);
    // The oldest text of the next slot after the last one served that has any;
    // nothing when every queue is empty.
    std::optional<Entry> takeNext();
    // Forgets a slot's pending texts (its connection has closed).
    void drop(int slot);

    std::size_t pending(int slot) const;
    std::size_t totalPending() const { return m_total; }
    qsizetype pendingBytes(int slot) const;
    std::size_t cap() const { return m_cap; }

private:
    std::size_t m_cap;
    qsizetype m_byteCap;
    std::array<std::deque<QByteArray>, kSlots + 1> m_queues; // index 0 unused
    std::array<qsizetype, kSlots + 1> m_bytes{};
    int m_last = 0;                                         // slot served last
    std::size_t m_total = 0;
};
