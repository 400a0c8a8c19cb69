#include "audio/PulseMainloop.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sys/time.h>
#include <ctime>

// One event handed to the library. It is a child of the loop; freeing it marks it dead
// at once (no callback runs after that) and deletes it once control is back in the event
// loop, since the library often frees an event from inside that event's own callback.
struct PulseMainloop::Event : QObject {
    explicit Event(PulseMainloop* owner, void* data) : QObject(owner), loop(owner), userdata(data)
    {
        owner->adopt(this);
    }
    // Tells the library the event is gone, as pa_xxx_set_destroy() asked.
    virtual void tellDestroyed() = 0;
    // Stops whatever would call back.
    virtual void quiet() = 0;

    void free()
    {
        if (dead)
            return;
        dead = true;
        quiet();
        tellDestroyed();
        loop->release(this);
    }

    PulseMainloop* loop;
    void* userdata;
    bool dead = false;
};

// The names the library's header declares; defined here for this loop.
struct pa_io_event : PulseMainloop::Event {
    pa_io_event(PulseMainloop* owner, int socket, pa_io_event_cb_t call, void* data)
        : Event(owner, data), fd(socket), cb(call)
    {
    }
    void tellDestroyed() override
    {
        if (destroy)
            destroy(loop->api(), this, userdata);
    }
    void quiet() override { enable(PA_IO_EVENT_NULL); }

    void enable(pa_io_event_flags_t flags)
    {
        watch(reader, QSocketNotifier::Read, (flags & PA_IO_EVENT_INPUT) != 0, PA_IO_EVENT_INPUT);
        watch(writer, QSocketNotifier::Write, (flags & PA_IO_EVENT_OUTPUT) != 0, PA_IO_EVENT_OUTPUT);
    }

    void watch(QSocketNotifier*& notifier, QSocketNotifier::Type type, bool on, pa_io_event_flags_t flag)
    {
        if (!on) {
            if (notifier)
                notifier->setEnabled(false);
            return;
        }
        if (!notifier) {
            notifier = new QSocketNotifier(fd, type, this);
            QObject::connect(notifier, &QSocketNotifier::activated, this, [this, flag] {
                if (!dead)
                    cb(loop->api(), this, fd, flag, userdata);
            });
        }
        notifier->setEnabled(true);
    }

    int fd;
    pa_io_event_cb_t cb;
    pa_io_event_destroy_cb_t destroy = nullptr;
    QSocketNotifier* reader = nullptr;
    QSocketNotifier* writer = nullptr;
};

struct pa_time_event : PulseMainloop::Event {
    pa_time_event(PulseMainloop* owner, pa_time_event_cb_t call, void* data) : Event(owner, data), cb(call)
    {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, this, [this] {
            if (!dead)
                cb(loop->api(), this, &when, userdata);
        });
    }
    void tellDestroyed() override
    {
        if (destroy)
            destroy(loop->api(), this, userdata);
    }
    void quiet() override { timer.stop(); }

    // The library gives a point in time of the wall clock, or of the monotonic clock when
    // it marks the microseconds so (which it does only for its own loops).
    void restart(const struct timeval* tv)
    {
        if (!tv) {
            timer.stop();
            return;
        }
        when = *tv;
        constexpr suseconds_t MonotonicMark = suseconds_t(1) << 30;
        timespec now {};
        long long usec = tv->tv_usec;
        if (usec & MonotonicMark) {
            usec &= ~MonotonicMark;
            clock_gettime(CLOCK_MONOTONIC, &now);
        } else {
            clock_gettime(CLOCK_REALTIME, &now);
        }
        const long long left = (tv->tv_sec - now.tv_sec) * 1000000LL + usec - now.tv_nsec / 1000;
        // Rounded up: a timer that fires early would only be set again.
        timer.start(left <= 0 ? 0 : int(std::min<long long>((left + 999) / 1000, 24LL * 3600 * 1000)));
    }

    pa_time_event_cb_t cb;
    pa_time_event_destroy_cb_t destroy = nullptr;
    struct timeval when {};
    QTimer timer;
};

// Runs once in every pass of the event loop while enabled.
struct pa_defer_event : PulseMainloop::Event {
    pa_defer_event(PulseMainloop* owner, pa_defer_event_cb_t call, void* data) : Event(owner, data), cb(call)
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, this, [this] {
            if (!dead)
                cb(loop->api(), this, userdata);
        });
    }
    void tellDestroyed() override
    {
        if (destroy)
            destroy(loop->api(), this, userdata);
    }
    void quiet() override { timer.stop(); }

    void enable(bool on)
    {
        if (on && !dead)
            timer.start();
        else
            timer.stop();
    }

    pa_defer_event_cb_t cb;
    pa_defer_event_destroy_cb_t destroy = nullptr;
    QTimer timer;
};

namespace {

PulseMainloop* loopOf(pa_mainloop_api* api)
{
    return static_cast<PulseMainloop*>(api->userdata);
}

pa_io_event* ioNew(pa_mainloop_api* api, int fd, pa_io_event_flags_t flags, pa_io_event_cb_t cb, void* userdata)
{
    auto* event = new pa_io_event(loopOf(api), fd, cb, userdata);
    event->enable(flags);
    return event;
}

pa_time_event* timeNew(pa_mainloop_api* api, const struct timeval* tv, pa_time_event_cb_t cb, void* userdata)
{
    auto* event = new pa_time_event(loopOf(api), cb, userdata);
    event->restart(tv);
    return event;
}

pa_defer_event* deferNew(pa_mainloop_api* api, pa_defer_event_cb_t cb, void* userdata)
{
    auto* event = new pa_defer_event(loopOf(api), cb, userdata);
    event->enable(true);
    return event;
}

} // namespace

PulseMainloop::PulseMainloop(QObject* parent) : QObject(parent)
{
    m_api.userdata = this;
    m_api.io_new = ioNew;
    m_api.io_enable = [](pa_io_event* e, pa_io_event_flags_t flags) {
        if (!e->dead)
            e->enable(flags);
    };
    m_api.io_free = [](pa_io_event* e) { e->free(); };
    m_api.io_set_destroy = [](pa_io_event* e, pa_io_event_destroy_cb_t cb) { e->destroy = cb; };
    m_api.time_new = timeNew;
    m_api.time_restart = [](pa_time_event* e, const struct timeval* tv) {
        if (!e->dead)
            e->restart(tv);
    };
    m_api.time_free = [](pa_time_event* e) { e->free(); };
    m_api.time_set_destroy = [](pa_time_event* e, pa_time_event_destroy_cb_t cb) { e->destroy = cb; };
    m_api.defer_new = deferNew;
    m_api.defer_enable = [](pa_defer_event* e, int on) { e->enable(on != 0); };
    m_api.defer_free = [](pa_defer_event* e) { e->free(); };
    m_api.defer_set_destroy = [](pa_defer_event* e, pa_defer_event_destroy_cb_t cb) { e->destroy = cb; };
    // Nothing to leave: the loop is the application's.
    m_api.quit = [](pa_mainloop_api*, int) {};
}

PulseMainloop::~PulseMainloop()
{
    // Events the library still holds go now, each telling it so; the children then go
    // with this object.
    const QSet<Event*> left = m_events;
    for (Event* event : left)
        event->free();
}

void PulseMainloop::release(Event* event)
{
    m_events.remove(event);
    event->deleteLater();
}
