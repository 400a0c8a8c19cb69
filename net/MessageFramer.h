#pragma once
// Cuts one connection's byte stream into message texts at each 0xFF terminator.
//
// The bytes after the last terminator are kept and completed by the next read, so a
// message that the network splits across several reads still arrives whole. The kept
// tail is bounded: a run of more than MaxTail bytes without a terminator is discarded
// (up to and including its eventual terminator), so a peer cannot grow our memory.
#include <QByteArray>
#include <QList>

class MessageFramer {
public:
    static constexpr qsizetype MaxTail = 64 * 1024;

    // Appends the bytes of one read; returns the texts completed by them, oldest first.
    QList<QByteArray> feed(const QByteArray& bytes);

    qsizetype pendingBytes() const { return m_tail.size(); }
    // Bytes thrown away because an unterminated run outgrew MaxTail.
    qint64 discardedBytes() const { return m_discarded; }
    void clear();

private:
    QByteArray m_tail;
    bool m_skipping = false; // inside an overlong run: drop bytes up to the next terminator
    qint64 m_discarded = 0;
};
