#include "client/Reconnection.h"

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

Reconnection::Reconnection(QObject* parent)
    : QObject(parent)
    , clock([timer = std::make_shared<QElapsedTimer>()] {
        if (!timer->isValid())
            timer->start();
        return timer->elapsed();
    })
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, this, &Reconnection::timerFired);
}

QList<qint64> Reconnection::attemptTimes()
{
    QList<qint64> times;
    qint64 delay = FirstDelayMs;
    for (qint64 at = delay; at < GiveUpAfterMs; delay *= 2, at += delay)
        times.append(at);
    return times;
}

void Reconnection::start(const QString& reason)
{
    m_active = true;
    m_lostAt = clock();
    m_attempts = 0;
    m_reason = reason;
    schedule();
}

void Reconnection::succeeded()
{
    m_active = false;
    m_timer.stop();
}

void Reconnection::cancel()
{
    if (m_active)
        giveUp();
}

std::optional<qint64> Reconnection::nextAt() const
{
    if (!m_active)
        return std::nullopt;
    const QList<qint64> times = attemptTimes();
    return m_lostAt + (m_attempts < times.size() ? times.at(m_attempts) : GiveUpAfterMs);
}

void Reconnection::schedule()
{
    const std::optional<qint64> at = nextAt();
    if (!at) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(std::clamp<qint64>(*at - clock(), 0, GiveUpAfterMs)));
}

void Reconnection::timerFired()
{
    const std::optional<qint64> at = nextAt();
    if (!at)
        return;
    if (clock() < *at) {
        schedule(); // early: a timer is never late by the clock it is read on
        return;
    }
    if (m_attempts >= attemptTimes().size()) {
        giveUp();
        return;
    }
    ++m_attempts;
    schedule();
    emit attempting(m_attempts);
    if (connect)
        connect();
}

void Reconnection::giveUp()
{
    m_active = false;
    m_timer.stop();
    emit gaveUp(m_reason);
}
