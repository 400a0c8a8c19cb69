#pragma once
// Lets changes out at most once per interval: a change after a quiet interval goes at
// once (due() is emitted before request() returns); changes within the interval are
// gathered and go together, once, when the interval since the last one is over.
#include <QObject>
#include <QTimer>

#include <functional>

class UpdatePacer : public QObject {
    Q_OBJECT
public:
    // Milliseconds on a steady clock; tests give their own.
    using Clock = std::function<qint64()>;

    explicit UpdatePacer(qint64 intervalMs, Clock clock = {}, QObject* parent = nullptr);

    // A change wants out.
    void request();
    // Something went out by another way (a fresh registration carries the latest state):
    // the interval starts now and nothing is waiting any more.
    void markSent();
    // Forgets what is waiting and when the last change went.
    void reset();

    bool isWaiting() const { return m_waiting; }
    // Milliseconds until the waiting change goes; -1 when none waits.
    qint64 waitMs() const;

    // What the timer runs: lets the waiting change out when its time has come, else
    // waits on. Safe to call at any time.
    void check();

signals:
    void due();

private:
    void send();

    qint64 m_interval;
    Clock m_clock;
    qint64 m_last = 0;
    bool m_sentBefore = false;
    bool m_waiting = false;
    QTimer m_timer;
};
