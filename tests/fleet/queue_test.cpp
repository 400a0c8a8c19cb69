// The calls to the SDK server: one at a time and in order, merged while they wait,
// retried with a growing pause while nothing answers, and logged without flooding.
// Driven by hand: no socket, no timer, the clock is the test's.
#include "fleet/LogThrottle.h"
#include "fleet/SdkQueue.h"

#include <gtest/gtest.h>

#include <QStringList>

using Outcome = SdkQueue::Outcome;

namespace {

struct Recorder {
    qint64 now = 0;
    QStringList sent;       // describe() of every call made, retries included
    QList<qint64> waits;    // every wake-up asked for
    QStringList logs;
    SdkQueue queue{SdkQueue::Link{
        [this](const SdkRequest& r) { sent.append(r.describe()); },
        [this](qint64 ms) { waits.append(ms); },
        [this](const QString& line) { logs.append(line); },
        [this] { return now; },
        {},
    }};
};

// One step of a script: push a call, or answer the call under way.
struct Step {
    enum Op { Push, Answer } op;
    SdkRequest request{};
    Outcome outcome = Outcome::Done;
};
Step push(const SdkRequest& r) { return {Step::Push, r}; }
Step answer(Outcome o = Outcome::Done) { return {Step::Answer, {}, o}; }

} // namespace

TEST(SdkQueue, CallsGoOneAtATimeInOrderAndMergeWhileTheyWait)
{
    struct Case {
        const char* what;
        std::vector<Step> steps;
        QStringList sent;
    };
    const SdkRequest state1 = SdkRequest::label("state", "playing");
    const SdkRequest state2 = SdkRequest::label("state", "waiting");
    const Case cases[] = {
        {"ready before health, a waiting ping takes no second one",
         {push(SdkRequest::ready()), push(SdkRequest::health()), push(SdkRequest::health()), answer(), answer(),
          push(SdkRequest::health()), answer()},
         {"POST /ready", "POST /health", "POST /health"}},
        {"a ping under way takes no second one either",
         {push(SdkRequest::health()), push(SdkRequest::health()), answer(), push(SdkRequest::health())},
         {"POST /health", "POST /health"}},
        {"connect before disconnect of the same player",
         {push(SdkRequest::connect("1-Ann")), push(SdkRequest::disconnect("1-Ann")), answer(), answer()},
         {"POST /alpha/player/connect 1-Ann", "POST /alpha/player/disconnect 1-Ann"}},
        {"a connect still waiting is taken back by its disconnect",
         {push(SdkRequest::ready()), push(SdkRequest::connect("1-Ann")), push(SdkRequest::connect("2-Bob")),
          push(SdkRequest::disconnect("1-Ann")), answer(), answer()},
         {"POST /ready", "POST /alpha/player/connect 2-Bob"}},
        {"a label replaces the waiting value of its key, not the one under way",
         {push(state1), push(state2), push(SdkRequest::label("players", "1")), push(state1), answer(), answer(),
          answer()},
         {"PUT /metadata/label state=playing", "PUT /metadata/label state=playing",
          "PUT /metadata/label players=1"}},
        {"without player tracking the waiting player calls go, and later ones are not made",
         {push(SdkRequest::capacity(9)), push(SdkRequest::connect("1-Ann")), push(SdkRequest::label("players", "1")),
          answer(Outcome::NoPlayerTracking), push(SdkRequest::disconnect("1-Ann")), answer()},
         {"PUT /alpha/player/capacity", "PUT /metadata/label players=1"}},
        {"a refused call is dropped and the next one goes",
         {push(SdkRequest::ready()), push(SdkRequest::health()), answer(Outcome::Refused), answer()},
         {"POST /ready", "POST /health"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Recorder r;
        for (const Step& step : c.steps) {
            if (step.op == Step::Push)
                r.queue.push(step.request);
            else
                r.queue.answered(step.outcome, "test");
        }
        EXPECT_EQ(r.sent, c.sent);
    }
}

TEST(SdkQueue, AnAbsentSdkServerIsTriedAgainAtMostFiveSecondsApartAndLoggedOnce)
{
    Recorder r;
    r.queue.push(SdkRequest::ready());
    r.queue.push(SdkRequest::connect("1-Ann"));
    for (int attempt = 0; attempt < 8; ++attempt) {
        ASSERT_TRUE(r.queue.callUnderWay());
        r.queue.answered(Outcome::Unreachable, "Connection refused");
        EXPECT_TRUE(r.queue.retryWaiting());
        // Pings and labels that come meanwhile wait, merged, behind the call being retried.
        r.queue.push(SdkRequest::health());
        r.queue.push(SdkRequest::label("players", QString::number(attempt)));
        r.now += r.waits.last();
        r.queue.wake();
    }
    EXPECT_EQ(r.waits, (QList<qint64>{250, 500, 1000, 2000, 4000, 5000, 5000, 5000}));
    EXPECT_EQ(r.sent, QStringList(9, "POST /ready"));
    // Almost 23 s without an answer: one line, with what was tried and why it failed.
    ASSERT_EQ(r.logs.size(), 1);
    EXPECT_EQ(r.logs[0], "agones: no answer from the SDK server to POST /ready (Connection refused); trying again in 0.25 s");

    r.queue.answered(Outcome::Done, "HTTP 200");
    EXPECT_EQ(r.logs.last(), "agones: the SDK server answers again, after 8 calls without an answer");
    EXPECT_EQ(r.queue.nextRetryMs(), 250);
    while (r.queue.callUnderWay())
        r.queue.answered(Outcome::Done, "HTTP 200");
    EXPECT_EQ(r.sent.mid(9), (QStringList{"POST /alpha/player/connect 1-Ann", "POST /health", "PUT /metadata/label players=7"}));
    EXPECT_TRUE(r.queue.pending().empty());

    // A later outage starts from the short pause again and is logged again.
    r.queue.push(SdkRequest::health());
    r.queue.answered(Outcome::Unreachable, "Connection refused");
    EXPECT_EQ(r.waits.last(), 250);
    EXPECT_EQ(r.logs.size(), 3);
}

TEST(SdkQueue, AnswersAreSortedByWhatTheyMeanForTheCall)
{
    const SdkRequest ready = SdkRequest::ready();
    const SdkRequest connect = SdkRequest::connect("1-Ann");
    struct Case {
        const SdkRequest& request;
        int status;
        QByteArray body;
        Outcome outcome;
    };
    const Case cases[] = {
        {ready, 0, "", Outcome::Unreachable},
        {ready, 200, "{}", Outcome::Done},
        {ready, 204, "", Outcome::Done},
        {ready, 503, "", Outcome::Unreachable},
        {ready, 502, "", Outcome::Unreachable},
        {ready, 404, "", Outcome::Refused},
        {ready, 400, "", Outcome::Refused},
        {ready, 500, "", Outcome::Refused},
        {connect, 200, R"({"bool":true})", Outcome::Done},
        {connect, 404, "Not Found", Outcome::NoPlayerTracking},
        {connect, 501, "", Outcome::NoPlayerTracking},
        {connect, 500, R"({"code":2,"message":"PlayerTracking not enabled"})", Outcome::NoPlayerTracking},
        {connect, 500, R"({"code":2,"message":"Players are already at capacity"})", Outcome::Refused},
        {connect, 503, "", Outcome::Unreachable},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SdkQueue::classify(c.request, c.status, c.body), c.outcome)
            << c.request.describe().toStdString() << " " << c.status << " " << c.body.constData();
}

TEST(LogThrottle, AtMostSoManyLinesAWindowAndTheRestCounted)
{
    struct Case {
        qint64 at;
        const char* shown;  // "" when held back
    };
    const Case cases[] = {
        {0, "a"}, {10, "a"}, {20, "a"}, {30, ""}, {29999, ""},
        {30000, "a (2 more not shown)"}, {30001, "a"}, {30002, "a"}, {30003, ""},
        {90000, "a (1 more not shown)"},
    };
    LogThrottle throttle(30000, 3);
    for (const Case& c : cases)
        EXPECT_EQ(throttle.pass("a", c.at), QString::fromLatin1(c.shown)) << "at " << c.at;
}
