// Rounds, the turn clock, word judging, scoring and the winner, driven tick by tick.
#include "HostHarness.h"

#include <gtest/gtest.h>

#include <utility>

using hosttest::HostHarness;
using hosttest::list;

namespace {

// A word that spells the round's word from other cells than where it was laid.
QByteArray otherCellsSpelling(const HostHarness& h, int seat)
{
    const BoardGenerator& b = h.game.rounds().board();
    QByteArray text = "CMD_myword+" + QByteArray::number(seat);
    const QList<QByteArray> laid = b.wordcells().mid(1).split('+');
    for (int k = 1; b.lettercode(k) != 0; ++k) {
        bool picked = false;
        for (int x = 1; x <= 10 && !picked; ++x) {
            for (int y = 1; y <= 9 && !picked; ++y) {
                const bool isLaid = laid.value(2 * (k - 1)).toInt() == x && laid.value(2 * (k - 1) + 1).toInt() == y;
                if (!isLaid && b.cell(x, y) == b.lettercode(k)) {
                    text += "+" + QByteArray::number(x) + "+" + QByteArray::number(y);
                    picked = true;
                }
            }
        }
        if (!picked)
            return QByteArray();
    }
    return text;
}

// A first cell whose letter is not the word's first letter.
QByteArray wrongFirstCell(const HostHarness& h, int seat)
{
    const BoardGenerator& b = h.game.rounds().board();
    for (int x = 1; x <= 10; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (b.cell(x, y) != b.lettercode(1))
                return "CMD_myword+" + QByteArray::number(seat) + "+" + QByteArray::number(x) + "+"
                    + QByteArray::number(y);
        }
    }
    return QByteArray();
}

} // namespace

// --- game start and round start ------------------------------------------------

TEST(HostRounds, StartGameEchoesOptionsThenSendsBoardWordAndTurnToEverySlot)
{
    HostHarness h(3, "quill");
    h.join("Ann");
    h.join("Bob");
    for (int i = 3; i <= 6; ++i)
        h.connect();
    h.join("Spy");
    h.clear();
    h.startGame("400", "30", true, true);
    const auto& b = h.game.rounds().board();
    for (int slot : {1, 2, 7}) {
        EXPECT_EQ(h.textsTo(slot).value(0), "CMD_startgame+Host+400+30+t+t+");
        EXPECT_EQ(h.textsTo(slot).value(1), "CMD_gamelanguage+en+");
        EXPECT_EQ(h.textsTo(slot).value(2), "CMD_loadboard+1" + b.boardText());
        EXPECT_EQ(h.textsTo(slot).value(3), "CMD_theword+1+17+2+21+3+9+4+12+5+12");
        EXPECT_EQ(h.textsTo(slot).size(), 5);
    }
    EXPECT_EQ(h.textsTo(2).value(4), "CMD_nextplayer+2+");
    EXPECT_EQ(h.textsTo(7).value(4), "CMD_nextplayer+1+");
    EXPECT_TRUE(h.clockRunning);
    EXPECT_EQ(h.game.rounds().countdown(), 34);
    EXPECT_EQ(h.game.rounds().clockMode(), GameRounds::Turn);
    EXPECT_TRUE(h.game.rounds().scrambled());
    EXPECT_TRUE(h.game.rounds().onlyletters());
}

TEST(HostRounds, OptionsFallBackWhenNotNumbersAndFlagsAreReadAsWritten)
{
    HostHarness h;
    h.join("Ann");
    h.send(1, "CMD_startgame+Ann+lots+soon+x+T+");
    EXPECT_EQ(h.game.rounds().playtoscore(), 250);
    EXPECT_EQ(h.game.rounds().timeperturn(), 60);
    EXPECT_TRUE(h.game.rounds().scrambled()) << "anything but \"f\" means scrambled";
    EXPECT_FALSE(h.game.rounds().onlyletters()) << "only exactly \"t\" means only-letters";
    EXPECT_EQ(h.textsTo(1).value(h.textsTo(1).size() - 5), "CMD_startgame+Ann+lots+soon+x+T+");
    EXPECT_EQ(h.game.rounds().countdown(), 64);
}

TEST(HostRounds, SecondsPerTurnOutsideNoneToADayAreSixtyWhileBothEndsArePlayed)
{
    const std::pair<QByteArray, int> cases[] = {
        {"-1", 60}, {"0", 0}, {"86400", 86400}, {"86401", 60}, {"2147483647", 60},
    };
    for (const auto& [sent, played] : cases) {
        HostHarness h;
        h.join("Ann");
        h.send(1, "CMD_startgame+Ann+250+" + sent + "+f+f+");
        EXPECT_EQ(h.game.rounds().timeperturn(), played) << sent.constData();
        // The clients still see the number as the hosting player wrote it.
        EXPECT_TRUE(h.textsTo(1).contains("CMD_startgame+Ann+250+" + sent + "+f+f+")) << sent.constData();
    }
}

// --- the clock and the end of a round -------------------------------------------

TEST(HostRounds, TurnRunsOutAfterTimePlusFourThenPausesSevenSecondsThenNextRound)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.connect();
    h.login(3, "Cid");
    h.startGame("250", "20");
    h.findWord(2);
    h.clear();
    h.tick(23);
    EXPECT_EQ(h.count("CMD_outoftime"), 0);
    h.tick();
    const QByteArray cells = "CMD_outoftime" + h.game.rounds().board().wordcells();
    EXPECT_EQ(h.textsTo(1), QList<QByteArray>{cells});
    EXPECT_EQ(h.textsTo(2), list({"CMD_outoftime+***+"}));
    EXPECT_EQ(h.game.rounds().clockMode(), GameRounds::Pause);
    EXPECT_EQ(h.game.rounds().countdown(), 7);
    EXPECT_TRUE(h.clockRunning);

    h.clear();
    h.tick(6);
    EXPECT_TRUE(h.sent.isEmpty());
    h.tick();
    EXPECT_EQ(h.game.rounds().roundnumber(), 2);
    EXPECT_EQ(h.commandsTo(1), list({"CMD_loadboard", "CMD_theword", "CMD_nextplayer"}));
    EXPECT_EQ(h.textsTo(1, "CMD_loadboard").value(0).left(16), "CMD_loadboard+2+");
    EXPECT_EQ(h.player(2).roundpoints, 0);
    EXPECT_FALSE(h.player(2).found);
    EXPECT_EQ(h.player(2).score, 20) << "totals carry over to the next round";
}

TEST(HostRounds, RoundEndsWhenEveryConnectedPlayingSeatHasFoundTheWord)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.join("Cid");
    h.join("Spy1");
    h.join("Eve");
    h.join("Fay");
    h.join("Spy7");
    h.disconnect(4);
    h.startGame();
    h.send(5, "CMD_justwatch+5+1");
    h.send(1, "CMD_justwatch+6+1");
    h.findWord(1);
    h.findWord(2);
    EXPECT_EQ(h.count("CMD_roundover"), 0);
    h.clear();
    h.findWord(3);
    // CMD_hefoundit to all first, then the round end.
    EXPECT_EQ(h.commandsTo(1), list({"CMD_hefoundit", "CMD_roundover"}));
    EXPECT_EQ(h.textsTo(1, "CMD_roundover"), list({"CMD_roundover+***+"}));
    const QByteArray cells = "CMD_roundover" + h.game.rounds().board().wordcells();
    EXPECT_EQ(h.textsTo(5, "CMD_roundover"), QList<QByteArray>{cells}) << "a watching seat sees the cells";
    EXPECT_EQ(h.textsTo(7, "CMD_roundover"), QList<QByteArray>{cells}) << "a spectator sees the cells";
    EXPECT_EQ(h.game.rounds().clockMode(), GameRounds::Pause);
    EXPECT_EQ(h.game.rounds().countdown(), 7);
}

TEST(HostRounds, LastSearcherLeavingOrWatchingDoesNotEndTheRoundTheClockDoes)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.join("Cid");
    h.startGame("250", "10");
    h.findWord(1);
    h.send(2, "CMD_justwatch+2+1");
    h.disconnect(3);
    EXPECT_EQ(h.count("CMD_roundover"), 0);
    h.tick(14);
    EXPECT_EQ(h.count("CMD_outoftime"), 2);
    EXPECT_EQ(h.count("CMD_roundover"), 0);
}

// --- judging and scoring --------------------------------------------------------

TEST(HostScoring, PointsAreTheSecondsLeftMinusFourDownToNegativeInTheLastSeconds)
{
    struct Case {
        int ticks;
        int points;
    };
    for (const Case c : {Case{0, 60}, Case{1, 59}, Case{59, 1}, Case{60, 0}, Case{61, -1}, Case{63, -3}}) {
        HostHarness h;
        h.join("Ann");
        h.join("Bob");
        h.startGame();
        h.tick(c.ticks);
        h.clear();
        h.findWord(2);
        EXPECT_EQ(h.player(2).roundpoints, c.points) << "after " << c.ticks << " ticks";
        EXPECT_EQ(h.player(2).score, c.points);
        EXPECT_TRUE(h.player(2).found);
        const QByteArray expected = "CMD_hefoundit+2+" + QByteArray::number(c.points) + "+"
            + QByteArray::number(c.points) + "+";
        EXPECT_EQ(h.textsTo(1), QList<QByteArray>{expected});
        EXPECT_EQ(h.textsTo(2), QList<QByteArray>{expected});
    }
}

TEST(HostScoring, AnyCellsSpellingTheWholeWordCountButNoFewerCells)
{
    HostHarness h(11, "sass");
    h.join("Ann");
    h.join("Bob");
    h.join("Cid");
    h.startGame("250", "60", false, true); // only the word's letters: many copies of each
    const QByteArray other = otherCellsSpelling(h, 1);
    ASSERT_FALSE(other.isEmpty());
    h.send(1, other);
    EXPECT_TRUE(h.player(1).found);

    // The word's own cells, all of them right, but not as many as its letters: no find,
    // however early in the turn they come.
    const QList<QByteArray> laid = h.game.rounds().board().wordcells().mid(1).split('+');
    ASSERT_EQ(laid.size(), 8);
    for (const int cells : {1, 2, 3}) {
        h.clear();
        h.send(2, "CMD_myword+2+" + laid.mid(0, 2 * cells).join('+'));
        EXPECT_FALSE(h.player(2).found) << cells << " cells";
        EXPECT_EQ(h.player(2).score, 0);
        EXPECT_EQ(h.textsTo(2), list({"CMD_nomatch+2+"})) << cells << " cells";
    }
    h.findWord(2);
    EXPECT_TRUE(h.player(2).found);
}

TEST(HostScoring, WrongWordGetsNomatchOnlyToItsSenderAndMayBeRetried)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.startGame();
    h.clear();
    h.send(2, wrongFirstCell(h, 2));
    EXPECT_TRUE(h.textsTo(1).isEmpty());
    EXPECT_EQ(h.textsTo(2), list({"CMD_nomatch+2+"}));
    EXPECT_EQ(h.player(2).score, 0);

    // More cells than the word has letters cannot match: the extra cells hold letters.
    h.clear();
    h.send(2, h.wordMessage(2) + "+1+1");
    EXPECT_EQ(h.textsTo(2), list({"CMD_nomatch+2+"}));

    h.findWord(2);
    EXPECT_TRUE(h.player(2).found);
}

TEST(HostScoring, SpectatorsAndSeatsThatFoundItGetNoReply)
{
    HostHarness h;
    for (int i = 1; i <= 7; ++i)
        h.join("P" + QByteArray::number(i));
    h.startGame();
    h.findWord(2);
    h.clear();
    h.findWord(7);
    h.findWord(2);
    EXPECT_TRUE(h.sent.isEmpty());
    EXPECT_EQ(h.player(7).score, 0);
    EXPECT_EQ(h.player(2).score, 60);
}

TEST(HostScoring, WordsAreJudgedInThePauseToo)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.startGame("250", "5");
    h.findWord(1);
    h.tick(9); // out of time
    h.tick(2); // countdown 5 in the pause
    h.clear();
    h.findWord(2);
    EXPECT_EQ(h.player(2).roundpoints, 1);
    // Bob was the last one searching: the round is over again, with a fresh pause.
    EXPECT_EQ(h.textsTo(2, "CMD_roundover"), list({"CMD_roundover+***+"}));
    EXPECT_EQ(h.game.rounds().countdown(), 7);
}

// --- the winner ------------------------------------------------------------------

TEST(HostWinner, ExactlyTheTargetIsNotEnoughOneMoreWins)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.startGame("250", "60");
    // Round scores of 60 take Bob to 240, then 10 more to exactly 250.
    for (int round = 0; round < 4; ++round) {
        h.findWord(2);
        h.tick(71);
    }
    ASSERT_EQ(h.player(2).score, 240);
    h.tick(50);
    h.findWord(2);
    ASSERT_EQ(h.player(2).score, 250);
    h.tick(14 + 7);
    EXPECT_EQ(h.count("CMD_winner"), 0);
    EXPECT_TRUE(h.game.rounds().gamerunning());
    EXPECT_EQ(h.game.rounds().roundnumber(), 6);

    h.tick(59);
    h.findWord(2); // one point: 251
    h.clear();
    h.tick(5 + 7);
    EXPECT_EQ(h.commandsTo(1), list({"CMD_outoftime", "CMD_winner"}));
    EXPECT_EQ(h.textsTo(1, "CMD_winner"), list({"CMD_winner+Bob+"}));
    EXPECT_EQ(h.textsTo(2, "CMD_winner"), list({"CMD_winner+Bob+"}));
    EXPECT_FALSE(h.game.rounds().gamerunning());
    EXPECT_FALSE(h.clockRunning);
    EXPECT_EQ(h.player(2).score, 251) << "final scores are kept until the next game";
}

TEST(HostWinner, ConnectedSeatsLevelAtTheTopPlayOnUntilOneLeadsAlone)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.startGame("100", "60");
    for (int round = 0; round < 2; ++round) {
        h.findWord(1);
        h.findWord(2);
        h.tick(7);
    }
    ASSERT_EQ(h.player(1).score, 120);
    ASSERT_EQ(h.player(2).score, 120);
    EXPECT_EQ(h.count("CMD_winner"), 0);
    EXPECT_EQ(h.game.rounds().roundnumber(), 3);
    h.findWord(1);
    h.tick(64 + 7);
    EXPECT_EQ(h.textsTo(2, "CMD_winner"), list({"CMD_winner+Ann+"}));
}

TEST(HostWinner, ALeftSeatLevelWithTheWinnerIsNamedByItsFixedName)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.join("Cid");
    h.startGame("100", "60");
    for (int round = 0; round < 2; ++round) {
        h.findWord(1);
        h.findWord(3);
        h.tick(64 + 7);
    }
    h.disconnect(3);
    h.clear();
    h.tick(64 + 7); // nobody scores; the tie is with a seat that has left
    EXPECT_EQ(h.textsTo(1, "CMD_winner"), list({"CMD_winner+Ann and Klock+"}));
    EXPECT_EQ(h.textsTo(2, "CMD_winner"), list({"CMD_winner+Ann and Klock+"}));
}

TEST(HostWinner, ASeatWithoutANameIsNamedByItsFixedName)
{
    HostHarness h;
    h.join("Ann");
    h.connect(); // slot 2 never logs in
    h.startGame("10", "60");
    h.findWord(2);
    h.tick(64 + 7);
    EXPECT_EQ(h.textsTo(1, "CMD_winner"), list({"CMD_winner+Klot+"}));
}

TEST(HostWinner, StartGameDuringAGameResetsScoresAndStartsAtRoundOne)
{
    HostHarness h;
    h.join("Ann");
    h.join("Bob");
    h.startGame();
    h.findWord(2);
    h.tick(71);
    h.findWord(1);
    ASSERT_EQ(h.game.rounds().roundnumber(), 2);
    h.clear();
    h.startGame("500", "30");
    EXPECT_EQ(h.player(1).score, 0);
    EXPECT_EQ(h.player(2).score, 0);
    EXPECT_FALSE(h.player(1).found);
    EXPECT_EQ(h.game.rounds().roundnumber(), 1);
    EXPECT_EQ(h.game.rounds().countdown(), 34);
    EXPECT_EQ(h.textsTo(1, "CMD_loadboard").value(0).left(16), "CMD_loadboard+1+");
    EXPECT_EQ(h.commandsTo(1).first(), "CMD_startgame");
}

TEST(HostWinner, WholeGamesEndWithAWinnerWhoPassedTheTargetAlone)
{
    // Many games with a real mix of finders, late finds and time-outs.
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        HostHarness h(seed);
        SeededRandom play(seed * 7919);
        for (const char* n : {"Ann", "Bob", "Cid", "Dot"})
            h.join(n);
        h.startGame("300", "40", seed % 2 == 0);
        int guard = 0;
        while (h.game.rounds().gamerunning() && ++guard < 100000) {
            for (int seat = 1; seat <= 4; ++seat) {
                if (play.draw(60) == 0 && h.game.rounds().clockMode() == GameRounds::Turn && !h.player(seat).found)
                    h.findWord(seat);
            }
            h.tick();
        }
        ASSERT_FALSE(h.game.rounds().gamerunning()) << "seed " << seed;
        const QList<QByteArray> winners = h.textsTo(1, "CMD_winner");
        ASSERT_EQ(winners.size(), 1);
        int best = 0;
        int bestCount = 0;
        for (int seat = 1; seat <= 4; ++seat) {
            if (h.player(seat).score > best) {
                best = h.player(seat).score;
                bestCount = 1;
            } else if (h.player(seat).score == best) {
                ++bestCount;
            }
        }
        EXPECT_GT(best, 300);
        EXPECT_EQ(bestCount, 1);
        for (int seat = 1; seat <= 4; ++seat) {
            if (h.player(seat).score == best) {
                EXPECT_EQ(winners.first(), "CMD_winner+" + h.player(seat).name + "+");
            }
        }
    }
}
