#pragma once
// Getting a lost connection back. Once started, it asks for a new connection 1 second
// after the loss, then 2, 4, 8, 16 and 32 seconds after the attempt before (at 1, 3, 7,
// 15, 31 and 63 seconds), each attempt replacing one still under way, and gives up 90
// seconds after the loss when the player is not back by then; "Cancel" gives up at
// once. Giving up ends the game with the reason the loss itself would have given.
//
// The times come from `clock` and the moments from one single-shot timer, whose handler
// is public so that tests can run the schedule on their own clock without waiting.
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class Reconnection : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 FirstDelayMs = 1000;
    static constexpr qint64 GiveUpAfterMs = 90000;

    explicit Reconnection(QObject* parent = nullptr);

    // Milliseconds on a steady clock; the program's own unless a test sets another.
    std::function<qint64()> clock;
    // Makes one attempt to connect (the connection announces how it went).
    std::function<void()> connect;

    // When the attempts start, counted from the loss: 1, 3, 7, 15, 31, 63 seconds.
    static QList<qint64> attemptTimes();

    // The connection was lost: tries from now on. `reason` is what the player is told
    // if it never comes back.
    void start(const QString& reason);
    // The player is back in the game: nothing more is tried.
    void succeeded();
    // The player gives up ("Cancel"): gaveUp() at once.
    void cancel();

    bool active() const { return m_active; }
    // Attempts made since the loss.
    int attempts() const { return m_attempts; }
    // When the timer is due next (an attempt, or giving up); nothing while inactive.
    std::optional<qint64> nextAt() const;

    // The timer's handler: makes the attempt that is due, or gives up when the time
    // is over.
    void timerFired();

signals:
    // An attempt is being made (the first is 1).
    void attempting(int attempt);
    // Nothing more is tried: the game ends with `reason`.
    void gaveUp(const QString& reason);

private:
    void schedule();
    void giveUp();

    QTimer m_timer;
    bool m_active = false;
    qint64 m_lostAt = 0;
    int m_attempts = 0;
    QString m_reason;
};
