#include "host/ConnectionLog.h"

bool ConnectionLog::ended(const Window& w, qint64 nowMs) const
{
    return nowMs - w.startMs >= kWindowMs || nowMs < w.startMs;
}

QString ConnectionLog::summary(const QString& address, int held)
{
    return QStringLiteral("%1 more connection line%2 from %3 not shown (%4 s)")
        .arg(held)
        .arg(held == 1 ? QString() : QStringLiteral("s"))
        .arg(address.isEmpty() ? QStringLiteral("other addresses") : address)
        .arg(kWindowMs / 1000);
}

QStringList ConnectionLog::line(const QString& address, const QString& text, qint64 nowMs)
{
    QStringList out;
    QString key = address;
    auto it = m_windows.find(key);
    if (it == m_windows.end() && m_windows.size() >= kAddresses) {
        out = flush(nowMs);
        if (m_windows.size() >= kAddresses)
            key.clear();
        it = m_windows.find(key);
    }
    if (it != m_windows.end() && ended(*it, nowMs)) {
        if (it->held > 0)
            out.append(summary(key, it->held));
        *it = Window{nowMs, 0, 0};
    } else if (it == m_windows.end()) {
        it = m_windows.insert(key, Window{nowMs, 0, 0});
    }
    if (it->shown < kLinesPerWindow) {
        ++it->shown;
        out.append(text);
    } else {
        ++it->held;
    }
    return out;
}

QStringList ConnectionLog::flush(qint64 nowMs)
{
    QStringList out;
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (!ended(*it, nowMs)) {
            ++it;
            continue;
        }
        if (it->held > 0)
            out.append(summary(it.key(), it->held));
        it = m_windows.erase(it);
    }
    return out;
}

std::optional<qint64> ConnectionLog::nextFlushAt() const
{
    std::optional<qint64> next;
    for (const Window& w : m_windows) {
        if (w.held > 0 && (!next || w.startMs + kWindowMs < *next))
            next = w.startMs + kWindowMs;
    }
    return next;
}
