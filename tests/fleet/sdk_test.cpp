// AgonesSdk against a recording SDK server on 127.0.0.1: every request it gets, with its
// method, path, body and time. These run the real event loop, for a few seconds at most.
#include "common/EventLoop.h"
#include "common/LocalHttpServer.h"
#include "fleet/AgonesSdk.h"
#include "fleet/RecordedCalls.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QTimer>

using fleettest::calls;
using fleettest::healthTimes;
using testutil::LocalHttpServer;
using testutil::spin;
using testutil::waitFor;

namespace {

AgonesSettings settingsFor(quint16 port, AgonesSettings::Options options = {})
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("AGONES_SDK_HTTP_PORT"), QString::number(port));
    return AgonesSettings::read(env, options);
}

// An AgonesSdk with its log and its stopped() signal collected.
struct Watched {
    AgonesSdk sdk;
    QStringList logs;
    int stops = 0;

    explicit Watched(const AgonesSettings& settings) : sdk(settings)
    {
        QObject::connect(&sdk, &AgonesSdk::logLine, [this](const QString& line) { logs.append(line); });
        QObject::connect(&sdk, &AgonesSdk::stopped, [this] { ++stops; });
    }
    // Waits until every call made so far has been answered.
    bool settle() { return waitFor([this] { return sdk.queue().pending().empty(); }, 3000); }
    int logsContaining(const char* text) const { return int(logs.filter(QString::fromLatin1(text)).size()); }
};

} // namespace

TEST(AgonesSdk, ASessionReachesTheSdkServerInOrderWithAHealthPingEveryTwoSeconds)
{
    LocalHttpServer sidecar;
    sidecar.answer.body = "{}";
    Watched w(settingsFor(sidecar.port()));
    w.sdk.listening(7772);
    ASSERT_TRUE(waitFor([&] { return healthTimes(sidecar).size() >= 3; }, 7000)) << calls(sidecar, true).join('\n').toStdString();

    w.sdk.playerJoined(1, "Ann");
    ASSERT_TRUE(w.settle());
    w.sdk.playerJoined(4, QString::fromUtf8("Renée"));
    ASSERT_TRUE(w.settle());
    w.sdk.gameStarted();
    ASSERT_TRUE(w.settle());
    w.sdk.playerLeft(1, "Ann");
    w.sdk.playerLeft(7, "");  // a slot that never logged in
    ASSERT_TRUE(w.settle());
    w.sdk.gameEnded();
    ASSERT_TRUE(w.settle());
    w.sdk.stopRequested();
    ASSERT_TRUE(waitFor([&] { return w.stops == 1; }, 3000));
    spin(200);

    const QStringList expected = fleettest::startCalls() + QStringList{
        R"(POST /alpha/player/connect {"playerID":"1-Ann"})",
        R"(PUT /metadata/label {"key":"players","value":"1"})",
        R"(POST /alpha/player/connect {"playerID":"4-Ren%C3%A9e"})",
        R"(PUT /metadata/label {"key":"players","value":"2"})",
        R"(PUT /metadata/label {"key":"state","value":"playing"})",
        R"(POST /alpha/player/disconnect {"playerID":"1-Ann"})",
        R"(PUT /metadata/label {"key":"players","value":"1"})",
        R"(PUT /metadata/label {"key":"state","value":"waiting"})",
        "POST /shutdown {}",
    };
    EXPECT_EQ(calls(sidecar), expected);
    // The first ping follows ready at once; the rest come every 2 s; none after the shutdown.
    const QStringList all = calls(sidecar, true);
    EXPECT_EQ(all.indexOf("POST /health {}"), 4);
    EXPECT_EQ(all.last(), "POST /shutdown {}");
    const QList<qint64> pings = healthTimes(sidecar);
    ASSERT_GE(pings.size(), 3);
    for (qsizetype i = 1; i < pings.size(); ++i) {
        EXPECT_GE(pings[i] - pings[i - 1], 1500) << "ping " << i;
        EXPECT_LE(pings[i] - pings[i - 1], 2500) << "ping " << i;
    }
    for (const LocalHttpServer::Request& r : sidecar.received)
        EXPECT_TRUE(r.method == "PUT" || r.method == "POST");
    EXPECT_EQ(w.logsContaining("knows the game server is ready"), 1);
    EXPECT_EQ(w.logsContaining("shutdown asked"), 1);
    EXPECT_EQ(w.logsContaining("no answer"), 0);
}

TEST(AgonesSdk, ASidecarThatComesThreeSecondsLateGetsEveryCallInOrder)
{
    LocalHttpServer sidecar(false);
    ASSERT_TRUE(sidecar.listen()) << "no free port on 127.0.0.1";
    const quint16 port = sidecar.port();
    sidecar.close();

    Watched w(settingsFor(port));
    QElapsedTimer clock;
    clock.start();
    qint64 upAt = -1;
    QTimer::singleShot(3000, [&] {
        upAt = clock.elapsed();
        sidecar.listen(port);
    });
    w.sdk.listening(7772);
    ASSERT_TRUE(waitFor([&] { return !sidecar.received.isEmpty(); }, 10000)) << w.logs.join('\n').toStdString();
    const qint64 firstAt = clock.elapsed();
    ASSERT_TRUE(waitFor([&] { return calls(sidecar, true).size() >= 5; }, 3000));

    ASSERT_GE(upAt, 0) << "the sidecar never came up";
    // Retries are at most 5 s apart, so the first call arrives within 5 s of the sidecar.
    EXPECT_LE(firstAt - upAt, 5000 + 500);
    EXPECT_EQ(calls(sidecar, true).mid(0, 5), fleettest::startCalls() + QStringList{"POST /health {}"});
    // Three seconds of refused connections make one line, and the recovery another.
    EXPECT_EQ(w.logsContaining("no answer from the SDK server"), 1) << w.logs.join('\n').toStdString();
    EXPECT_EQ(w.logsContaining("answers again"), 1);
}

TEST(AgonesSdk, WithoutPlayerTrackingOnePlayerCallIsRefusedAndNoMoreAreMade)
{
    struct Case {
        const char* what;
        int status;
        QByteArray body;
    };
    const Case cases[] = {
        {"404, the player calls unknown", 404, "Not Found"},
        {"the SDK server's own answer with the feature switched off", 500,
         R"({"code":2,"message":"PlayerTracking not enabled"})"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LocalHttpServer sidecar;
        sidecar.answer.body = "{}";
        for (const char* path : {"/alpha/player/capacity", "/alpha/player/connect", "/alpha/player/disconnect"})
            sidecar.answersByPath.insert(path, {c.status, "Failed", {}, c.body});
        Watched w(settingsFor(sidecar.port()));
        w.sdk.listening(7772);
        ASSERT_TRUE(w.settle());
        w.sdk.playerJoined(2, "Bob");
        ASSERT_TRUE(w.settle());
        w.sdk.playerLeft(2, "Bob");
        ASSERT_TRUE(w.settle());

        const QStringList made = calls(sidecar);
        EXPECT_EQ(made.filter("/alpha/").size(), 1) << made.join('\n').toStdString();
        EXPECT_TRUE(made.contains(R"(PUT /metadata/label {"key":"players","value":"1"})"));
        EXPECT_EQ(made.last(), R"(PUT /metadata/label {"key":"players","value":"0"})");
        EXPECT_EQ(w.logsContaining("no player tracking"), 1);
        EXPECT_EQ(w.logs.size(), 3) << w.logs.join('\n').toStdString();  // listening, ready, no player tracking
    }
}

TEST(AgonesSdk, OneSessionAsksForAFreshServerWhenTheLastPlayerLeavesAfterAGame)
{
    LocalHttpServer sidecar;
    sidecar.answer.body = "{}";
    Watched w(settingsFor(sidecar.port(), {false, 0, true}));
    w.sdk.listening(7772);
    ASSERT_TRUE(w.settle());
    // Leaving before any game was played keeps the server.
    w.sdk.playerJoined(1, "Ann");
    w.sdk.playerLeft(1, "Ann");
    ASSERT_TRUE(w.settle());
    EXPECT_FALSE(calls(sidecar).contains("POST /shutdown {}"));

    w.sdk.playerJoined(1, "Ann");
    w.sdk.playerJoined(2, "Bob");
    w.sdk.gameStarted();
    w.sdk.playerLeft(2, "Bob");
    ASSERT_TRUE(w.settle());
    EXPECT_FALSE(calls(sidecar).contains("POST /shutdown {}"));
    w.sdk.playerLeft(1, "Ann");
    ASSERT_TRUE(w.settle());
    EXPECT_EQ(calls(sidecar).last(), "POST /shutdown {}");
    EXPECT_EQ(w.stops, 1);  // the server ends once the shutdown is answered

    // A signal that follows makes no second shutdown and no second stop.
    w.sdk.playerJoined(3, "Cy");
    w.sdk.stopRequested();
    EXPECT_EQ(w.stops, 1);
    spin(100);
    EXPECT_EQ(calls(sidecar).filter("/shutdown").size(), 1);
    EXPECT_EQ(calls(sidecar).last(), "POST /shutdown {}");
}

TEST(AgonesSdk, WithoutTheVariableOrTheOptionNothingIsSent)
{
    LocalHttpServer sidecar;
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin"));
    const AgonesSettings settings = AgonesSettings::read(env, {false, 0, true});
    ASSERT_FALSE(settings.enabled);
    Watched w(settings);
    w.sdk.setBaseUrl(QUrl(sidecar.url(QString())));  // where the calls would go
    w.sdk.listening(7772);
    w.sdk.playerJoined(1, "Ann");
    w.sdk.gameStarted();
    w.sdk.gameEnded();
    w.sdk.playerLeft(1, "Ann");
    spin(AgonesSdk::kHealthIntervalMs + 500);
    w.sdk.stopRequested();
    EXPECT_EQ(w.stops, 1);  // at once: there is nothing to wait for
    spin(100);
    EXPECT_EQ(sidecar.connections, 0);
    EXPECT_TRUE(w.logs.isEmpty()) << w.logs.join('\n').toStdString();
    EXPECT_TRUE(w.sdk.findChildren<QNetworkAccessManager*>().isEmpty());
}
