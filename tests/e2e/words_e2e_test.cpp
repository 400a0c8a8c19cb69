// Games in other languages. A whole game in German on a real host on a free port,
// through two main windows over the loopback network: the hosting player chooses
// "Deutsch" in the start dialog and watches, the other finds every word with the mouse;
// every word comes from the German list, every board letter is one of a to z, and both
// scoreboards name the language. Then the language message between ends that do not
// know it: an older host drops it and plays English, an older client does not send it.
#include "client/GameClient.h"
#include "client/ui/BoardPanel.h"
#include "client/ui/BoardView.h"
#include "client/ui/MainMenus.h"
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/HostMessages.h"
#include "common/WindowPlayer.h"
#include "host/HostHarness.h"
#include "host/RandomSource.h"
#include "host/TServer.h"
#include "widgets/PictureButton.h"
#include "windows/gamestartform.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// The word a player is shown, and whether every cell of his board holds a letter a to
// z, unmarked.
QString shownWord(testutil::WindowPlayer& p)
{
    QString w;
    for (int k = 1; k <= WordEntry::Slots && p.client().words.slotLetter(k) != 0; ++k)
        w += QChar(u'a' + p.client().words.slotLetter(k) - 1);
    return w;
}

bool boardIsLettersAToZ(testutil::WindowPlayer& p)
{
    for (int x = 1; x <= WordEntry::Columns; ++x)
        for (int y = 1; y <= WordEntry::Rows; ++y)
            if (p.client().words.cell(x, y) < 1 || p.client().words.cell(x, y) > 26)
                return false;
    return true;
}

QSet<QString> wordsOf(const QString& resource)
{
    QFile file(resource);
    QSet<QString> words;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            words.insert(QString::fromLatin1(line.trimmed()));
    return words;
}

} // namespace

TEST(WordsEndToEnd, AWholeGameInGermanDrawsOnlyGermanWordsOnBoardsOfTheLettersAToZ)
{
    const QSet<QString> german = wordsOf(QStringLiteral(":/words_de.txt"));
    ASSERT_GT(german.size(), 15000) << "the German list is compiled in";

    SeededRandom random(20261207);
    TServer server(nullptr, random, 0);
    testutil::WindowPlayer ann(QStringList{"Ann", "somewhere.invalid", "true"});
    Tgamestart gamestart(ann.window.prefs());
    testutil::hostOn(ann, server, gamestart);
    ASSERT_TRUE(testutil::waitFor([&] { return ann.client().ctx.state.myslot == 1; }));
    testutil::WindowPlayer bob(QStringList{"Bob", "127.0.0.1", "false"});
    bob.client().session.port = server.port();
    bob.window.show();
    ASSERT_TRUE(testutil::waitFor([&] { return ann.scores().label_playername[1]->text() == "Bob"; }));

    // Ann picks "Deutsch" from the list of the start dialog; a game to 200 points with
    // 120 seconds a turn: two words found at once win it.
    QTest::mouseClick(ann.bar().button_start, Qt::LeftButton);
    ASSERT_TRUE(gamestart.isVisible());
    gamestart.setPlayToScorePosition(200);
    gamestart.setCreationTimePosition(120);
    gamestart.combo_words->setFocus();
    while (gamestart.combo_words->currentText() != "Deutsch" && gamestart.combo_words->currentIndex() < 7)
        QTest::keyClick(gamestart.combo_words, Qt::Key_Down);
    ASSERT_EQ(gamestart.combo_words->currentText(), "Deutsch");
    QTest::mouseClick(gamestart.button_start, Qt::LeftButton);
    ASSERT_TRUE(testutil::waitFor([&] { return bob.client().turn.activeplayer() == 2 && !shownWord(bob).isEmpty(); }));
    EXPECT_EQ(server.game().rounds().language(), "de");

    // Ann only watches, so Bob's finds end the rounds.
    ann.window.JustWatch1Click();
    ASSERT_TRUE(testutil::waitFor([&] { return bob.scores().image_eyes[0]->isVisible(); }));

    QStringList played;
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        const QString roundText = QStringLiteral("ROUND: %1").arg(round);
        ASSERT_TRUE(testutil::waitFor([&] {
            return bob.bar().label_round->text() == roundText && bob.client().turn.activeplayer() == 2
                && !shownWord(bob).isEmpty() && ann.bar().label_round->text() == roundText && shownWord(ann) == shownWord(bob);
        }, 12000));
        for (testutil::WindowPlayer* p : {&ann, &bob}) {
            EXPECT_TRUE(boardIsLettersAToZ(*p));
            EXPECT_TRUE(p->scores().label_gametype->text().contains(QLatin1String("Deutsch")))
                << p->scores().label_gametype->text().toStdString();
        }
        played << shownWord(bob);
        EXPECT_TRUE(german.contains(shownWord(bob))) << shownWord(bob).toStdString();
        for (const proto::Cell& c : server.game().rounds().board().wordCells())
            QTest::mouseClick(bob.board().paintbox_board, Qt::LeftButton, Qt::NoModifier,
                              QPoint((c.x - 1) * WordEntry::TileSize + WordEntry::TileSize / 2,
                                     (c.y - 1) * WordEntry::TileSize + WordEntry::TileSize / 2));
        ASSERT_TRUE(testutil::waitFor([&] { return bob.scores().image_foundit[1]->isVisible(); }));
    }
    ASSERT_TRUE(testutil::waitFor([&] { return ann.board().panel_winner->isVisible(); }, 12000));
    EXPECT_EQ(ann.board().label_winner1->text(), "Bob has Won the Game!");
    EXPECT_NE(played.at(0), played.at(1));
    EXPECT_TRUE(ann.boxes.isEmpty());
    EXPECT_TRUE(bob.boxes.isEmpty());
}

namespace {

// Clients connected to the host's game logic: every message reaches the other end at
// once, except those that an end of an older version does not know.
class MixedVersions {
public:
    bool olderHost = false;   // drops CMD_wordlanguage and never sends CMD_gamelanguage
    bool olderClients = false; // never send CMD_wordlanguage

    int join(const QString& name)
    {
        const int slot = host.connect();
        auto& c = clients[slot];
        c = std::make_unique<GameClient>();
        c->connection.timer1().stop();
        c->ctx.state.loginname = name;
        c->ctx.out.send = [this, slot](const Message& m) {
            if (!((olderHost || olderClients) && m.text().startsWith("CMD_wordlanguage+")))
                host.send(slot, m.text());
        };
        pump();
        return slot;
    }
    void pump()
    {
        while (delivered < host.sent.size()) {
            const hosttest::Sent s = host.sent[delivered++];
            if (olderHost && s.text.startsWith("CMD_gamelanguage+"))
                continue;
            if (const auto c = clients.find(s.slot); c != clients.end())
                testutil::arrive(c->second->connection, s.text);
        }
    }
    // The leader starts a game from his start options, which name `language`.
    void start(int leader, const QString& language)
    {
        GameStartOptions options;
        options.setLanguage(language);
        GameClient& c = *clients.at(leader);
        c.ctx.send(options.languageMessage());
        c.ctx.send(options.startMessage(c.ctx.state.loginname));
        pump();
    }

    hosttest::HostHarness host;
    std::map<int, std::unique_ptr<GameClient>> clients;
    qsizetype delivered = 0;
};

} // namespace

TEST(WordsEndToEnd, AnEndThatDoesNotKnowTheLanguageMessagePlaysAndShowsTheHostsLanguage)
{
    const struct {
        const char* what;
        bool olderHost;
        bool olderClients;
        const char* hostStarts; // the host's own starting language
        const char* played;     // the language of every word drawn
        const char* shown;      // beside the game type, on both clients
    } cases[] = {
        {"both ends know it", false, false, "en", "de", "Deutsch"},
        {"an older host plays English", true, false, "en", "en", "English"},
        {"older clients: the host's own language", false, true, "fr", "fr", "Français"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MixedVersions game;
        game.olderHost = c.olderHost;
        game.olderClients = c.olderClients;
        game.host.game.setLanguage(QString::fromLatin1(c.hostStarts));
        const int ann = game.join(QStringLiteral("Ann"));
        const int bob = game.join(QStringLiteral("Bob"));
        game.start(ann, QStringLiteral("de"));
        game.host.findWord(ann);
        game.host.findWord(bob);
        game.host.tick(GameRounds::kPauseSeconds);
        game.pump();
        EXPECT_EQ(game.host.languagesDrawn, QStringList(2, QString::fromLatin1(c.played)));
        for (int slot : {ann, bob}) {
            EXPECT_EQ(game.clients.at(slot)->status.languageText(), QString::fromUtf8(c.shown)) << slot;
            EXPECT_EQ(game.clients.at(slot)->status.roundText(), "ROUND: 2") << slot;
        }

        // Play Again names the language the last game was played in.
        QList<QByteArray> sent;
        game.clients.at(ann)->ctx.out.send = [&sent](const Message& m) { sent << m.text(); };
        // A game that Ann wins with her first word, at the end of its first round.
        game.host.send(ann, "CMD_startgame+Ann+0+10+f+f+");
        game.host.findWord(ann);
        game.host.tick(10 + GameRounds::kGraceSeconds + GameRounds::kPauseSeconds);
        game.pump();
        ASSERT_TRUE(game.clients.at(ann)->status.playAgainShown());
        game.clients.at(ann)->commands.playAgainClick();
        EXPECT_EQ(sent.value(0), "CMD_wordlanguage+" + (c.olderHost ? QByteArray("en") : QByteArray(c.played)) + "+");
        EXPECT_EQ(sent.value(1), "CMD_startgame+Ann+0+10+f+f+");
    }
}
