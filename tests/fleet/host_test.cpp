// The host program beside an SDK server: whatever the SDK server does, the game goes on
// and a stop stays quick.
#include "fleet/HostBesideSidecar.h"
#include "fleet/AgonesSdk.h"
#include "host/RawClient.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <csignal>

using hosttest::RawClient;

TEST(HostBesideSidecar, AStuckSdkServerNeitherStopsTheGameNorHoldsUpTheStop)
{
    fleettest::HostBesideSidecar h(true, {"--port", "0"});
    ASSERT_TRUE(h.sidecarUp) << "no free port on 127.0.0.1 for the SDK server";
    // The SDK server takes every call and never finishes its answer.
    h.sidecar.answer = {200, "OK", {}, "{}", 0};
    ASSERT_TRUE(h.host->waitForLog("listening on port")) << h.host->log.constData();

    RawClient ann;
    ASSERT_TRUE(ann.connectTo(h.host->port()));
    ASSERT_TRUE(ann.waitForMessage("CMD_sendlogininfo"));
    ann.send("CMD_logininfo+1+1.0.4+Ann");
    ASSERT_TRUE(ann.waitForMessage("CMD_newplayerinfo"));
    ann.send("CMD_startgame+Ann+100+30+f+f+");
    ASSERT_TRUE(ann.waitForMessage("CMD_nextplayer"));
    ann.send("CMD_chat+1+hello|clBlack");
    ASSERT_TRUE(ann.waitForMessage("CMD_chat"));

    QElapsedTimer stopping;
    stopping.start();
    h.host->signal(SIGTERM);
    ASSERT_TRUE(h.host->waitForExit(AgonesSdk::kStopWaitMs + 3000)) << h.host->log.constData();
    EXPECT_LE(stopping.elapsed(), AgonesSdk::kStopWaitMs + 1500);
    EXPECT_EQ(h.host->process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(h.host->process.exitCode(), 0);
    EXPECT_TRUE(ann.waitForClose());
}
