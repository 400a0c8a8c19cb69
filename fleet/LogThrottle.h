#pragma once
// Keeps a repeating complaint from flooding the log: at most `perWindow` lines in any
// `windowMs`, counted from the first line of the window. The lines held back are
// counted, and the next line let through says how many there were.
#include <QString>
#include <QtGlobal>

class LogThrottle {
public:
    LogThrottle(qint64 windowMs, int perWindow) : m_window(windowMs), m_perWindow(perWindow) {}

    // The line to log at time `now`: `line`, with " (N more not shown)" when lines were
    // held back since the last one; or an empty string when this one is held back.
    QString pass(const QString& line, qint64 now);
    // Starts afresh: the next line goes out, without a count.
    void reset();

    int heldBack() const { return m_heldBack; }

private:
    qint64 m_window;
    int m_perWindow;
    qint64 m_windowStart = 0;
    int m_inWindow = 0;
    int m_heldBack = 0;
};
