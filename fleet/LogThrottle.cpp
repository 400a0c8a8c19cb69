#include "fleet/LogThrottle.h"

QString LogThrottle::pass(const QString& line, qint64 now)
{
    if (m_inWindow == 0 || now - m_windowStart >= m_window) {
        m_windowStart = now;
        m_inWindow = 0;
    }
    if (m_inWindow >= m_perWindow) {
        ++m_heldBack;
        return {};
    }
    ++m_inWindow;
    if (m_heldBack == 0)
        return line;
    const QString shown = QStringLiteral("%1 (%2 more not shown)").arg(line).arg(m_heldBack);
    m_heldBack = 0;
    return shown;
}

void LogThrottle::reset()
{
    m_inWindow = 0;
    m_heldBack = 0;
}
