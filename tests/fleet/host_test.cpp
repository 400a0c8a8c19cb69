// The host program beside an SDK server: a real `quillor --serve` (which becomes
// quillor-host, on its own event loop) with real game connections, and what the SDK
// server hears of it. Whatever the SDK server does, the game goes on and a stop stays quick.
#include "fleet/AgonesSdk.h"
#include "fleet/HostBesideSidecar.h"
#include "fleet/RecordedCalls.h"
#include "host/RawClient.h"
#include "host/WordCells.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <csignal>

using fleettest::calls;
using fleettest::HostBesideSidecar;
using hosttest::RawClient;
using testutil::waitFor;

namespace {

// Waits until the SDK server has had `count` calls besides the health pings.
bool waitForCalls(const HostBesideSidecar& h, qsizetype count, int ms = 10000)
{
    return waitFor([&] { return calls(h.sidecar).size() >= count; }, ms);
}

std::string logOf(HostBesideSidecar& h)
{
    h.host->collect();
    return h.host->log.toStdString();
}

// Sends SIGTERM; the host must end with status 0 within `withinMs`.
void stopsCleanlyOnSigterm(HostBesideSidecar& h, qint64 withinMs)
{
    QElapsedTimer stopping;
    stopping.start();
    h.host->signal(SIGTERM);
    ASSERT_TRUE(h.host->waitForExit(int(withinMs) + 3000)) << logOf(h);
    EXPECT_LE(stopping.elapsed(), withinMs);
    EXPECT_EQ(h.host->process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(h.host->process.exitCode(), 0);
}

} // namespace

TEST(HostBesideSidecar, AGameIsToldToTheSdkServerInOrderAndEndsWithShutdownOnSigterm)
{
    HostBesideSidecar h(true, {"--port", "0"});
    ASSERT_TRUE(h.sidecarUp) << "no free port on 127.0.0.1 for the SDK server";
    ASSERT_TRUE(h.host->waitForLog("listening on port")) << logOf(h);
    ASSERT_TRUE(waitForCalls(h, 4)) << logOf(h);

    RawClient ann, renee;
    ASSERT_TRUE(h.join(ann, "Ann")) << logOf(h);
    ASSERT_TRUE(waitForCalls(h, 6)) << logOf(h);
    ASSERT_TRUE(h.join(renee, "Ren\xE9" "e")) << logOf(h);  // Windows-1252 on the wire
    ASSERT_TRUE(waitForCalls(h, 8)) << logOf(h);
    renee.close();
    ASSERT_TRUE(waitForCalls(h, 10)) << logOf(h);

    // A target of 0: Ann's find ends the round, and after the 7-second pause she wins.
    ann.send("CMD_startgame+Ann+0+30+f+f+");
    ASSERT_TRUE(ann.waitForMessage("CMD_nextplayer"));
    ASSERT_TRUE(waitForCalls(h, 11)) << logOf(h);
    ann.send("CMD_myword+1" + hosttest::cellsSpelling(ann.messages("CMD_loadboard").value(0),
                                                      ann.messages("CMD_theword").value(0)));
    ASSERT_TRUE(ann.waitForMessage("CMD_winner", 1, 10000));
    ASSERT_TRUE(waitForCalls(h, 12)) << logOf(h);

    ASSERT_NO_FATAL_FAILURE(stopsCleanlyOnSigterm(h, AgonesSdk::kStopWaitMs + 1500));

    const QStringList expected = fleettest::startCalls() + QStringList{
        R"(POST /alpha/player/connect {"playerID":"1-Ann"})",
        R"(PUT /metadata/label {"key":"players","value":"1"})",
        R"(POST /alpha/player/connect {"playerID":"2-Ren%C3%A9e"})",
        R"(PUT /metadata/label {"key":"players","value":"2"})",
        R"(POST /alpha/player/disconnect {"playerID":"2-Ren%C3%A9e"})",
        R"(PUT /metadata/label {"key":"players","value":"1"})",
        R"(PUT /metadata/label {"key":"state","value":"playing"})",
        R"(PUT /metadata/label {"key":"state","value":"waiting"})",
        "POST /shutdown {}",
    };
    EXPECT_EQ(calls(h.sidecar), expected) << logOf(h);

    // The first ping right after ready, then one every 2 s from the host's own loop, and
    // none after the shutdown.
    const QStringList all = calls(h.sidecar, true);
    EXPECT_EQ(all.indexOf("POST /health {}"), 4);
    EXPECT_EQ(all.last(), "POST /shutdown {}");
    const QList<qint64> pings = fleettest::healthTimes(h.sidecar);
    ASSERT_GE(pings.size(), 4) << all.join('\n').toStdString();
    for (qsizetype i = 1; i < pings.size(); ++i) {
        EXPECT_GE(pings[i] - pings[i - 1], 1500) << "ping " << i;
        EXPECT_LE(pings[i] - pings[i - 1], 3500) << "ping " << i; // 2 s, and a busy machine's delay
    }
    const std::string log = logOf(h);
    EXPECT_NE(log.find("agones: the SDK server knows the game server is ready"), std::string::npos) << log;
    // The host ended on the answer, not at the end of its wait.
    EXPECT_NE(log.find("agones: shutdown asked of the SDK server"), std::string::npos) << log;
    EXPECT_EQ(log.find("no answer"), std::string::npos) << log;
}

TEST(HostBesideSidecar, ASidecarThatComesUpThreeSecondsLateGetsEveryCallInOrder)
{
    HostBesideSidecar h(true, {"--port", "0"}, HostBesideSidecar::Sidecar::Later);
    ASSERT_NE(h.sidecarPort, 0) << "no free port on 127.0.0.1 for the SDK server";
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(h.host->waitForLog("listening on port")) << logOf(h);
    // A player comes while nobody answers the host's calls: the game does not wait for them.
    RawClient ann;
    ASSERT_TRUE(h.join(ann, "Ann")) << logOf(h);

    testutil::spin(int(std::max<qint64>(0, 3000 - clock.elapsed())));
    ASSERT_TRUE(h.comeUp()) << "the SDK server's port was taken meanwhile";
    const qint64 upAt = clock.elapsed();
    ASSERT_TRUE(waitFor([&] { return !h.sidecar.received.isEmpty(); }, SdkQueue::kMaxRetryMs + 2000)) << logOf(h);
    // Retries are at most 5 s apart, so the first call comes within 5 s of the SDK server.
    EXPECT_LE(clock.elapsed() - upAt, SdkQueue::kMaxRetryMs + 500);
    ASSERT_TRUE(waitForCalls(h, 5)) << logOf(h);

    // The waiting label took the latest count; ready still came before the first ping.
    const QStringList expected = fleettest::startCalls("1") + QStringList{
        "POST /health {}", R"(POST /alpha/player/connect {"playerID":"1-Ann"})"};
    EXPECT_EQ(calls(h.sidecar, true).mid(0, 6), expected) << logOf(h);
    const QByteArray log = QByteArray::fromStdString(logOf(h));
    // Three seconds of refused connections make one line, and the recovery another.
    EXPECT_EQ(log.count("no answer from the SDK server"), 1) << log.constData();
    EXPECT_EQ(log.count("answers again"), 1) << log.constData();
}

TEST(HostBesideSidecar, WithoutPlayerTrackingOne404EndsThePlayerCallsAndTheGameGoesOn)
{
    HostBesideSidecar h(true, {"--port", "0"});
    ASSERT_TRUE(h.sidecarUp) << "no free port on 127.0.0.1 for the SDK server";
    for (const char* path : {"/alpha/player/capacity", "/alpha/player/connect", "/alpha/player/disconnect"})
        h.sidecar.answersByPath.insert(path, {404, "Not Found", {}, "Not Found"});
    ASSERT_TRUE(h.host->waitForLog("listening on port")) << logOf(h);
    ASSERT_TRUE(waitForCalls(h, 4)) << logOf(h);

    RawClient ann, bob;
    ASSERT_TRUE(h.join(ann, "Ann")) << logOf(h);
    ASSERT_TRUE(waitForCalls(h, 5)) << logOf(h);
    ann.close();
    ASSERT_TRUE(waitForCalls(h, 6)) << logOf(h);
    ASSERT_TRUE(h.join(bob, "Bob")) << logOf(h);
    ASSERT_TRUE(waitForCalls(h, 7)) << logOf(h);
    bob.send("CMD_chat+" + bob.givenSlot() + "+still here|clBlack");
    EXPECT_TRUE(bob.waitForMessage("CMD_chat"));

    const QStringList made = calls(h.sidecar);
    EXPECT_EQ(made.filter("/alpha/").size(), 1) << made.join('\n').toStdString();
    EXPECT_EQ(made.mid(4), (QStringList{R"(PUT /metadata/label {"key":"players","value":"1"})",
                                        R"(PUT /metadata/label {"key":"players","value":"0"})",
                                        R"(PUT /metadata/label {"key":"players","value":"1"})"}));
    const QByteArray log = QByteArray::fromStdString(logOf(h));
    EXPECT_EQ(log.count("offers no player tracking"), 1) << log.constData();
    EXPECT_EQ(log.count("agones:"), 3) << log.constData();  // listening, ready, no player tracking
}

TEST(HostBesideSidecar, OneSessionEndsTheServerWhenTheLastPlayerLeavesAfterAGame)
{
    // A seat dropped during a game is kept for 1 second: its player has not left before.
    HostBesideSidecar h(true, {"--port", "0", "--agones-one-session", "--hold-seat", "1"});
    ASSERT_TRUE(h.sidecarUp) << "no free port on 127.0.0.1 for the SDK server";
    ASSERT_TRUE(h.host->waitForLog("listening on port")) << logOf(h);

    // Leaving before any game keeps the server for the next group.
    ASSERT_TRUE(waitForCalls(h, 4)) << logOf(h);
    RawClient early;
    ASSERT_TRUE(h.join(early, "Ann")) << logOf(h);
    ASSERT_TRUE(waitForCalls(h, 6)) << logOf(h);
    early.close();
    ASSERT_TRUE(waitForCalls(h, 8)) << logOf(h);

    RawClient ann, bob;
    ASSERT_TRUE(h.join(ann, "Ann")) << logOf(h);
    ASSERT_TRUE(h.join(bob, "Bob")) << logOf(h);
    ann.send("CMD_startgame+Ann+250+30+f+f+");
    ASSERT_TRUE(bob.waitForMessage("CMD_nextplayer"));
    ann.close();
    RawClient cy;
    ASSERT_TRUE(h.join(cy, "Cy")) << logOf(h);  // a newcomer keeps it going
    bob.close();
    testutil::spin(300);
    EXPECT_EQ(h.host->process.state(), QProcess::Running);
    EXPECT_FALSE(calls(h.sidecar).contains("POST /shutdown {}"));

    cy.close();
    testutil::spin(300);
    EXPECT_EQ(h.host->process.state(), QProcess::Running) << "ended while the last seat was still kept";
    ASSERT_TRUE(h.host->waitForExit(AgonesSdk::kStopWaitMs + 3000)) << logOf(h);
    EXPECT_EQ(h.host->process.exitCode(), 0);
    EXPECT_EQ(calls(h.sidecar).last(), "POST /shutdown {}") << calls(h.sidecar).join('\n').toStdString();
    EXPECT_EQ(calls(h.sidecar).filter("/shutdown").size(), 1);
    EXPECT_NE(logOf(h).find("the last player has left after a game"), std::string::npos) << logOf(h);
}

TEST(HostBesideSidecar, WithoutTheVariableNoRequestIsMadeAndOneSessionChangesNothing)
{
    HostBesideSidecar h(false, {"--port", "0", "--agones-one-session"});
    ASSERT_TRUE(h.sidecarUp) << "no free port on 127.0.0.1 for the SDK server";
    ASSERT_TRUE(h.host->waitForLog("listening on port")) << logOf(h);
    RawClient ann;
    ASSERT_TRUE(h.join(ann, "Ann")) << logOf(h);
    ann.send("CMD_startgame+Ann+250+30+f+f+");
    ASSERT_TRUE(ann.waitForMessage("CMD_nextplayer"));
    ann.close();
    // Long enough for a health ping and a one-session shutdown, had they been on.
    testutil::spin(AgonesSdk::kHealthIntervalMs + 500);
    EXPECT_EQ(h.host->process.state(), QProcess::Running);

    ASSERT_NO_FATAL_FAILURE(stopsCleanlyOnSigterm(h, 1000));
    EXPECT_EQ(h.sidecar.connections, 0);
    EXPECT_EQ(logOf(h).find("agones"), std::string::npos) << logOf(h);
}

TEST(HostBesideSidecar, ABadSdkPortIsAUsageError)
{
    const struct {
        const char* variable;  // nullptr: not set
        QStringList arguments;
        const char* message;
    } cases[] = {
        {"0", {}, "AGONES_SDK_HTTP_PORT: \"0\" is not a port number (1 to 65535)"},
        {"9358x", {"--agones"}, "AGONES_SDK_HTTP_PORT: \"9358x\" is not a port number (1 to 65535)"},
        {nullptr, {"--agones=65536"}, "--agones: \"65536\" is not a port number (1 to 65535)"},
        {nullptr, {"--agones", "9400"}, "unexpected argument \"9400\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("AGONES_SDK_HTTP_PORT"));
        if (c.variable)
            env.insert(QStringLiteral("AGONES_SDK_HTTP_PORT"), QString::fromLatin1(c.variable));
        QProcess host;
        host.setProcessEnvironment(env);
        host.start(testutil::programBinary(), QStringList{"--serve", "--port", "0"} + c.arguments);
        ASSERT_TRUE(host.waitForFinished(5000));
        EXPECT_EQ(host.exitCode(), 2);
        const QByteArray err = host.readAllStandardError();
        EXPECT_TRUE(err.startsWith(QByteArray("quillor host: ") + c.message + "\nUsage: ")) << err.constData();
    }
}

TEST(HostBesideSidecar, AStuckSdkServerNeitherStopsTheGameNorHoldsUpTheStop)
{
    HostBesideSidecar h(true, {"--port", "0"});
    ASSERT_TRUE(h.sidecarUp) << "no free port on 127.0.0.1 for the SDK server";
    // The SDK server takes every call and never finishes its answer.
    h.sidecar.answer = {200, "OK", {}, "{}", 0};
    ASSERT_TRUE(h.host->waitForLog("listening on port")) << logOf(h);

    RawClient ann;
    ASSERT_TRUE(h.join(ann, "Ann")) << logOf(h);
    ann.send("CMD_startgame+Ann+100+30+f+f+");
    ASSERT_TRUE(ann.waitForMessage("CMD_nextplayer"));
    ann.send("CMD_chat+1+hello|clBlack");
    ASSERT_TRUE(ann.waitForMessage("CMD_chat"));
    ASSERT_TRUE(waitFor([&] { return !h.sidecar.received.isEmpty(); })) << logOf(h);  // the first call, stuck

    ASSERT_NO_FATAL_FAILURE(stopsCleanlyOnSigterm(h, AgonesSdk::kStopWaitMs + 1500));
    EXPECT_NE(logOf(h).find("no answer to the shutdown call within 2 s"), std::string::npos) << logOf(h);
    EXPECT_TRUE(ann.waitForClose());
}
