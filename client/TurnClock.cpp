#include "client/TurnClock.h"

#include <QtGlobal>

TurnClock::TurnClock(const ClientContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_timePerTurnText(QStringLiteral("Time Per Turn: 45 secs"))
    , m_text(QStringLiteral("Time: 0:00"))
{
    m_barStep = barStepFor(m_timePerTurn);
    m_turntime.setInterval(IntervalMs);
    connect(&m_turntime, &QTimer::timeout, this, &TurnClock::tick);
}

int TurnClock::barStepFor(int timePerTurn)
{
    if (timePerTurn > BarFullWidth - 1)
        return 1;
    if (timePerTurn < 1)
        return BarFullWidth; // a turn without time: the bar empties at once
    return BarFullWidth / timePerTurn;
}

QString TurnClock::clockText(int seconds)
{
    return QStringLiteral("Time: %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void TurnClock::setTimePerTurn(int seconds, const QString& shown)
{
    m_timePerTurn = seconds;
    m_timePerTurnText = QStringLiteral("Time Per Turn: ") + shown + QStringLiteral("secs");
    m_barStep = barStepFor(seconds);
    emit changed();
}

void TurnClock::restart()
{
    m_turntime.stop();
    m_secondsLeft = m_timePerTurn;
    m_turntime.start();
    emit changed();
}

void TurnClock::stop()
{
    m_turntime.stop();
    emit changed();
}

void TurnClock::tick()
{
    --m_secondsLeft;
    if (m_secondsLeft < 1) {
        m_secondsLeft = 0;
        m_text = clockText(0);
        m_barWidth = 0;
        emit changed();
        emit ranOut();
        return;
    }
    m_barWidth = qMin(BarFullWidth, m_barStep * m_secondsLeft);
    m_red = m_secondsLeft < 20;
    if (m_secondsLeft == 20 || m_secondsLeft == 15 || m_secondsLeft <= 10)
        m_context.sound(QStringLiteral("tick"));
    m_text = clockText(m_secondsLeft);
    emit changed();
}
