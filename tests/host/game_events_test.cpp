// The host's typed game events (HostLink::playerLoggedIn, playerLeft, gameStarted,
// gameEnded): each happens once, at the right moment, with the right slot and name.
#include "host/HostHarness.h"
#include "common/LogCapture.h"

#include <gtest/gtest.h>

using hosttest::HostHarness;

TEST(GameEvents, PlayersInAndOutAndAGameWithItsWinner)
{
    HostHarness h;
    // A connection that never logs in is nobody.
    const int stranger = h.connect();
    h.disconnect(stranger);
    EXPECT_TRUE(h.happened.isEmpty());

    const int ann = h.join("Ann");
    const int renee = h.join("Ren\xE9" "e");
    h.login(renee, "Bo"); // a second login from the same connection: a new player there
    h.disconnect(renee);
    h.startGame("0", "30");
    h.findWord(ann); // the only seat finds it: the round ends, and after the pause she wins
    h.tick(GameRounds::kPauseSeconds);
    h.disconnect(ann);
    h.disconnect(ann); // a second close report of the same slot
    EXPECT_EQ(h.happened, hosttest::list({"in 1 Ann", "in 2 Ren\xE9" "e", "in 2 Bo", "out 2 Bo", "started",
                                          "ended Ann", "out 1 Ann"}));
}

TEST(GameEvents, AGameRestartedOrStoppedWithoutAWordIsToldToo)
{
    struct Case {
        const char* what;
        QByteArray word;
        QList<QByteArray> happened;
    };
    const Case cases[] = {
        // The leader starts afresh in the middle of a game: no end in between.
        {"restart", "cat", hosttest::list({"in 1 Ann", "started", "started"})},
        // No word can be laid: the game stops as soon as it starts, without a winner.
        {"no word", "", hosttest::list({"in 1 Ann", "started", "ended ", "started", "ended "})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testutil::LogCapture quiet; // "no word to play" is logged
        HostHarness h(1, c.word);
        h.join("Ann");
        h.startGame();
        h.startGame();
        EXPECT_EQ(h.happened, c.happened);
    }
}

TEST(GameEvents, APlayerWhoseSeatIsKeptLeavesOnlyWhenTheHoldEnds)
{
    struct Case {
        const char* what;
        bool comesBack;
        QList<QByteArray> happened;
    };
    const Case cases[] = {
        // Back in time: he never left, and his return is no second arrival.
        {"back", true, hosttest::list({"in 1 Ann", "in 2 Bob", "started"})},
        // Not back: he leaves when his seat is given up, not when his connection drops.
        {"gone", false, hosttest::list({"in 1 Ann", "in 2 Bob", "started", "out 2 Bob"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HostHarness h;
        h.keepSeats(90);
        h.join("Ann");
        const int bob = h.join("Bob");
        h.startGame();
        h.disconnect(bob);
        h.pass(60000);
        EXPECT_EQ(h.happened, hosttest::list({"in 1 Ann", "in 2 Bob", "started"})) << "left while his seat is kept";
        if (c.comesBack) {
            h.join("Bob");     // given another slot, moved into his seat,
            h.login(2, "Bob"); // where he logs in again
        }
        h.pass(31000);
        EXPECT_EQ(h.happened, c.happened);
    }
}
