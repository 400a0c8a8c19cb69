// Record updates reach the network at most once a second, gathered, never lost.
#include "discovery/UpdatePacer.h"

#include <gtest/gtest.h>

namespace {

struct Step {
    qint64 at;        // the clock
    char action;      // 'r' request, 'c' timer check, 'm' sent by registration, 'x' reset
    int dueSoFar;     // due() count after the step
    qint64 waitAfter; // waitMs() after the step
};

void run(const char* what, std::initializer_list<Step> steps)
{
    SCOPED_TRACE(what);
    qint64 now = 0;
    UpdatePacer pacer(1000, [&now] { return now; });
    int due = 0;
    QObject::connect(&pacer, &UpdatePacer::due, [&due] { ++due; });
    for (const Step& step : steps) {
        now = step.at;
        switch (step.action) {
        case 'r': pacer.request(); break;
        case 'c': pacer.check(); break;
        case 'm': pacer.markSent(); break;
        case 'x': pacer.reset(); break;
        }
        EXPECT_EQ(due, step.dueSoFar) << "at " << step.at << " '" << step.action << "'";
        EXPECT_EQ(pacer.waitMs(), step.waitAfter) << "at " << step.at << " '" << step.action << "'";
    }
}

} // namespace

TEST(UpdatePacer, AtMostOneUpdateASecondAndTheLastChangeAlwaysGoes)
{
    run("a first change goes at once", {{5000, 'r', 1, -1}});
    run("a burst goes as one, a second after the last",
        {{0, 'r', 1, -1}, {100, 'r', 1, 900}, {300, 'r', 1, 700}, {999, 'c', 1, 1}, {1000, 'c', 2, -1}, {1001, 'c', 2, -1}});
    run("a late timer sends at once", {{0, 'r', 1, -1}, {10, 'r', 1, 990}, {4000, 'c', 2, -1}});
    run("a change after a quiet second goes at once", {{0, 'r', 1, -1}, {1000, 'r', 2, -1}, {1500, 'r', 2, 500}});
    run("a registration starts the interval and takes what waits",
        {{0, 'r', 1, -1}, {500, 'r', 1, 500}, {700, 'm', 1, -1}, {1100, 'c', 1, -1}, {1200, 'r', 1, 500}, {1700, 'c', 2, -1}});
    run("a reset forgets what waits and the last time", {{0, 'r', 1, -1}, {200, 'r', 1, 800}, {300, 'x', 1, -1}, {400, 'c', 1, -1}, {400, 'r', 2, -1}});
}
