#pragma once
// The host's receive queues: one queue of message texts per connection slot, each
// paced on its own. A slot's oldest text is due when the slot had no text taken in the
// last `pace` milliseconds; takeDue() hands out the due texts one slot after another,
// round-robin, so one pass serves every due slot once and a connection that floods the
// host delays only itself: every other connection's message is due the moment it
// arrives, and waits at most for one text of each other slot to be handled first.
//
// Each queue is capped. A push past the cap is refused, and the caller closes that
// connection, so the host's memory stays bounded whatever a peer sends.
//
// The time always comes from the caller, so the pacing runs under a test's clock.
#include <QByteArray>
#include <array>
#include <deque>
#include <optional>

class SlotQueues {
public:
    static constexpr int kSlots = 10;             // queues for slots 1 to 10
    static constexpr std::size_t kDefaultCap = 1000;          // texts per slot
    static constexpr qsizetype kDefaultByteCap = 1024 * 1024; // bytes per slot
    static constexpr qint64 kDefaultPaceMs = 10;              // per slot, between texts taken

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
    // The oldest text of the next slot, after the one served last, whose text is due at
    // `nowMs`; nothing when no slot has one. The slot is then not due again until a
    // pace later, so calling this until it gives nothing serves each due slot once.
    std::optional<Entry> takeDue(qint64 nowMs);
    // When the earliest waiting text becomes due; nothing when every queue is empty.
    std::optional<qint64> nextDueAt() const;
    // Forgets a slot's pending texts and its pace (its connection has closed; the next
    // connection in the slot is due at once).
    void drop(int slot);
    // The texts still waiting from slot `from`, and its pace, are slot `to`'s from now
    // on (its connection has been moved there); `to` had none.
    void move(int from, int to);
    // Milliseconds between two texts taken from one slot (at least 1).
    void setPace(qint64 ms) { m_paceMs = ms < 1 ? 1 : ms; }
    qint64 pace() const { return m_paceMs; }

    std::size_t pending(int slot) const;
    std::size_t totalPending() const { return m_total; }
    qsizetype pendingBytes(int slot) const;
    std::size_t cap() const { return m_cap; }

private:
    bool isDue(int slot, qint64 nowMs) const;

    std::size_t m_cap;
    qsizetype m_byteCap;
    qint64 m_paceMs = kDefaultPaceMs;
    std::array<std::deque<QByteArray>, kSlots + 1> m_queues; // index 0 unused
    std::array<qsizetype, kSlots + 1> m_bytes{};
    // When each slot last had a text taken; nothing while it has had none.
    std::array<std::optional<qint64>, kSlots + 1> m_takenAt{};
    int m_last = 0;                                         // slot served last
    std::size_t m_total = 0;
};
