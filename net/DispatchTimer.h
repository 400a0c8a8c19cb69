#pragma once
// The tick that hands queued messages to their handlers, running only while there is
// something to hand out.
//
// The owner calls wake() whenever it has queued a message and stop() when its queue
// is empty after a tick. A wake-up after a quiet spell ticks at once (from the event
// loop, never inside the caller), so a message on an idle end is handled as soon as it
// arrives; while messages keep coming, ticks stay one period apart, counted from the
// last tick, so a flood is worked off exactly as fast as with a timer that never stops.
//
// The clock is injectable so tests can decide how much time has passed.
#include <QObject>
#include <QTimer>
#include <functional>

class DispatchTimer : public QObject {
    Q_OBJECT
public:
    // Milliseconds from any fixed point; must never go backwards.
    using Clock = std::function<qint64()>;

    explicit DispatchTimer(int periodMs, QObject* parent = nullptr);

    // Replaces the period and the clock (an empty clock: the system's monotonic clock).
    void setPace(int periodMs, Clock clock);
    int periodMs() const { return m_periodMs; }

    // Messages are waiting: a tick comes at once when the last one is at least a
    // period ago, otherwise a period after the last one. Nothing changes while ticking.
    void wake();
    // Nothing is waiting: no more ticks until the next wake().
    void stop() { m_timer.stop(); }
    bool isActive() const { return m_timer.isActive(); }

signals:
    // Handle what is due now.
    void tick();

private:
    void onTimeout();
    qint64 now() const;

    int m_periodMs;
    Clock m_clock;
    QTimer m_timer;
    bool m_ticked = false; // a tick has happened, so m_lastTick means something
    qint64 m_lastTick = 0;
};
