// The AvahiPoll table on Qt's event loop: watches hear what happened on their file,
// timeouts fire once at their time, and Avahi may update or free either from inside its
// own callback.
#include "discovery/AvahiPollAdapter.h"

#include "common/EventLoop.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct Pipe {
    int fds[2] = {-1, -1};
    Pipe() { EXPECT_EQ(::pipe(fds), 0); }
    ~Pipe()
    {
        closeEnd(0);
        closeEnd(1);
    }
    void closeEnd(int i)
    {
        if (fds[i] >= 0)
            ::close(fds[i]);
        fds[i] = -1;
    }
    void write(const char* text) { ASSERT_GT(::write(fds[1], text, strlen(text)), 0); }
};

// What a callback saw, and what it should do to its own watch or timeout.
struct Recorder {
    explicit Recorder(const AvahiPoll* api) : api(api) {}
    const AvahiPoll* api;
    QList<int> events;        // watch events, or 1 per timeout
    QList<int> gotEvents;     // watch_get_events inside the callback
    std::function<void(Recorder&, AvahiWatch*, AvahiTimeout*)> then;
};

void onWatch(AvahiWatch* w, int fd, AvahiWatchEvent event, void* self)
{
    auto* r = static_cast<Recorder*>(self);
    r->events.append(event);
    r->gotEvents.append(r->api->watch_get_events(w));
    char buffer[64];
    if (event & AVAHI_WATCH_IN)
        (void)::read(fd, buffer, sizeof buffer);
    if (r->then)
        r->then(*r, w, nullptr);
}

void onTimeout(AvahiTimeout* t, void* self)
{
    auto* r = static_cast<Recorder*>(self);
    r->events.append(1);
    if (r->then)
        r->then(*r, nullptr, t);
}

timeval at(qint64 sec, qint64 usec) { return timeval {time_t(sec), suseconds_t(usec)}; }

} // namespace

TEST(AvahiPollAdapter, WaitsAreRoundedUpAndNeverNegative)
{
    struct Case {
        timeval when, now;
        qint64 ms;
    };
    const Case cases[] = {
        {at(100, 0), at(100, 0), 0},
        {at(99, 999999), at(100, 0), 0},
        {at(100, 1), at(100, 0), 1},
        {at(101, 500000), at(100, 0), 1500},
        {at(101, 0), at(100, 999999), 1},
        {at(100, 1000), at(99, 999000), 2},
        {at(0, 0), at(1700000000, 0), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AvahiPollAdapter::millisecondsUntil(c.when, c.now), c.ms) << c.when.tv_sec << "." << c.when.tv_usec;
}

TEST(AvahiPollAdapter, WatchesReportWhatHappenedAndMayBeChangedOrFreedInTheirCallback)
{
    AvahiPollAdapter adapter;
    const AvahiPoll* api = adapter.api();
    Pipe pipe;
    Recorder reader(api);
    // Frees itself, as Avahi does, when the other end hangs up.
    reader.then = [](Recorder& r, AvahiWatch* w, AvahiTimeout*) {
        if (r.events.last() & AVAHI_WATCH_HUP)
            r.api->watch_free(w);
    };
    AvahiWatch* watch = api->watch_new(api, pipe.fds[0], AVAHI_WATCH_IN, &onWatch, &reader);
    testutil::spin(20);
    EXPECT_TRUE(reader.events.isEmpty()) << "nothing to read yet";

    pipe.write("x");
    ASSERT_TRUE(testutil::waitFor([&] { return !reader.events.isEmpty(); }));
    EXPECT_EQ(reader.events, QList<int>{AVAHI_WATCH_IN});
    EXPECT_EQ(reader.gotEvents, QList<int>{AVAHI_WATCH_IN});
    EXPECT_EQ(api->watch_get_events(watch), 0) << "outside the callback nothing is pending";

    pipe.closeEnd(1);
    ASSERT_TRUE(testutil::waitFor([&] { return reader.events.size() >= 2; }));
    EXPECT_TRUE(reader.events[1] & AVAHI_WATCH_HUP);
    testutil::spin(30);
    EXPECT_EQ(reader.events.size(), 2) << "a watch freed in its callback stays quiet";

    // A watch for writing hears that it may write; changed to reading, it waits.
    Pipe second;
    Recorder writer(api);
    writer.then = [](Recorder& r, AvahiWatch* w, AvahiTimeout*) { r.api->watch_update(w, AVAHI_WATCH_IN); };
    AvahiWatch* out = api->watch_new(api, second.fds[1], AVAHI_WATCH_OUT, &onWatch, &writer);
    ASSERT_TRUE(testutil::waitFor([&] { return !writer.events.isEmpty(); }));
    testutil::spin(20);
    EXPECT_EQ(writer.events, QList<int>{AVAHI_WATCH_OUT});
    api->watch_free(out);
}

TEST(AvahiPollAdapter, TimeoutsFireOnceAtTheirTimeAndCanBeMovedOrFreed)
{
    static timeval fixedNow = at(1000, 0);
    AvahiPollAdapter adapter(nullptr, [] { return fixedNow; });
    const AvahiPoll* api = adapter.api();

    struct Case {
        const char* what;
        timeval when;
        bool disableRightAway;
        int updatesInCallback; // times the callback sets it due again
        bool freeInCallback;
        int fires;
    };
    const Case cases[] = {
        {"due now fires once", at(1000, 0), false, 0, false, 1},
        {"past due fires once", at(999, 0), false, 0, false, 1},
        {"disabled never fires", at(1000, 0), true, 0, false, 0},
        {"set due again from the callback fires again", at(1000, 0), false, 2, false, 3},
        {"freed in its callback fires once", at(1000, 0), false, 0, true, 1},
        {"an hour away does not fire yet", at(4600, 0), false, 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Recorder r(api);
        int again = c.updatesInCallback;
        const bool freeIt = c.freeInCallback;
        r.then = [&again, freeIt](Recorder& self, AvahiWatch*, AvahiTimeout* t) {
            if (again-- > 0)
                self.api->timeout_update(t, &fixedNow);
            else if (freeIt)
                self.api->timeout_free(t);
        };
        AvahiTimeout* timeout = api->timeout_new(api, &c.when, &onTimeout, &r);
        if (c.disableRightAway)
            api->timeout_update(timeout, nullptr);
        testutil::spin(30);
        EXPECT_EQ(r.events.size(), c.fires);
        if (!c.freeInCallback)
            api->timeout_free(timeout);
    }
}
