// The round review and the game summary, played through the host's game logic with its
// clock ticked by hand: every message the host sends reaches that slot's client at once,
// and what a client sends goes back to the host. The times and places each client shows
// must follow from the host's clock, whoever looks: a finder, a player who missed, a
// spectator, a player who arrived late.
#include "client/GameClient.h"
#include "common/HostMessages.h"
#include "host/HostHarness.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>

namespace {

struct Expected {
    int seat;
    int place;
    int seconds;
    int points;
};

class ReviewGame {
public:
    ReviewGame() { EXPECT_TRUE(noMeanings.isValid()); }

    // A player (or, beyond six, a spectator) connects and logs in.
    int join(const QString& name)
    {
        const int slot = host.connect();
        auto& c = clients[slot];
        c = std::make_unique<GameClient>();
        c->connection.timer1().stop();
        c->meanings.setFolder(noMeanings.path());
        c->ctx.state.loginname = name;
        c->ctx.out.send = [this, slot](const Message& m) { host.send(slot, m.text()); };
        c->ctx.out.addlinetochat = [this, slot](const QString& line, const QColor&) { lines[slot] << line; };
        pump();
        return slot;
    }
    void leave(int slot)
    {
        host.disconnect(slot);
        clients.erase(slot);
        pump();
    }
    // Hands everything the host sent to the clients, until it is quiet.
    void pump()
    {
        while (delivered < host.sent.size()) {
            const hosttest::Sent s = host.sent[delivered++];
            if (const auto c = clients.find(s.slot); c != clients.end())
                testutil::arrive(c->second->connection, s.text);
        }
    }
    void start(int seconds, int playTo = 250)
    {
        host.startGame(QByteArray::number(playTo), QByteArray::number(seconds));
        pump();
    }
    void tick(int seconds)
    {
        host.tick(seconds);
        pump();
    }
    // The seat finds the word now, as the host judges it.
    void find(int seat)
    {
        host.findWord(seat);
        pump();
    }
    // The seat's own client picks the word's cells with the mouse, which sends them.
    void pickOnBoard(int seat)
    {
        WordEntry& w = clients.at(seat)->words;
        for (const proto::Cell& c : host.game.rounds().board().wordCells())
            w.mouseUp(Qt::LeftButton, (c.x - 1) * 44 + 22, (c.y - 1) * 44 + 22);
        pump();
    }
    void watch(int seat)
    {
        host.send(seat, "CMD_justwatch+" + QByteArray::number(seat) + "+1");
        pump();
    }
    QList<QPoint> wordPath() const
    {
        QList<QPoint> path;
        for (const proto::Cell& c : host.game.rounds().board().wordCells())
            path << QPoint(c.x, c.y);
        return path;
    }
    GameClient& client(int slot) { return *clients.at(slot); }

    QTemporaryDir noMeanings;
    hosttest::HostHarness host;
    std::map<int, std::unique_ptr<GameClient>> clients;
    std::map<int, QStringList> lines;
    qsizetype delivered = 0;
};

void expectFinds(const RoundRecord& r, const QList<Expected>& expected)
{
    ASSERT_EQ(r.finds.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.finds[i].seat, expected[i].seat);
        EXPECT_EQ(r.finds[i].place, expected[i].place);
        EXPECT_EQ(r.finds[i].seconds, expected[i].seconds);
        EXPECT_EQ(r.finds[i].points, expected[i].points);
    }
}

QList<int> seatsOf(const QList<SeatName>& list)
{
    QList<int> seats;
    for (const SeatName& s : list)
        seats << s.seat;
    return seats;
}

} // namespace

// A finder's place, time and points, at various moments of turns of various lengths:
// the first second, the middle, the last scoring second and the four after it.
TEST(RoundReviewGame, TimesAndPlacesFollowTheHostsClock)
{
    struct Step {
        int ticks; // seconds of the host's clock passing first
        int seat;
    };
    struct Case {
        const char* what;
        int turn;
        QList<Step> steps;
        bool allFind;
        QList<Expected> finds;
    };
    const Case cases[] = {
        {"first second, then later", 60, {{0, 2}, {3, 1}, {7, 3}}, false, {{2, 1, 0, 60}, {1, 2, 3, 57}, {3, 3, 10, 50}}},
        {"every seat finds it", 30, {{5, 3}, {0, 1}, {12, 2}, {0, 4}}, true,
         {{3, 1, 5, 25}, {1, 2, 5, 25}, {2, 3, 17, 13}, {4, 4, 17, 13}}},
        {"the last second and the four after it", 20, {{19, 1}, {1, 2}, {3, 3}}, false,
         {{1, 1, 19, 1}, {2, 2, 20, 0}, {3, 3, 23, -3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReviewGame g;
        for (const char* name : {"Ann", "Bob", "Cid", "Dan"})
            g.join(QString::fromLatin1(name));
        g.start(c.turn);
        int elapsed = 0;
        for (const Step& s : c.steps) {
            g.tick(s.ticks);
            elapsed += s.ticks;
            g.pickOnBoard(s.seat);
        }
        if (!c.allFind)
            g.tick(c.turn + 4 - elapsed);
        for (int slot = 1; slot <= 4; ++slot) {
            SCOPED_TRACE(slot);
            const RoundReview& review = g.client(slot).review;
            ASSERT_TRUE(review.shown());
            EXPECT_TRUE(review.onItsBoard());
            EXPECT_EQ(review.review().word, "cat");
            EXPECT_EQ(review.review().outOfTime, !c.allFind);
            expectFinds(review.review(), c.finds);
            EXPECT_EQ(seatsOf(review.review().missed), c.allFind ? QList<int>{} : QList<int>{4});
            EXPECT_EQ(review.review().path, g.wordPath());
        }
    }
}

// Nobody finds the word: everybody playing missed it, a watching seat did not, and a
// spectator sees the same review as the seats. A player's own picks are his path,
// although the host sends him no cells.
TEST(RoundReviewGame, NobodyFindsItAndWatchersDoNotMiss)
{
    ReviewGame g;
    for (const char* name : {"Ann", "Bob", "Cid", "Dan", "Eve", "Fay", "Gus"})
        g.join(QString::fromLatin1(name));
    ASSERT_EQ(g.client(7).ctx.state.myslot, 7);
    g.start(45);
    g.watch(5);
    g.tick(49);
    for (int slot : {1, 3, 7}) {
        SCOPED_TRACE(slot);
        const RoundRecord& r = g.client(slot).review.review();
        EXPECT_TRUE(r.finds.isEmpty());
        EXPECT_EQ(seatsOf(r.missed), (QList<int>{1, 2, 3, 4, 6}));
        EXPECT_EQ(r.missed[0].name, "Ann");
        EXPECT_EQ(r.path, g.wordPath());
    }

    // Next round: Bob picks the word on his board.
    g.tick(7);
    g.tick(2);
    g.pickOnBoard(2);
    EXPECT_EQ(g.host.textsTo(2, "CMD_hefoundit").size(), 1);
    g.tick(47);
    EXPECT_EQ(g.host.textsTo(2, "CMD_outoftime").last(), "CMD_outoftime+***+");
    EXPECT_EQ(g.client(2).review.review().path, g.wordPath());
    expectFinds(g.client(7).review.review(), {{2, 1, 2, 43}});
}

// A seat that leaves keeps its find; one that leaves before finding it is not counted
// as missing it, and the player who takes the seat in the same round is. The player
// who takes the seat of one who found the word has not found it himself.
TEST(RoundReviewGame, ASeatLeavingMidRound)
{
    ReviewGame g;
    for (const char* name : {"Ann", "Bob", "Cid", "Dan"})
        g.join(QString::fromLatin1(name));
    g.start(60);
    g.tick(4);
    g.find(2);
    g.leave(3);
    ASSERT_EQ(g.join(QStringLiteral("Hal")), 3);
    g.leave(2);
    ASSERT_EQ(g.join(QStringLiteral("Ivy")), 2);
    for (int slot : {1, 2, 3, 4}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(g.client(slot).seats.seat(2).score, "0");
        EXPECT_FALSE(g.client(slot).seats.seat(2).foundShown);
    }
    EXPECT_TRUE(g.host.textsTo(2, "CMD_loadstats").value(0).startsWith("CMD_loadstats+t+")) << "Ivy may search";
    g.leave(2);
    g.tick(10);
    g.find(1);
    g.tick(50);
    for (int slot : {1, 3, 4}) {
        SCOPED_TRACE(slot);
        const RoundRecord& r = g.client(slot).review.review();
        expectFinds(r, {{2, 1, 4, 56}, {1, 2, 14, 46}});
        EXPECT_EQ(r.finds[0].name, "Bob");
        // Hal came in during the round: he knows Bob's find by its points, and not
        // that Cid was there.
        EXPECT_EQ(r.finds[0].seen, slot != 3);
        const QList<SeatName> left = slot == 3 ? QList<SeatName>{} : QList<SeatName>{{3, "Cid"}};
        EXPECT_EQ(r.left, left);
        EXPECT_EQ(r.missed, (QList<SeatName>{{3, "Hal"}, {4, "Dan"}}));
    }
}

// A player who arrives during a round knows the earlier finds only by their points:
// equal points share a place, and the finds he sees follow them. One who arrives in the
// pause after a round has no review of it.
TEST(RoundReviewGame, ALateJoinerSeesTheWholeRound)
{
    ReviewGame g;
    for (const char* name : {"Ann", "Bob", "Cid", "Dan"})
        g.join(QString::fromLatin1(name));
    g.start(40);
    g.tick(6);
    g.find(3);
    g.find(1);
    g.tick(2);
    g.find(2);
    const int eve = g.join(QStringLiteral("Eve"));
    ASSERT_EQ(eve, 5);
    g.tick(36);

    const RoundRecord& late = g.client(eve).review.review();
    expectFinds(late, {{1, 1, 6, 34}, {3, 1, 6, 34}, {2, 3, 8, 32}});
    EXPECT_EQ(seatsOf(late.missed), (QList<int>{4, 5}));
    const RoundRecord& early = g.client(1).review.review();
    expectFinds(early, {{3, 1, 6, 34}, {1, 2, 6, 34}, {2, 3, 8, 32}});
    EXPECT_EQ(seatsOf(early.missed), (QList<int>{4, 5}));

    const int fay = g.join(QStringLiteral("Fay"));
    EXPECT_FALSE(g.client(fay).review.shown());
    EXPECT_EQ(g.client(fay).review.current().finds.size(), 3);
}

// A whole game: every client's summary has every round it saw, and its totals are the
// scoreboard's, also for a player who came in the second round; the lines for the
// record follow the winner's line in every chat.
TEST(RoundReviewGame, TheSummaryAgreesWithTheScoreboard)
{
    ReviewGame g;
    for (const char* name : {"Ann", "Bob", "Cid"})
        g.join(QString::fromLatin1(name));
    g.start(30, 80);
    // seconds before each seat's find in each round; -1: no find
    const QList<QList<int>> rounds = {{3, 5, -1}, {20, 2, 9}, {-1, -1, -1}, {1, 11, 4}, {6, 3, 8}};
    int dan = 0;
    for (int round = 0; round < rounds.size(); ++round) {
        SCOPED_TRACE(round);
        if (round == 1) {
            g.tick(1);
            dan = g.join(QStringLiteral("Dan"));
        }
        int elapsed = round == 1 ? 1 : 0;
        QList<std::pair<int, int>> finds; // (second, seat)
        for (int seat = 1; seat <= 3; ++seat) {
            if (rounds[round][seat - 1] >= 0)
                finds << std::pair{rounds[round][seat - 1], seat};
        }
        std::sort(finds.begin(), finds.end());
        for (const auto& [second, seat] : finds) {
            g.tick(second - elapsed);
            elapsed = second;
            g.find(seat);
        }
        g.tick(34 - elapsed);
        g.tick(7);
    }
    ASSERT_EQ(g.host.textsTo(1, "CMD_winner").size(), 1) << "the rounds' points should make Bob win after five rounds";

    for (auto& [slot, client] : g.clients) {
        SCOPED_TRACE(slot);
        const GameSummary& s = client->summary;
        ASSERT_TRUE(s.isFinished());
        EXPECT_EQ(s.rounds().size(), slot == dan ? 4 : 5);
        EXPECT_EQ(s.joinedLate(), slot == dan);
        for (int seat = 1; seat <= 4; ++seat)
            EXPECT_EQ(QString::number(s.total(seat)), client->seats.seat(seat).score) << seat;
        const QStringList& chat = g.lines[slot];
        const qsizetype won = chat.indexOf(QRegularExpression(QStringLiteral(".* Won the Game!")));
        ASSERT_GE(won, 0);
        EXPECT_EQ(chat.mid(won + 1), s.chatLines());
    }
    const GameSummary& s = g.client(1).summary;
    EXPECT_EQ(s.seats(), (QList<int>{1, 2, 3, 4}));
    ASSERT_TRUE(s.fastest());
    EXPECT_EQ(s.fastest()->find.name, "Ann");
    EXPECT_EQ(s.fastest()->find.seconds, 1);
    EXPECT_EQ(s.fastest()->round, 3);
    // Ann's finds took 3, 20, 1 and 6 seconds; Dan found none.
    EXPECT_EQ(s.averageSeconds(1), 7.5);
    EXPECT_EQ(s.finds(1), 4);
    EXPECT_FALSE(s.averageSeconds(4));
    EXPECT_EQ(s.chatLines()[2], "Round 3 \"cat\": nobody found it; missed: Ann, Bob, Cid, Dan");
    EXPECT_EQ(s.chatLines()[0], "Round 1 \"cat\": Ann first in 3 s; Ann 27, Bob 25; missed: Cid");
}

// The next board replaces the review, unless it is pinned: then it stays beside the new
// board (without its path) until it is unpinned, dismissed or the next review comes.
TEST(RoundReviewGame, APinnedReviewStaysUntilThePlayerMovesOn)
{
    ReviewGame g;
    QList<QByteArray> words{"cat", "dog", "emu", "fox", "gnu"};
    g.host.words = [&words](bool, bool) { return words.takeFirst(); };
    g.join(QStringLiteral("Ann"));
    g.join(QStringLiteral("Bob"));
    const RoundReview& review = g.client(2).review;
    RoundReview& control = g.client(2).review;
    g.start(30);
    EXPECT_FALSE(review.shown());
    // A turn of 30 seconds runs out after 34 ticks; the pause lasts 7.
    struct Step {
        const char* what;
        std::function<void()> act;
        bool shown;
        bool onItsBoard;
        const char* word;
    };
    const Step steps[] = {
        {"round 1 ends", [&] { g.tick(34); }, true, true, "cat"},
        {"next board replaces it", [&] { g.tick(7); }, false, false, ""},
        {"round 2 ends, pinned", [&] { g.tick(34); control.setPinned(true); }, true, true, "dog"},
        {"kept beside the next board", [&] { g.tick(7); }, true, false, "dog"},
        {"the next review takes its place", [&] { g.tick(34); }, true, true, "emu"},
        {"pinned, then kept", [&] { control.setPinned(true); g.tick(7); }, true, false, "emu"},
        {"unpinned away from its board: closed", [&] { control.setPinned(false); }, false, false, ""},
        {"round 4 ends, pinned and dismissed", [&] { g.tick(34); control.setPinned(true); control.dismiss(); }, false,
         false, ""},
        {"round 5 ends, pinned and unpinned on its board",
         [&] {
             g.tick(7);
             g.tick(34);
             control.setPinned(true);
             control.setPinned(false);
         },
         true, true, "gnu"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(review.shown(), s.shown);
        EXPECT_EQ(review.onItsBoard(), s.onItsBoard);
        if (s.shown) {
            EXPECT_EQ(review.review().word, s.word);
        }
    }
}
