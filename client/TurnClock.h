#pragma once
// The client's turn clock `turntime`: the seconds left in the turn, shown as "Time: m:ss"
// and as a bar that empties, red in the last 19 seconds, with a tick sound at 20, 15 and
// every second from 10 down. It only shows time: the host's clock decides the turn.
//
// The timer runs only during a turn: it starts with the turn, and stops when the turn
// ends or when the seconds run out (it announces `ranOut` and keeps showing 0:00).
// Before a game's first turn, and for a player who arrives during a game until the
// next turn, the clock waits: its bar is empty and it says so (`waiting`).
#include "client/ClientContext.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QTimer>

class TurnClock : public QObject {
    Q_OBJECT
public:
    static constexpr int BarFullWidth = 184;
    // What the time per turn reads as until a game's options are known.
    static inline const QString Unknown = QStringLiteral("\u2013");
    static constexpr int IntervalMs = 1000;

    explicit TurnClock(const ClientContext& context, QObject* parent = nullptr);

    // Seconds per turn from the game's options. A number outside the range the host plays
    // is taken as the host takes it (60 seconds). The text shows the seconds played, not
    // the leader's text ("999999", "abc"), which the host passes on unchanged: "Time Per
    // Turn: 60 secs"; before any game's options it reads "Time Per Turn: \u2013".
    void setTimePerTurn(int seconds);
    int timePerTurn() const { return m_timePerTurn; }
    const QString& timePerTurnText() const { return m_timePerTurnText; }
    int barStep() const { return m_barStep; }

    // A turn starts: the full time per turn, counting down from a second from now.
    void restart();
    // A turn already under way, with `seconds` left (at most the time per turn).
    void resume(int seconds);
    void stop();
    // No turn yet in this game: the timer stops and the bar empties.
    void waitForTurn();
    bool isRunning() const { return m_turntime.isActive(); }
    bool waiting() const { return m_waiting; }
    // turntimeTimer: one second of the clock.
    void tick();

    int secondsLeft() const { return m_secondsLeft; }
    int barWidth() const { return m_barWidth; }
    const QString& text() const { return m_text; }
    bool red() const { return m_red; }
    QColor colour() const { return m_red ? QColor(Qt::red) : QColor(Qt::black); }

    // Bar pixels per second for a time per turn (1 from 184 up).
    static int barStepFor(int timePerTurn);
    // "Time: m:ss".
    static QString clockText(int seconds);

signals:
    void changed();
    // The seconds have run out: no more picking.
    void ranOut();

private:
    void show(int seconds);

    const ClientContext& m_context;
    int m_timePerTurn = 45;
    QString m_timePerTurnText;
    int m_barStep = 4;
    int m_secondsLeft = 0;
    int m_barWidth = 0;
    QString m_text;
    bool m_red = false;
    bool m_waiting = true;
    QTimer m_turntime;
};
