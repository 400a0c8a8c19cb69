#pragma once
// The event loop of the dedicated host: a Qt event dispatcher built on Linux's epoll.
//
// Qt's own dispatchers (glib's main loop, or poll() without glib) hand the kernel the
// whole list of watched sockets on every wake-up, and the kernel looks at each of them
// and hangs a waiter on each; a host that wakes for every message pays that for every
// message. With epoll the kernel keeps the list and says only which sockets are ready,
// so a wake-up costs the same however many players are connected.
//
// It serves one thread (the host's), which installs it before its QCoreApplication:
//     QCoreApplication::setEventDispatcher(new EpollDispatcher);
//     QCoreApplication app(argc, argv);
// Socket notifiers, timers (every timer type is kept to the millisecond), posted events,
// wake-ups from other threads and interrupt() (QCoreApplication::quit) all work as with
// Qt's dispatchers; each pass of processEvents() sends the posted events, waits for a
// socket, a timer or a wake-up (unless told not to wait), and delivers what is due.
#include <QAbstractEventDispatcher>

#include <atomic>
#include <vector>

class EpollDispatcher : public QAbstractEventDispatcher {
    Q_OBJECT
public:
    explicit EpollDispatcher(QObject* parent = nullptr);
    ~EpollDispatcher() override;

    // False when the kernel gave no epoll instance or wake-up descriptor; nothing is
    // then watched, and the caller should keep Qt's own dispatcher.
    bool isValid() const { return m_epoll >= 0 && m_wake >= 0; }

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;

    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;

    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;

    void wakeUp() override;
    void interrupt() override;

private:
    // The notifiers of one descriptor, by type (read, write, exception).
    struct Watch {
        QSocketNotifier* notifiers[3] = {};
        bool any() const { return notifiers[0] || notifiers[1] || notifiers[2]; }
    };
    struct Timer {
        int id = 0;
        qint64 intervalMs = 0;
        Qt::TimerType type = Qt::PreciseTimer;
        QObject* object = nullptr;
        qint64 dueNs = 0;
        bool delivering = false; // its event is being handled: not again inside it
    };

    // Tells epoll what the descriptor's notifiers want, after one of them changed.
    void updateInterest(int fd, bool wasWatched);
    // Delivers the socket events of one ready descriptor; returns how many.
    int deliver(int fd, unsigned events);
    // Delivers every timer due now, each once; returns how many.
    int fireTimers();
    // Milliseconds until the first timer is due (0 for one that is due), -1 for none.
    int waitMs() const;
    Timer* findTimer(int timerId);

    int m_epoll = -1;
    int m_wake = -1; // eventfd
    std::atomic<bool> m_wakePending{false};
    std::atomic<bool> m_interrupted{false};
    std::vector<Watch> m_watches; // by descriptor
    std::vector<Timer> m_timers;
};
