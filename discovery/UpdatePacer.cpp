#include "discovery/UpdatePacer.h"

#include <QDeadlineTimer>

UpdatePacer::UpdatePacer(qint64 intervalMs, Clock clock, QObject* parent)
    : QObject(parent), m_interval(intervalMs),
      m_clock(clock ? std::move(clock) : Clock([] { return QDeadlineTimer::current().deadline(); }))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &UpdatePacer::check);
}

qint64 UpdatePacer::waitMs() const
{
    if (!m_waiting)
        return -1;
    if (!m_sentBefore)
        return 0;
    return qMax<qint64>(0, m_last + m_interval - m_clock());
}

void UpdatePacer::request()
{
    m_waiting = true;
    check();
}

void UpdatePacer::check()
{
    if (!m_waiting)
        return;
    const qint64 wait = waitMs();
    if (wait == 0)
        send();
    else
        m_timer.start(int(wait));
}

void UpdatePacer::send()
{
    markSent();
    emit due();
}

void UpdatePacer::markSent()
{
    m_waiting = false;
    m_timer.stop();
    m_last = m_clock();
    m_sentBefore = true;
}

void UpdatePacer::reset()
{
    m_waiting = false;
    m_timer.stop();
    m_sentBefore = false;
}
