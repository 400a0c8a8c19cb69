#include "headless/EpollDispatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimerEvent>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <limits>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

qint64 nowNs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

constexpr qint64 kNsPerMs = 1000000;

// Which epoll events wake a notifier of each type, as Qt's own dispatchers map poll()'s.
constexpr unsigned kWants[3] = {EPOLLIN, EPOLLOUT, EPOLLPRI};
constexpr unsigned kWakes[3] = {EPOLLIN | EPOLLHUP | EPOLLERR | EPOLLRDHUP, EPOLLOUT | EPOLLERR | EPOLLHUP,
                                EPOLLPRI | EPOLLERR};

} // namespace

EpollDispatcher::EpollDispatcher(QObject* parent)
    : QAbstractEventDispatcher(parent)
    , m_epoll(::epoll_create1(EPOLL_CLOEXEC))
    , m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (!isValid())
        return;
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.fd = m_wake;
    if (::epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wake, &ev) != 0) {
        ::close(m_wake);
        m_wake = -1;
    }
}

EpollDispatcher::~EpollDispatcher()
{
    if (m_wake >= 0)
        ::close(m_wake);
    if (m_epoll >= 0)
        ::close(m_epoll);
}

void EpollDispatcher::registerSocketNotifier(QSocketNotifier* notifier)
{
    const int fd = int(notifier->socket());
    const int type = int(notifier->type());
    if (fd < 0 || type < 0 || type > 2)
        return;
    if (std::size_t(fd) >= m_watches.size())
        m_watches.resize(std::size_t(fd) + 1);
    Watch& watch = m_watches[std::size_t(fd)];
    const bool wasWatched = watch.any();
    if (watch.notifiers[type] && watch.notifiers[type] != notifier)
        qWarning("EpollDispatcher: a second socket notifier of one type for descriptor %d replaces the first", fd);
    watch.notifiers[type] = notifier;
    updateInterest(fd, wasWatched);
}

void EpollDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier)
{
    const int fd = int(notifier->socket());
    const int type = int(notifier->type());
    if (fd < 0 || std::size_t(fd) >= m_watches.size() || type < 0 || type > 2)
        return;
    Watch& watch = m_watches[std::size_t(fd)];
    if (watch.notifiers[type] != notifier)
        return;
    watch.notifiers[type] = nullptr;
    updateInterest(fd, true);
}

void EpollDispatcher::updateInterest(int fd, bool wasWatched)
{
    if (!isValid())
        return;
    const Watch& watch = m_watches[std::size_t(fd)];
    if (!watch.any()) {
        // The descriptor may already be closed, which took it out of the set.
        ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, fd, nullptr);
        return;
    }
    epoll_event ev{};
    for (int type = 0; type < 3; ++type) {
        if (watch.notifiers[type])
            ev.events |= kWants[type];
    }
    ev.data.fd = fd;
    if (!wasWatched || ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, fd, &ev) != 0) {
        // A descriptor closed and reopened under the same number is not in the set any more.
        if (::epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &ev) != 0 && errno != EEXIST)
            qWarning("EpollDispatcher: cannot watch descriptor %d: %s", fd, std::strerror(errno));
    }
}

int EpollDispatcher::deliver(int fd, unsigned events)
{
    int delivered = 0;
    for (int type = 0; type < 3; ++type) {
        // Looked up afresh each time: a handler may have switched off or deleted any
        // notifier of the descriptor.
        if (std::size_t(fd) >= m_watches.size())
            break;
        QSocketNotifier* notifier = m_watches[std::size_t(fd)].notifiers[type];
        if (!notifier || !(events & kWakes[type]))
            continue;
        QEvent event(QEvent::SockAct);
        QCoreApplication::sendEvent(notifier, &event);
        ++delivered;
    }
    return delivered;
}

void EpollDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object)
{
    Timer t;
    t.id = timerId;
    t.intervalMs = interval;
    t.type = timerType;
    t.object = object;
    t.dueNs = nowNs() + interval * kNsPerMs;
    m_timers.push_back(t);
}

EpollDispatcher::Timer* EpollDispatcher::findTimer(int timerId)
{
    for (Timer& t : m_timers) {
        if (t.id == timerId)
            return &t;
    }
    return nullptr;
}

bool EpollDispatcher::unregisterTimer(int timerId)
{
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->id == timerId) {
            m_timers.erase(it);
            return true;
        }
    }
    return false;
}

bool EpollDispatcher::unregisterTimers(QObject* object)
{
    const auto before = m_timers.size();
    std::erase_if(m_timers, [object](const Timer& t) { return t.object == object; });
    return m_timers.size() != before;
}

QList<QAbstractEventDispatcher::TimerInfo> EpollDispatcher::registeredTimers(QObject* object) const
{
    QList<TimerInfo> out;
    for (const Timer& t : m_timers) {
        if (t.object == object)
            out.append(TimerInfo(t.id, int(t.intervalMs), t.type));
    }
    return out;
}

int EpollDispatcher::remainingTime(int timerId)
{
    const Timer* t = findTimer(timerId);
    if (!t)
        return -1;
    const qint64 left = t->dueNs - nowNs();
    return left <= 0 ? 0 : int((left + kNsPerMs - 1) / kNsPerMs);
}

int EpollDispatcher::waitMs() const
{
    qint64 first = -1;
    for (const Timer& t : m_timers) {
        if (!t.delivering && (first < 0 || t.dueNs < first))
            first = t.dueNs;
    }
    if (first < 0)
        return -1;
    const qint64 left = first - nowNs();
    if (left <= 0)
        return 0;
    // Rounded up: waking before a timer is due would only mean waking again.
    return int(std::min<qint64>((left + kNsPerMs - 1) / kNsPerMs, std::numeric_limits<int>::max()));
}

int EpollDispatcher::fireTimers()
{
    const qint64 now = nowNs();
    std::vector<int> due;
    for (const Timer& t : m_timers) {
        if (!t.delivering && t.dueNs <= now)
            due.push_back(t.id);
    }
    int fired = 0;
    for (int id : due) {
        Timer* t = findTimer(id);
        if (!t || t->delivering)
            continue; // stopped, or being delivered further up, by an earlier handler
        // The next one a whole interval after this one was due, unless that has passed too:
        // a timer that fell behind does not fire in a burst to catch up.
        t->dueNs += t->intervalMs * kNsPerMs;
        if (t->dueNs <= now)
            t->dueNs = now + t->intervalMs * kNsPerMs;
        t->delivering = true;
        QObject* object = t->object;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(object, &event);
        if ((t = findTimer(id)))
            t->delivering = false;
        ++fired;
    }
    return fired;
}

bool EpollDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags)
{
    m_interrupted.store(false);
    emit awake();
    QCoreApplication::sendPostedEvents();
    if (!isValid())
        return false;

    const bool wait = (flags & QEventLoop::WaitForMoreEvents) && !m_interrupted.load();
    const int timeout = wait ? waitMs() : 0;
    if (wait)
        emit aboutToBlock();
    epoll_event events[64];
    int ready = ::epoll_wait(m_epoll, events, 64, timeout);
    if (ready < 0)
        ready = 0; // a signal: its handler has written to a pipe that is watched here
    if (wait)
        emit awake();

    int handled = 0;
    for (int i = 0; i < ready; ++i) {
        const int fd = events[i].data.fd;
        if (fd == m_wake) {
            // Cleared before reading, so that a wake-up asked for from now on writes again.
            m_wakePending.store(false);
            quint64 count = 0;
            [[maybe_unused]] const ssize_t n = ::read(m_wake, &count, sizeof count);
            ++handled; // what woke it was posted: sent on the next pass
            continue;
        }
        if (!(flags & QEventLoop::ExcludeSocketNotifiers))
            handled += deliver(fd, events[i].events);
    }
    if (!(flags & QEventLoop::X11ExcludeTimers))
        handled += fireTimers();
    return handled > 0;
}

void EpollDispatcher::wakeUp()
{
    if (m_wake < 0 || m_wakePending.exchange(true))
        return;
    const quint64 one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wake, &one, sizeof one);
}

void EpollDispatcher::interrupt()
{
    m_interrupted.store(true);
    wakeUp();
}
