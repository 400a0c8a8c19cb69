#include "host/RefusalLog.h"

QString RefusalLog::summary(int slot, int held)
{
    return QStringLiteral("host: slot %1: %2 more refused message%3 not shown")
        .arg(slot)
        .arg(held)
        .arg(held == 1 ? QString() : QStringLiteral("s"));
}

QStringList RefusalLog::refused(int slot, const QString& line, qint64 nowMs)
{
    if (slot < 1 || slot > kSlots)
        return {line};
    Window& w = m_windows[slot];
    QStringList out;
    if (!w.open || nowMs - w.startMs >= kWindowMs || nowMs < w.startMs) {
        if (w.held > 0)
            out.append(summary(slot, w.held));
        w = Window{true, nowMs, 0, 0};
    }
    if (w.shown < kLinesPerWindow) {
        ++w.shown;
        out.append(line);
    } else {
        ++w.held;
    }
    return out;
}

QStringList RefusalLog::closed(int slot)
{
    if (slot < 1 || slot > kSlots)
        return {};
    const int held = m_windows[slot].held;
    m_windows[slot] = Window{};
    return held > 0 ? QStringList{summary(slot, held)} : QStringList{};
}
