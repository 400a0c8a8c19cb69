// Slots, logins, relays, watching, removal and lost connections of the game host.
#include "HostHarness.h"

#include <gtest/gtest.h>

using hosttest::HostHarness;
using hosttest::list;

// --- slots and their reuse ------------------------------------------------------

TEST(HostSlots, FirstConnectionsGetSlotsInOrderAndAreGreetedWithTheirSlot)
{
    HostHarness h;
    EXPECT_EQ(h.connect(), 1);
    EXPECT_EQ(h.connect(), 2);
    EXPECT_EQ(h.connect(), 3);
    EXPECT_EQ(h.game.players().slotcount(), 3);
    EXPECT_EQ(h.textsTo(1), list({"CMD_sendlogininfo+1"}));
    EXPECT_EQ(h.textsTo(3), list({"CMD_sendlogininfo+3"}));
}

TEST(HostSlots, ClosedSlotIsReusedLowestFirstAndItsNewPlayerStartsFromNothing)
{
    HostHarness h;
    for (const char* name : {"Ann", "Bob", "Cid", "Dot"})
        h.join(name);
    h.startGame();
    h.findWord(2);
    const int bobScore = h.player(2).score;
    ASSERT_GT(bobScore, 0);
    h.disconnect(3);
    h.disconnect(2);
    EXPECT_EQ(h.player(2).name, "");
    EXPECT_EQ(h.player(2).score, bobScore) << "the seat keeps its total while it is empty";
    EXPECT_EQ(h.game.players().slotcount(), 4) << "slotcount is never lowered";

    h.clear();
    EXPECT_EQ(h.connect(), 2);
    h.login(2, "Eve");
    // Eve neither scored Bob's points nor found the word.
    EXPECT_EQ(h.player(2).score, 0);
    EXPECT_FALSE(h.player(2).found);
    EXPECT_EQ(h.player(2).roundpoints, 0);
    for (int other : {1, 4})
        EXPECT_EQ(h.textsTo(other, "CMD_seatstats"), list({"CMD_seatstats+2+0+0+f+"}));
    EXPECT_TRUE(h.textsTo(2, "CMD_loadstats").value(0).startsWith("CMD_loadstats+t+"))
        << "and she may search for the word";
    EXPECT_EQ(h.connect(), 3);
    EXPECT_EQ(h.count("CMD_seatstats"), 2) << "Cid had scored nothing";
    EXPECT_EQ(h.connect(), 5);
}

TEST(HostSlots, TenthConnectionGetsFullAndIsDroppedWithoutTouchingTheNine)
{
    HostHarness h;
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(h.connect(), i);
    h.clear();
    EXPECT_EQ(h.connect(), PlayerTable::kFullSlot);
    EXPECT_EQ(h.textsTo(PlayerTable::kFullSlot), list({"CMD_full+"}));
    EXPECT_EQ(h.closeRequests, QList<int>{PlayerTable::kFullSlot});
    EXPECT_EQ(h.sent.size(), 1) << "nobody else hears of the refusal";
    EXPECT_EQ(h.game.players().slotcount(), 9);
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(h.player(i).inuse);

    // When one of the nine closes, the next connection takes its place.
    h.disconnect(6);
    EXPECT_EQ(h.connect(), 6);
}

// --- login ----------------------------------------------------------------------

TEST(HostLogin, AnnouncesTheNewPlayerToAllThenTellsHimAboutTheOthersInSlotOrder)
{
    HostHarness h;
    h.join("Ann");
    h.connect(); // slot 2 connected, not logged in
    h.join("Cid");
    h.clear();
    const int slot = h.connect();
    ASSERT_EQ(slot, 4);
    h.login(4, "Dan+the+man");
    EXPECT_EQ(h.textsTo(4), list({"CMD_sendlogininfo+4", "CMD_newplayerinfo+4+Dan+the+man",
                                  "CMD_existingplayers+1+Ann", "CMD_existingplayers+2+",
                                  "CMD_existingplayers+3+Cid", "CMD_leader+1+"}));
    for (int other : {1, 2, 3})
        EXPECT_EQ(h.textsTo(other), list({"CMD_newplayerinfo+4+Dan+the+man"}));
    EXPECT_EQ(h.player(4).name, "Dan+the+man");
}

TEST(HostLogin, WrongVersionIsReportedToTheLeaderAndToThePlayerWhoStays)
{
    HostHarness h;
    h.join("Ann");
    h.connect();
    h.clear();
    h.login(2, "Bob", "1.0.3");
    EXPECT_EQ(h.textsTo(1), list({"CMD_newplayerinfo+2+Bob", "CMD_havewrongversion+Bob"}));
    EXPECT_EQ(h.textsTo(2), list({"CMD_newplayerinfo+2+Bob", "CMD_existingplayers+1+Ann",
                                  "CMD_wrongversion+", "CMD_leader+1+"}));
    EXPECT_TRUE(h.player(2).inuse);

    // Without slot 1 connected only the player hears of it; the comparison is exact.
    HostHarness g;
    g.connect();
    g.connect();
    g.disconnect(1);
    g.clear();
    g.login(2, "Bob", "1.0.4 ");
    EXPECT_EQ(g.count("CMD_havewrongversion"), 0);
    EXPECT_EQ(g.textsTo(2).last(), "CMD_wrongversion+");
}

TEST(HostLogin, LatecomerGetsBoardWordAndStatsInOrderAfterTheOthers)
{
    HostHarness h(7, "zebra");
    h.join("Ann");
    h.join("Bob");
    h.startGame("300", "45");
    h.findWord(2);
    h.tick(3);
    h.clear();
    const int slot = h.connect();
    h.login(slot, "Cid");
    const QList<QByteArray> cmds = h.commandsTo(slot);
    EXPECT_EQ(cmds, list({"CMD_sendlogininfo", "CMD_newplayerinfo", "CMD_existingplayers", "CMD_existingplayers",
                          "CMD_leader", "CMD_loadboard", "CMD_theword", "CMD_loadstats", "CMD_gamelanguage"}));
    const auto& board = h.game.rounds().board();
    EXPECT_EQ(h.textsTo(slot, "CMD_loadboard").value(0), "CMD_loadboard+1" + board.boardText());
    EXPECT_EQ(h.textsTo(slot, "CMD_theword").value(0), "CMD_theword" + board.wordcodes());
    const int bob = h.player(2).score;
    // countdown is 45 + 4 - 3 = 46, so 42 seconds are left in the turn.
    EXPECT_EQ(h.textsTo(slot, "CMD_loadstats").value(0),
              "CMD_loadstats+t+300+45+42+f+1+0+0+f+2+" + QByteArray::number(bob) + "+" + QByteArray::number(bob)
                  + "+t+3+0+0+f+4+0+0+f+5+0+0+f+6+0+0+f");
}

TEST(HostLogin, NoCatchUpBetweenGamesAndSpectatorsMayNotPlay)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    EXPECT_EQ(h.count("CMD_loadboard"), 0);

    h.startGame();
    for (int i = 3; i <= 6; ++i)
        h.connect();
    h.clear();
    const int spectator = h.join("Spy");
    ASSERT_EQ(spectator, 7);
    EXPECT_TRUE(h.textsTo(7, "CMD_loadstats").value(0).startsWith("CMD_loadstats+f+"));

    // In the pause after a round even a seat gets "f".
    h.tick(64);
    ASSERT_EQ(h.game.rounds().clockMode(), GameRounds::Pause);
    h.disconnect(3);
    h.clear();
    h.connect();
    h.login(3, "Late");
    EXPECT_TRUE(h.textsTo(3, "CMD_loadstats").value(0).startsWith("CMD_loadstats+f+250+60+3+f"));
}

TEST(HostLogin, RepeatedLoginIsAnnouncedAgainWithTheNewName)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.clear();
    h.login(2, "Bobby");
    EXPECT_EQ(h.textsTo(1), list({"CMD_newplayerinfo+2+Bobby"}));
    EXPECT_EQ(h.player(2).name, "Bobby");
}

// --- relays ---------------------------------------------------------------------

TEST(HostRelays, ChatActionAndSoundGoToEveryoneWithTheSendersName)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.connect(); // slot 3 without a name
    h.clear();
    h.send(2, "CMD_chat+2+hi + bye|clBlue");
    h.send(2, "CMD_action+2+says: hello|$00FF0000");
    h.send(1, "CMD_playasound+1+wave3+");
    h.send(3, "CMD_chat+3+who am I|clRed");
    for (int slot : {1, 2, 3}) {
        EXPECT_EQ(h.textsTo(slot), list({"CMD_chat+Bob chats: hi + bye|clBlue",
                                         "CMD_action+Bob says: hello|$00FF0000", "CMD_playasound+1+wave3+",
                                         "CMD_chat+ chats: who am I|clRed"}));
    }
}

// --- lost connections and removal ----------------------------------------------

TEST(HostDisconnect, OthersAreToldAndTheSlotIsFreedButKeepsItsTotals)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.connect();
    h.startGame();
    h.send(2, "CMD_justwatch+2+1");
    ASSERT_TRUE(h.player(2).watching);
    h.clear();
    h.disconnect(2);
    EXPECT_EQ(h.textsTo(1), list({"CMD_playerdisconnected+2+Bob"}));
    EXPECT_EQ(h.textsTo(3), list({"CMD_playerdisconnected+2+Bob"}));
    EXPECT_TRUE(h.textsTo(2).isEmpty());
    EXPECT_FALSE(h.player(2).inuse);
    EXPECT_FALSE(h.player(2).watching);

    // A connection that never logged in leaves with an empty name; a second close
    // report for the same slot announces nothing.
    h.clear();
    h.disconnect(3);
    h.disconnect(3);
    EXPECT_EQ(h.textsTo(1), list({"CMD_playerdisconnected+3+"}));
}

TEST(HostRemoval, OnlyTheHostingPlayerRemovesAndOnlyConnectedSlots)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.join("Cid");
    h.send(2, "CMD_kickhim+2+3+");
    EXPECT_TRUE(h.closeRequests.isEmpty());
    EXPECT_TRUE(h.player(3).inuse);

    h.send(1, "CMD_kickhim+1+5+"); // a free slot: nothing happens
    EXPECT_TRUE(h.closeRequests.isEmpty());

    h.clear();
    h.send(1, "CMD_kickhim+1+3+");
    EXPECT_EQ(h.closeRequests, QList<int>{3});
    EXPECT_FALSE(h.player(3).inuse);
    EXPECT_EQ(h.textsTo(1), list({"CMD_playerdisconnected+3+Cid"}));
}

// --- watching -------------------------------------------------------------------

TEST(HostWatching, WatchOnlyDuringAGamePlayAgainAlways)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.send(2, "CMD_justwatch+2+1");
    EXPECT_FALSE(h.player(2).watching);
    EXPECT_EQ(h.count("CMD_justwatching"), 0);

    h.send(2, "CMD_justwatch+2+2");
    EXPECT_EQ(h.textsTo(1, "CMD_justwatching"), list({"CMD_justwatching+2+2"}));

    h.startGame();
    h.clear();
    h.send(2, "CMD_justwatch+2+1");
    EXPECT_TRUE(h.player(2).watching);
    EXPECT_EQ(h.textsTo(1), list({"CMD_justwatching+2+1"}));
    EXPECT_EQ(h.textsTo(2), list({"CMD_justwatching+2+1"}));

    // Another game start clears watching for every seat.
    h.startGame();
    EXPECT_FALSE(h.player(2).watching);
}

TEST(HostWatching, SeatsOutsideTheTableAndOddModesAreIgnored)
{
    HostHarness h;
    h.join("Ann");
    h.startGame();
    h.clear();
    h.send(1, "CMD_justwatch+0+1");
    h.send(1, "CMD_justwatch+7+1");
    h.send(1, "CMD_justwatch+1+3");
    EXPECT_TRUE(h.sent.isEmpty());
    // The hosting player may set a seat that nobody holds.
    h.send(1, "CMD_justwatch+5+1+");
    EXPECT_TRUE(h.player(5).watching);
}
