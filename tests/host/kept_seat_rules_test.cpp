// When the host keeps a seat, how its player gets it back, and who leads: the game
// logic alone, with its clock in the test's hands.
#include "HostHarness.h"

#include <gtest/gtest.h>

#include <QMap>

#include <functional>

using hosttest::HostHarness;
using hosttest::list;

namespace {

const char* const kNames[] = {"Ann", "Bob", "Cid", "Dot", "Eve", "Fay", "Gus", "Hal", "Ida"};

} // namespace

TEST(KeptSeat, KeptOnlyForALoggedInSeatWhoseConnectionDropsDuringAGame)
{
    const struct {
        const char* label;
        int holdSeconds;
        bool gameRunning;
        int leaver;        // slot 2 is a seat, slot 7 a spectator's
        bool loggedIn;
        bool removed;      // by the leader, not a dropped connection
        bool kept;
    } cases[] = {
        {"a seated player during a game", 90, true, 2, true, false, true},
        {"between games", 90, false, 2, true, false, false},
        {"a spectator", 90, true, 7, true, false, false},
        {"a connection that never logged in", 90, true, 2, false, false, false},
        {"a player the leader removes", 90, true, 2, true, true, false},
        {"on a host that keeps no seats", 0, true, 2, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        HostHarness h;
        h.keepSeats(c.holdSeconds);
        for (int slot = 1; slot <= 7; ++slot) {
            if (slot == c.leaver && !c.loggedIn)
                h.connect();
            else
                h.join(kNames[slot - 1]);
        }
        if (c.gameRunning)
            h.startGame();
        h.clear();
        if (c.removed)
            h.send(1, "CMD_kickhim+1+" + QByteArray::number(c.leaver) + "+");
        else
            h.disconnect(c.leaver);

        const QByteArray leaver = QByteArray::number(c.leaver);
        EXPECT_EQ(h.game.holds().isHeld(c.leaver), c.kept);
        EXPECT_EQ(h.textsTo(3, "CMD_seataway"),
                  c.kept ? list({"CMD_seataway+2+90+Bob"}) : QList<QByteArray>{});
        EXPECT_EQ(h.holdWakeAtMs, c.kept ? std::optional<qint64>(90000) : std::nullopt);
        EXPECT_EQ(h.textsTo(c.leaver, "CMD_closing").size(), c.removed ? 1 : 0)
            << "only a connection closed on purpose is told so";

        // Thirty seconds later a newcomer is not given the kept seat, and hears it is away.
        h.pass(30000);
        const int newcomer = h.join("Ivy");
        EXPECT_EQ(newcomer, c.kept ? 8 : c.leaver);
        EXPECT_EQ(h.textsTo(newcomer, "CMD_seataway"),
                  c.kept ? list({"CMD_seataway+2+60+Bob"}) : QList<QByteArray>{});
    }
}

// Ann, Bob and Cid play; Bob has found the word. How he, or somebody else, comes back.
TEST(KeptSeat, ThePlayerComesBackIntoHisSeat)
{
    const struct {
        const char* label;
        // Whatever happens after Bob found the word; returns the slot the one who
        // connects last ends in (0: refused).
        std::function<int(HostHarness&)> act;
        int slot;
        bool withBobsScore;
        bool stillKept;
        QList<int> closed;
    } cases[] = {
        {"his name from his address is moved into the seat",
         [](HostHarness& h) {
             h.disconnect(2);
             const int given = h.connect();
             h.login(given, "Bob");
             EXPECT_EQ(h.moves, (QList<std::pair<int, int>>{{4, 2}}));
             EXPECT_EQ(h.textsTo(2).last(), "CMD_sendlogininfo+2") << "asked to log in again in the seat";
             h.login(2, "Bob");
             return 2;
         },
         2, true, false, {}},
        {"a client back before its old connection was noticed gone",
         [](HostHarness& h) {
             const int given = h.connect();
             h.send(given, "CMD_rejoin+2+");
             h.login(given, "Bob");
             EXPECT_EQ(h.textsTo(2, "CMD_closing"), list({"CMD_closing+"})) << "the old connection is told it is over";
             EXPECT_EQ(h.moves, (QList<std::pair<int, int>>{{4, 2}}));
             h.login(2, "Bob");
             return 2;
         },
         2, true, false, {2}},
        {"a rejoin naming somebody else's seat",
         [](HostHarness& h) {
             const int given = h.connect();
             h.send(given, "CMD_rejoin+2+");
             h.login(given, "Eve");
             return given;
         },
         4, false, false, {}},
        {"with every other slot taken, the seat lets its player in directly",
         [](HostHarness& h) {
             h.disconnect(2);
             for (int i = 4; i <= 9; ++i)
                 h.join(kNames[i - 1]);
             EXPECT_EQ(h.connect(), 2);
             h.login(2, "Bob");
             EXPECT_TRUE(h.moves.isEmpty());
             return 2;
         },
         2, true, false, {}},
        {"... and refuses anybody else from that address",
         [](HostHarness& h) {
             h.disconnect(2);
             for (int i = 4; i <= 9; ++i)
                 h.join(kNames[i - 1]);
             EXPECT_EQ(h.connect(), 2);
             h.login(2, "Eve");
             EXPECT_EQ(h.textsTo(2).last(), "CMD_full+");
             h.address = QStringLiteral("198.51.100.7");
             EXPECT_EQ(h.connect(), PlayerTable::kFullSlot) << "for another address there is no room";
             return 0;
         },
         0, false, true, {2, PlayerTable::kFullSlot}},
        {"the leader removes the away player",
         [](HostHarness& h) {
             h.disconnect(2);
             h.send(1, "CMD_kickhim+1+2+");
             EXPECT_EQ(h.textsTo(3).last(), "CMD_seatfree+2+");
             return h.join("Bob");
         },
         2, false, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        HostHarness h;
        h.keepSeats();
        h.join("Ann");
        h.join("Bob");
        h.join("Cid");
        h.startGame();
        h.findWord(2);
        const int bobScore = h.player(2).score;
        ASSERT_GT(bobScore, 0);
        h.clear();

        const int slot = c.act(h);
        EXPECT_EQ(slot, c.slot);
        EXPECT_EQ(h.closeRequests, c.closed);
        EXPECT_EQ(h.game.holds().isHeld(2), c.stillKept);
        EXPECT_EQ(h.game.leader(), 1) << "Ann keeps the lead";
        if (slot == 0)
            continue;
        EXPECT_EQ(h.player(slot).score, c.withBobsScore ? bobScore : 0);
        EXPECT_EQ(h.player(slot).found, c.withBobsScore);
        EXPECT_EQ(h.textsTo(slot, "CMD_loadstats").value(0).startsWith("CMD_loadstats+t+"), !c.withBobsScore);
        EXPECT_EQ(h.textsTo(3, "CMD_newplayerinfo").last(),
                  "CMD_newplayerinfo+" + QByteArray::number(slot) + "+" + h.player(slot).name);
    }
}

// Who leads after each arrival ("+") and departure ("-"): on a dedicated host the
// seated player connected longest, never a spectator; on the hosting player's own host
// slot 1.
TEST(GameLead, FollowsTheRuleOfTheHost)
{
    const struct {
        const char* label;
        HostGame::LeadRule rule;
        QList<QByteArray> steps;
        QList<int> leaders; // after each step
    } cases[] = {
        {"a dedicated host", HostGame::LeadRule::LongestConnected,
         {"+Ann", "+Bob", "+Cid", "+Dot", "+Eve", "+Fay", "+Gus", "-Ann", "-Cid", "-Bob", "-Dot", "-Eve", "-Fay"},
         {1, 1, 1, 1, 1, 1, 1, 2, 2, 4, 5, 6, 0}},
        {"the hosting player's own host", HostGame::LeadRule::HostingPlayer,
         {"+Ann", "+Bob", "-Ann", "+Cid"},
         {1, 1, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        HostHarness h;
        h.game.setLeadRule(c.rule);
        QMap<QByteArray, int> slotOf;
        QList<int> leaders;
        for (const QByteArray& step : c.steps) {
            const QByteArray name = step.mid(1);
            if (step.startsWith('+'))
                slotOf[name] = h.join(name);
            else
                h.disconnect(slotOf.take(name));
            leaders << h.game.leader();
            for (int slot : h.game.players().connectedSlots())
                EXPECT_EQ(h.textsTo(slot, "CMD_leader").last(), "CMD_leader+" + QByteArray::number(leaders.last()) + "+")
                    << step.constData() << ", slot " << slot;
        }
        EXPECT_EQ(leaders, c.leaders);
    }
}
