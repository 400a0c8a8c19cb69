#pragma once
// Runs libavahi-client on the Qt event loop: the AvahiPoll table that avahi_client_new()
// takes, built on QSocketNotifier and QTimer, so the library needs no thread and no loop
// of its own. Every watch and timeout the library asks for is a child of the adapter;
// the adapter must outlive every AvahiClient made with it.
#include <QObject>

#include <avahi-common/watch.h>

#include <sys/time.h>

class AvahiPollAdapter : public QObject {
    Q_OBJECT
public:
    // The clock that Avahi's absolute wake-up times are measured against. Avahi takes
    // them from gettimeofday(); tests give a fixed time.
    using WallClock = timeval (*)();

    explicit AvahiPollAdapter(QObject* parent = nullptr, WallClock clock = nullptr);
    ~AvahiPollAdapter() override;

    // The table to hand to avahi_client_new(); valid while the adapter lives.
    const AvahiPoll* api() const { return &m_api; }

    // Milliseconds from `now` until `when`, rounded up so that a wake-up never comes
    // before its time; 0 for a time already past.
    static qint64 millisecondsUntil(const timeval& when, const timeval& now);

    // The adapter's clock (gettimeofday unless a test gave another).
    timeval now() const;

private:
    AvahiPoll m_api {};
    WallClock m_clock;
};
