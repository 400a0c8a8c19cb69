#include "client/TurnClock.h"

#include <QCoreApplication>
#include "net/GameConstants.h"

#include <QtGlobal>

TurnClock::TurnClock(const ClientContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_timePerTurnText(QCoreApplication::translate("TurnClock", "Time Per Turn: %1").arg(Unknown))
    , m_text(QStringLiteral("Time: 0:00"))
    , m_turntime(this)
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

void TurnClock::setTimePerTurn(int seconds)
{
    // The host passes the leader's text on unchanged; it plays only 0 to a day.
    const int played = game::playableTimePerTurn(seconds);
    m_timePerTurn = played;
    m_timePerTurnText = QCoreApplication::translate("TurnClock", "Time Per Turn: %1 secs").arg(played);
    m_barStep = barStepFor(played);
    emit changed();
}

void TurnClock::show(int seconds)
{
    m_secondsLeft = seconds;
    m_barWidth = qMin(BarFullWidth, m_barStep * seconds);
    m_red = seconds < 20;
    m_text = clockText(seconds);
}

void TurnClock::restart()
{
    m_turntime.stop();
    m_waiting = false;
    show(m_timePerTurn);
    m_turntime.start();
    emit changed();
}

void TurnClock::resume(int seconds)
{
    m_turntime.stop();
    m_waiting = false;
    show(qBound(0, seconds, m_timePerTurn));
    m_turntime.start();
    emit changed();
}

void TurnClock::stop()
{
    m_turntime.stop();
    emit changed();
}

void TurnClock::waitForTurn()
{
    m_turntime.stop();
    m_waiting = true;
    show(0);
    m_red = false;
    emit changed();
}

void TurnClock::tick()
{
    if (m_secondsLeft <= 1) {
        // Run out: picking ends, the clock shows 0:00 and sleeps until the next turn.
        m_turntime.stop();
        show(0);
        emit changed();
        emit ranOut();
        return;
    }
    show(m_secondsLeft - 1);
    if (m_secondsLeft == 20 || m_secondsLeft == 15 || m_secondsLeft <= 10)
        m_context.sound(QStringLiteral("tick"));
    emit changed();
}
