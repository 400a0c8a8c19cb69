#pragma once
// PulseAudio's client library driven by the Qt event loop of the thread that makes it:
// its sockets are watched by QSocketNotifiers and its timers are QTimers, so sounds need
// no thread of their own and every PulseAudio callback runs on the GUI thread, between
// other events.
//
// The library hands its events out and frees them itself; whatever it has not freed
// when the loop goes is freed then (a context and its streams must be released first).
#include <pulse/mainloop-api.h>

#include <QObject>
#include <QSet>

class PulseMainloop : public QObject {
    Q_OBJECT

public:
    explicit PulseMainloop(QObject* parent = nullptr);
    ~PulseMainloop() override;
    PulseMainloop(const PulseMainloop&) = delete;
    PulseMainloop& operator=(const PulseMainloop&) = delete;

    // What pa_context_new() takes.
    pa_mainloop_api* api() { return &m_api; }

    // Events handed out and not yet freed (for tests and leak checks).
    int liveEvents() const { return int(m_events.size()); }

    // Book-keeping shared by the three kinds of event (defined with the .cpp's callbacks).
    struct Event;
    void adopt(Event* event) { m_events.insert(event); }
    void release(Event* event);

private:
    pa_mainloop_api m_api {};
    QSet<Event*> m_events;
};
