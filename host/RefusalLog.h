#pragma once
// Keeps the host's log readable while a connection sends message after message that the
// host refuses: each connection has at most kLinesPerWindow refusals logged in full in
// any kWindowMs; the rest are only counted, and their number is logged before the next
// full line after the window, or when the connection closes.
//
// The decisions take the time from the caller, so the rule runs under a test's clock;
// the caller writes the lines it gets back.
#include "net/GameConstants.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

class RefusalLog {
public:
    static constexpr int kLinesPerWindow = 3;
    static constexpr qint64 kWindowMs = 10000;
    // Connections in the nine slots, and in the one where a refused connection waits.
    static constexpr int kSlots = game::MaxSlots + 1;

    // One refused message from a slot at `nowMs`: the lines to write now, which are
    // nothing (held back), the line, or a summary of those held back and then the line.
    QStringList refused(int slot, const QString& line, qint64 nowMs);
    // The slot's connection has closed: the summary of what was held back, if any.
    QStringList closed(int slot);

private:
    struct Window {
        bool open = false;
        qint64 startMs = 0;
        int shown = 0;
        int held = 0;
    };
    static QString summary(int slot, int held);

    std::array<Window, kSlots + 1> m_windows{}; // index 0 unused
};
