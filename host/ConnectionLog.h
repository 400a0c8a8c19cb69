#pragma once
// Keeps the host's log small while connections come and go in a loop. Of the lines about
// connections (accepted, logged in, closed, refused because the game is full) from one
// source address, at most kLinesPerWindow in any kWindowMs are written in full; the rest are
// only counted, and the count is written as one line when that window has ended.
//
// At most kAddresses addresses are followed one by one; while that many are, lines from
// any further address share one window, so neither the memory kept nor the lines written
// grow with the number of addresses a peer can use.
//
// The decisions take the time from the caller, so the rule runs under a test's clock;
// the caller writes the lines it gets back and asks flush() for the counts when
// nextFlushAt() comes.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

class ConnectionLog {
public:
    // Enough for nine players behind one address to join and log in at once.
    static constexpr int kLinesPerWindow = 20;
    static constexpr qint64 kWindowMs = 10000;
    static constexpr int kAddresses = 64;

    // One connection line about `address` at `nowMs`: the lines to write now, which are
    // nothing (held back), the line, or the count of an ended window and then the line.
    QStringList line(const QString& address, const QString& text, qint64 nowMs);
    // The counts of every window that has ended by `nowMs` with lines held back.
    QStringList flush(qint64 nowMs);
    // When the first window with lines held back ends; nothing while no line is held.
    std::optional<qint64> nextFlushAt() const;
    // Addresses followed right now.
    int followed() const { return static_cast<int>(m_windows.size()); }

private:
    struct Window {
        qint64 startMs = 0;
        int shown = 0;
        int held = 0;
    };
    bool ended(const Window& w, qint64 nowMs) const;
    static QString summary(const QString& address, int held);

    QHash<QString, Window> m_windows; // by address; the empty key is every further address
};
