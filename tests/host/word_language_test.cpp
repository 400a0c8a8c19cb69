// The language of the game's words: the leader's choice, sent before his start command,
// holds from that game on; anybody else's choice and codes the host does not know are
// logged and ignored; every client is told each game's language, a latecomer too.
#include "HostHarness.h"
#include "common/LogCapture.h"

#include <gtest/gtest.h>

using hosttest::HostHarness;

TEST(HostWordLanguage, OnlyTheLeadersKnownChoiceChangesTheWordsFromTheNextGameOn)
{
    const struct {
        const char* what;
        const char* startLanguage; // the host's own start (--words); nullptr: English
        QList<std::pair<int, QByteArray>> before; // (slot, message) before the first start
        const char* firstGame;
        QList<std::pair<int, QByteArray>> between; // before the second start
        const char* secondGame;
        const char* refusal; // in the warning log; nullptr: nothing refused
    } cases[] = {
        {"nobody chooses", nullptr, {}, "en", {}, "en", nullptr},
        {"the host starts in French", "fr", {}, "fr", {}, "fr", nullptr},
        {"the leader chooses German, kept for the next game", nullptr, {{1, "CMD_wordlanguage+de+"}}, "de", {}, "de",
         nullptr},
        {"without the closing field", nullptr, {{1, "CMD_wordlanguage+sv"}}, "sv", {}, "sv", nullptr},
        {"the leader goes back to English", "fr", {{1, "CMD_wordlanguage+de+"}}, "de", {{1, "CMD_wordlanguage+en+"}},
         "en", nullptr},
        {"another player's choice", nullptr, {{2, "CMD_wordlanguage+de+"}}, "en", {}, "en",
         "CMD_wordlanguage from slot 2 ignored: only the game's leader (slot 1) may send it"},
        {"an unknown code", "nl", {{1, "CMD_wordlanguage+xx+"}}, "nl", {}, "nl",
         "CMD_wordlanguage from slot 1 names no language it knows (xx; known: en, fr, de, es, it, pt, nl, sv)"},
        {"a name instead of a code", nullptr, {{1, "CMD_wordlanguage+Deutsch+"}}, "en", {}, "en", "(Deutsch;"},
        {"an empty code", nullptr, {{1, "CMD_wordlanguage++"}}, "en", {}, "en", "names no language it knows (;"},
        {"upper case is no code", nullptr, {{1, "CMD_wordlanguage+DE+"}}, "en", {}, "en", "(DE;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testutil::LogCapture log;
        HostHarness h;
        if (c.startLanguage)
            h.game.setLanguage(QString::fromLatin1(c.startLanguage));
        h.join("Ann");
        h.join("Bob");
        const int spy = 7;
        for (int slot = 3; slot < spy; ++slot)
            h.connect();
        ASSERT_EQ(h.join("Spy"), spy);
        for (int slot = 3; slot < spy; ++slot)
            h.disconnect(slot); // seats that never logged in would hold up every round

        for (const auto& [slot, message] : c.before)
            h.send(slot, message);
        h.clear();
        h.startGame();
        const QByteArray first = "CMD_gamelanguage+" + QByteArray(c.firstGame) + "+";
        for (int slot : {1, 2, spy}) {
            // Right after the options, before the first board.
            EXPECT_EQ(h.textsTo(slot).value(1), first) << slot;
            EXPECT_EQ(h.commandsTo(slot).value(2), "CMD_loadboard") << slot;
        }
        EXPECT_EQ(h.game.rounds().language(), c.firstGame);

        for (const auto& [slot, message] : c.between)
            h.send(slot, message);
        // A choice made during a game waits for the next one: the round's words stay.
        h.findWord(1);
        h.findWord(2);
        h.tick(GameRounds::kPauseSeconds);
        EXPECT_EQ(h.game.rounds().roundnumber(), 2);
        EXPECT_EQ(h.game.rounds().language(), c.firstGame);

        h.clear();
        h.startGame();
        EXPECT_EQ(h.textsTo(2).value(1), "CMD_gamelanguage+" + QByteArray(c.secondGame) + "+");
        ASSERT_EQ(h.languagesDrawn.size(), 3);
        EXPECT_EQ(h.languagesDrawn, (QStringList{c.firstGame, c.firstGame, c.secondGame}));

        const QStringList refusals = log.containing(QStringLiteral("CMD_wordlanguage"));
        if (c.refusal) {
            ASSERT_EQ(refusals.size(), 1) << refusals.join('\n').toStdString();
            EXPECT_TRUE(refusals.first().contains(QLatin1String(c.refusal))) << refusals.first().toStdString();
        } else {
            EXPECT_TRUE(refusals.isEmpty()) << refusals.join('\n').toStdString();
        }
    }
}

TEST(HostWordLanguage, ALatecomerIsToldTheLanguageAfterTheGamesStateAndFloodsAreSummarised)
{
    testutil::LogCapture log;
    HostHarness h;
    h.join("Ann");
    h.send(1, "CMD_wordlanguage+it+");
    h.startGame();
    const int bob = h.join("Bob");
    const QList<QByteArray> commands = h.commandsTo(bob);
    const qsizetype stats = commands.indexOf("CMD_loadstats");
    ASSERT_GE(stats, 0);
    EXPECT_EQ(commands.value(stats + 1), "CMD_gamelanguage");
    EXPECT_EQ(h.textsTo(bob, "CMD_gamelanguage"), QList<QByteArray>{"CMD_gamelanguage+it+"});
    // Between games nobody logging in is told: the next game's start tells everybody.
    h.game.setLanguage(QStringLiteral("es"));
    EXPECT_EQ(h.game.rounds().language(), "it");

    // Bad codes sent in a loop are logged a few times, then only counted.
    for (int i = 0; i < 50; ++i)
        h.send(1, "CMD_wordlanguage+zz+");
    EXPECT_EQ(log.containing(QStringLiteral("names no language it knows")).size(), RefusalLog::kLinesPerWindow);
    EXPECT_EQ(h.game.language(), "es");
    EXPECT_THROW(h.game.setLanguage(QStringLiteral("zz")), std::invalid_argument);
    EXPECT_EQ(h.game.language(), "es");
}
