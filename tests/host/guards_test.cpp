// What the host refuses: messages that claim another slot, commands reserved for the
// hosting player, invalid word submissions and numbers that do not convert.
#include "HostHarness.h"

#include <gtest/gtest.h>

using hosttest::HostHarness;

namespace {

// Three logged-in players with a game running; the record is cleared.
void threeInAGame(HostHarness& h)
{
    h.join("Ann");
    h.join("Bob");
    h.join("Cid");
    h.startGame();
    h.clear();
}

} // namespace

TEST(HostIdentity, MessagesClaimingAnotherSlotAreIgnored)
{
    HostHarness h;
    threeInAGame(h);
    h.send(2, "CMD_chat+3+I am Cid|clBlack");
    h.send(2, "CMD_action+1+waves|clBlack");
    h.send(2, "CMD_playasound+3+wave1+");
    h.send(2, "CMD_logininfo+3+1.0.4+Mallory");
    h.send(2, "CMD_myword+3" + h.game.rounds().board().wordcells());
    h.send(2, "CMD_kickhim+1+3+");
    h.send(2, "CMD_chat+12+far away|clBlack");
    h.send(2, "CMD_chat+-1+below|clBlack");
    EXPECT_TRUE(h.sent.isEmpty());
    EXPECT_EQ(h.player(3).name, "Cid");
    EXPECT_FALSE(h.player(3).found);
    EXPECT_TRUE(h.player(3).inuse);
    EXPECT_TRUE(h.closeRequests.isEmpty());

    // The same messages with the sender's own slot go through.
    h.send(2, "CMD_chat+2+hi|clBlack");
    EXPECT_EQ(h.textsTo(1), QList<QByteArray>{"CMD_chat+Bob chats: hi|clBlack"});
}

TEST(HostIdentity, OnlySlotOneStartsGamesAndSetsOtherSeatsWatching)
{
    HostHarness h;
    threeInAGame(h);
    const QByteArray board = h.game.rounds().board().boardText();
    h.startGame("100", "20", false, false, 2);
    EXPECT_TRUE(h.sent.isEmpty());
    EXPECT_EQ(h.game.rounds().playtoscore(), 250);
    EXPECT_EQ(h.game.rounds().board().boardText(), board);

    h.send(2, "CMD_justwatch+3+1");
    EXPECT_FALSE(h.player(3).watching);
    h.send(2, "CMD_justwatch+2+1");
    EXPECT_TRUE(h.player(2).watching) << "a player may watch on his own seat";
    h.send(1, "CMD_justwatch+3+1");
    EXPECT_TRUE(h.player(3).watching);
    h.send(3, "CMD_justwatch+3+2");
    EXPECT_FALSE(h.player(3).watching);
}

TEST(HostIdentity, MessagesFromASlotWithoutConnectionAreIgnored)
{
    HostHarness h;
    h.join("Ann");
    h.clear();
    EXPECT_EQ(h.send(4, "CMD_chat+4+ghost|clBlack"), Dispatcher::Outcome::Dropped);
    EXPECT_TRUE(h.sent.isEmpty());
}

TEST(HostWordGuard, CellsOffTheBoardOrTooManyAreRefusedWithNomatch)
{
    for (const QByteArray& cells : {QByteArray("+0+1"), QByteArray("+11+1"), QByteArray("+1+0"), QByteArray("+1+10"),
                                   QByteArray("+-5+3"), QByteArray("+100000+2000000")}) {
        HostHarness h;
        threeInAGame(h);
        h.send(2, "CMD_myword+2" + cells);
        EXPECT_EQ(h.textsTo(2), QList<QByteArray>{"CMD_nomatch+2+"}) << cells.constData();
        EXPECT_FALSE(h.player(2).found);
    }

    // Eleven cells, the first ten being the word and more: refused, not read on.
    HostHarness h(5, "abandoning");
    threeInAGame(h);
    const QByteArray word = h.game.rounds().board().wordcells();
    ASSERT_EQ(word.count('+'), 20);
    h.send(2, "CMD_myword+2" + word + "+1+1");
    EXPECT_EQ(h.textsTo(2), QList<QByteArray>{"CMD_nomatch+2+"});
    h.findWord(2);
    EXPECT_TRUE(h.player(2).found) << "exactly ten cells of a ten-letter word are fine";
}

TEST(HostWordGuard, ABadNumberEndsTheMessageWithoutAnyChange)
{
    HostHarness h;
    threeInAGame(h);
    EXPECT_EQ(h.send(2, "CMD_myword+2"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(h.send(2, "CMD_myword+2+"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(h.send(2, "CMD_myword+2+3+x"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(h.send(2, "CMD_myword+2+3+4+5"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(h.send(2, "CMD_chat+two+hi|clBlack"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(h.send(1, "CMD_kickhim+1+three+"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(h.send(1, "CMD_justwatch+ 2+1"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(h.send(2, "CMD_logininfo+99999999999+1.0.4+Big"), Dispatcher::Outcome::Failed);
    EXPECT_TRUE(h.sent.isEmpty());
    EXPECT_FALSE(h.player(2).found);
    EXPECT_TRUE(h.closeRequests.isEmpty());

    // The next message is handled as usual.
    EXPECT_EQ(h.send(2, "CMD_chat+2+still here|clBlack"), Dispatcher::Outcome::Handled);
    EXPECT_EQ(h.textsTo(3).size(), 1);
}

TEST(HostWordGuard, NoWordIsJudgedBetweenGames)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.clear();
    // Before any game the board is empty; nothing may score or start a round.
    h.send(2, "CMD_myword+2+1+1+2+2+3+3");
    EXPECT_TRUE(h.sent.isEmpty());
    EXPECT_EQ(h.player(2).score, 0);
    EXPECT_FALSE(h.clockRunning);

    h.startGame("10", "60");
    h.findWord(1);
    h.tick(64 + 7);
    ASSERT_FALSE(h.game.rounds().gamerunning());
    h.clear();
    h.findWord(2);
    EXPECT_TRUE(h.sent.isEmpty());
    EXPECT_EQ(h.player(2).score, 0);
}

TEST(HostWordGuard, UnknownCommandsAndEntriesWithoutPlusAreDropped)
{
    HostHarness h;
    h.join("Ann");
    h.clear();
    EXPECT_EQ(h.send(1, ""), Dispatcher::Outcome::Dropped);
    EXPECT_EQ(h.send(1, "CMD_chat"), Dispatcher::Outcome::Dropped);
    EXPECT_EQ(h.send(1, "+1+hi"), Dispatcher::Outcome::Dropped);
    EXPECT_EQ(h.send(1, "CMD_hefoundit+1+60+60+"), Dispatcher::Outcome::Unknown);
    EXPECT_EQ(h.send(1, "cmd_chat+1+hi|x"), Dispatcher::Outcome::Unknown);
    EXPECT_TRUE(h.sent.isEmpty());
}

TEST(HostOptionGuard, SecondsPerTurnOutsideADayFallBackToSixty)
{
    HostHarness h;
    h.join("Ann");
    h.startGame("250", "2147483647");
    EXPECT_EQ(h.game.rounds().timeperturn(), 60);
    h.startGame("250", "-20");
    EXPECT_EQ(h.game.rounds().timeperturn(), 60);
    h.startGame("250", "0");
    EXPECT_EQ(h.game.rounds().timeperturn(), 0);
    EXPECT_EQ(h.game.rounds().countdown(), 4);
}
