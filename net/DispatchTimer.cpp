#include "net/DispatchTimer.h"

#include <QDeadlineTimer>
#include <algorithm>

DispatchTimer::DispatchTimer(int periodMs, QObject* parent)
    : QObject(parent)
    , m_periodMs(periodMs)
{
    // Precise, as Qt makes every timer of 20 ms or less anyway; said here so that a longer
    // period would not let a coarse timer stretch the pace by up to 5 %.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DispatchTimer::onTimeout);
}

void DispatchTimer::setPace(int periodMs, Clock clock)
{
    m_periodMs = periodMs;
    m_clock = std::move(clock);
}

qint64 DispatchTimer::now() const
{
    return m_clock ? m_clock() : QDeadlineTimer::current().deadline();
}

void DispatchTimer::wake()
{
    if (m_timer.isActive())
        return;
    const qint64 since = m_ticked ? now() - m_lastTick : m_periodMs;
    m_timer.start(int(std::clamp<qint64>(m_periodMs - since, 0, m_periodMs)));
}

void DispatchTimer::onTimeout()
{
    m_ticked = true;
    m_lastTick = now();
    // The first tick after a wake-up may have come early; later ones keep the period.
    if (m_timer.interval() != m_periodMs)
        m_timer.setInterval(m_periodMs);
    emit tick();
}
