#include "discovery/AvahiPollAdapter.h"

#include <QSocketNotifier>
#include <QTimer>

#include <poll.h>

#include <limits>

namespace {

// One watched file descriptor. Avahi names it only through the AvahiWatch pointer the
// adapter hands out, which is this object.
class Watch : public QObject {
public:
    Watch(AvahiPollAdapter* adapter, int fd, AvahiWatchEvent wanted, AvahiWatchCallback callback, void* userdata)
        : QObject(adapter), m_fd(fd), m_callback(callback), m_userdata(userdata),
          m_read(fd, QSocketNotifier::Read, this), m_write(fd, QSocketNotifier::Write, this)
    {
        QObject::connect(&m_read, &QSocketNotifier::activated, this, [this] { wakeUp(); });
        QObject::connect(&m_write, &QSocketNotifier::activated, this, [this] { wakeUp(); });
        update(wanted);
    }

    void update(AvahiWatchEvent wanted)
    {
        m_wanted = wanted;
        // Qt wakes either notifier on an error or a hang-up too, as poll() reports them
        // always.
        m_read.setEnabled(!m_freed && (wanted & AVAHI_WATCH_IN));
        m_write.setEnabled(!m_freed && (wanted & AVAHI_WATCH_OUT));
    }

    AvahiWatchEvent happened() const { return m_happened; }

    // Avahi may free a watch from inside its own callback: the notifiers go quiet at
    // once and the object goes when the event loop next gets control.
    void free()
    {
        m_freed = true;
        update(m_wanted);
        deleteLater();
    }

private:
    void wakeUp()
    {
        if (m_freed)
            return;
        // The notifiers do not say whether it was data, an error or a hang-up: poll()
        // without waiting tells which, so Avahi (and D-Bus beneath it) hears exactly what
        // happened.
        pollfd probe { m_fd, static_cast<short>(m_wanted & (AVAHI_WATCH_IN | AVAHI_WATCH_OUT)), 0 };
        if (::poll(&probe, 1, 0) <= 0)
            return;
        const int relevant = m_wanted | AVAHI_WATCH_ERR | AVAHI_WATCH_HUP;
        const auto events = static_cast<AvahiWatchEvent>(probe.revents & relevant);
        if (!events)
            return;
        m_happened = events;
        m_callback(reinterpret_cast<AvahiWatch*>(this), m_fd, events, m_userdata);
        m_happened = static_cast<AvahiWatchEvent>(0);
    }

    int m_fd;
    AvahiWatchCallback m_callback;
    void* m_userdata;
    AvahiWatchEvent m_wanted = static_cast<AvahiWatchEvent>(0);
    AvahiWatchEvent m_happened = static_cast<AvahiWatchEvent>(0);
    bool m_freed = false;
    QSocketNotifier m_read;
    QSocketNotifier m_write;
};

// One wake-up time. Disabled after it fires until Avahi sets a new time.
class Timeout : public QObject {
public:
    Timeout(AvahiPollAdapter* adapter, const timeval* when, AvahiTimeoutCallback callback, void* userdata)
        : QObject(adapter), m_adapter(adapter), m_callback(callback), m_userdata(userdata)
    {
        m_timer.setSingleShot(true);
        // Avahi's times are exact deadlines (D-Bus call time-outs among them): no coarse
        // timer that may fire a little early.
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            if (!m_freed)
                m_callback(reinterpret_cast<AvahiTimeout*>(this), m_userdata);
        });
        update(when);
    }

    void update(const timeval* when)
    {
        if (!when || m_freed) {
            m_timer.stop();
            return;
        }
        const qint64 ms = AvahiPollAdapter::millisecondsUntil(*when, m_adapter->now());
        m_timer.start(static_cast<int>(qMin<qint64>(ms, std::numeric_limits<int>::max())));
    }

    void free()
    {
        m_freed = true;
        m_timer.stop();
        deleteLater();
    }

private:
    AvahiPollAdapter* m_adapter;
    AvahiTimeoutCallback m_callback;
    void* m_userdata;
    bool m_freed = false;
    QTimer m_timer;
};

Watch* watchOf(AvahiWatch* w) { return reinterpret_cast<Watch*>(w); }
Timeout* timeoutOf(AvahiTimeout* t) { return reinterpret_cast<Timeout*>(t); }

AvahiPollAdapter* adapterOf(const AvahiPoll* api) { return static_cast<AvahiPollAdapter*>(api->userdata); }

timeval systemTime()
{
    timeval tv {};
    gettimeofday(&tv, nullptr);
    return tv;
}

} // namespace

AvahiPollAdapter::AvahiPollAdapter(QObject* parent, WallClock clock)
    : QObject(parent), m_clock(clock ? clock : &systemTime)
{
    m_api.userdata = this;
    m_api.watch_new = [](const AvahiPoll* api, int fd, AvahiWatchEvent event, AvahiWatchCallback callback,
                         void* userdata) -> AvahiWatch* {
        return reinterpret_cast<AvahiWatch*>(new Watch(adapterOf(api), fd, event, callback, userdata));
    };
    m_api.watch_update = [](AvahiWatch* w, AvahiWatchEvent event) { watchOf(w)->update(event); };
    m_api.watch_get_events = [](AvahiWatch* w) { return watchOf(w)->happened(); };
    m_api.watch_free = [](AvahiWatch* w) { watchOf(w)->free(); };
    m_api.timeout_new = [](const AvahiPoll* api, const timeval* tv, AvahiTimeoutCallback callback,
                           void* userdata) -> AvahiTimeout* {
        return reinterpret_cast<AvahiTimeout*>(new Timeout(adapterOf(api), tv, callback, userdata));
    };
    m_api.timeout_update = [](AvahiTimeout* t, const timeval* tv) { timeoutOf(t)->update(tv); };
    m_api.timeout_free = [](AvahiTimeout* t) { timeoutOf(t)->free(); };
}

AvahiPollAdapter::~AvahiPollAdapter() = default;

timeval AvahiPollAdapter::now() const { return m_clock(); }

qint64 AvahiPollAdapter::millisecondsUntil(const timeval& when, const timeval& now)
{
    const qint64 micros = (qint64(when.tv_sec) - now.tv_sec) * 1000000 + (qint64(when.tv_usec) - now.tv_usec);
    return micros <= 0 ? 0 : (micros + 999) / 1000;
}
