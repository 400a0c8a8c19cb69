// Whole games through the main windows. In one process: a real host on a free port and
// two main windows that connect to it over the loopback network; the hosting player
// starts the game through the Start button and the game start dialog and then only
// watches; the other player finds the word by clicking its letters on the board, and
// wins. Against `quillor --serve`: the first player to join leads the game from his
// window. Leaving: every way a connection ends is told in a box before the window
// closes, and a connection that cannot be made is named in the chat.
#include "client/ui/BoardPanel.h"
#include "client/ui/BoardView.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/MainMenus.h"
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/Printers.h"
#include "common/ServeProcess.h"
#include "common/WindowPlayer.h"
#include "host/RandomSource.h"
#include "host/TServer.h"
#include "widgets/PictureButton.h"
#include "windows/gamestartform.h"
#include "windows/spylistform.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTextEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Player = testutil::WindowPlayer;

// The cells of the word on this player's board, under the rule of the game type:
// a chain of distinct neighbours (scrambled) or one straight line (straight).
std::optional<std::vector<QPoint>> findWord(const WordEntry& w, bool straight)
{
    int length = 0;
    while (length < WordEntry::Slots && w.slotLetter(length + 1) != 0)
        ++length;
    if (length == 0)
        return std::nullopt;
    std::vector<QPoint> path;
    std::function<bool(int, int, int, int)> extend = [&](int x, int y, int dx, int dy) -> bool {
        if (x < 1 || x > WordEntry::Columns || y < 1 || y > WordEntry::Rows)
            return false;
        if (w.cell(x, y) != w.slotLetter(int(path.size()) + 1))
            return false;
        for (const QPoint& p : path)
            if (p == QPoint(x, y))
                return false;
        path.push_back(QPoint(x, y));
        if (int(path.size()) == length)
            return true;
        for (int d = 1; d <= 8; ++d) {
            const QPoint s = WordEntry::step(d);
            if (straight && path.size() > 1 && (s.x() != dx || s.y() != dy))
                continue;
            if (extend(x + s.x(), y + s.y(), s.x(), s.y()))
                return true;
        }
        path.pop_back();
        return false;
    };
    for (int x = 1; x <= WordEntry::Columns; ++x)
        for (int y = 1; y <= WordEntry::Rows; ++y)
            if (extend(x, y, 0, 0))
                return path;
    return std::nullopt;
}

void clickCell(BoardView* board, QPoint cell, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint centre((cell.x() - 1) * WordEntry::TileSize + WordEntry::TileSize / 2,
                        (cell.y() - 1) * WordEntry::TileSize + WordEntry::TileSize / 2);
    QTest::mouseClick(board, button, Qt::NoModifier, centre);
}

TEST(EndToEnd, HostAndGuestPlayARoundByMouseToTheWinnerBanner)
{
    SeededRandom random(20240611);
    TServer server(nullptr, random, 0);

    Player ann(QStringList{"Ann", "somewhere.invalid", "true"});
    Tgamestart gamestart(ann.window.prefs());
    testutil::hostOn(ann, server, gamestart);
    ASSERT_TRUE(testutil::waitFor([&] { return ann.client().ctx.state.myslot == 1; }));
    EXPECT_TRUE(ann.client().ctx.state.ishost);
    EXPECT_EQ(ann.client().connection.hostName(), "127.0.0.1"); // hosting ignores the address

    Player bob(QStringList{"Bob", "127.0.0.1", "false"});
    bob.client().session.port = server.port();
    bob.window.show();
    ASSERT_TRUE(testutil::waitFor([&] {
        return bob.scores().label_playername[0]->text() == "Ann" && ann.scores().label_playername[1]->text() == "Bob";
    }));
    EXPECT_EQ(bob.client().ctx.state.myslot, 2);
    EXPECT_TRUE(ann.bar().button_start->isVisible());
    EXPECT_FALSE(bob.bar().button_start->isVisible());

    // The hosting player opens the start dialog with the Start button and starts a
    // game to 100 points with 120 seconds a turn, so a word found at once wins.
    QTest::mouseClick(ann.bar().button_start, Qt::LeftButton);
    ASSERT_TRUE(gamestart.isVisible());
    EXPECT_EQ(gamestart.playerName(), "Ann");
    gamestart.setPlayToScorePosition(100);
    gamestart.setCreationTimePosition(120);
    QTest::mouseClick(gamestart.button_start, Qt::LeftButton);
    EXPECT_FALSE(gamestart.isVisible());

    ASSERT_TRUE(testutil::waitFor([&] {
        return bob.client().turn.activeplayer() == 2 && bob.client().words.slotLetter(1) != 0;
    }));
    EXPECT_EQ(bob.bar().label_status->text(), "Your Turn.");
    EXPECT_TRUE(bob.bar().button_clearword->isVisible());
    EXPECT_EQ(bob.bar().label_round->text(), "ROUND: 1");
    EXPECT_FALSE(ann.bar().button_start->isVisible());

    // The hosting player only watches this game.
    ann.window.JustWatch1Click();
    ASSERT_TRUE(testutil::waitFor([&] {
        return bob.scores().image_eyes[0]->isVisible() && ann.window.menus().JustWatch1->isChecked();
    }));

    // Bob finds the word with the mouse. A wrong first letter is refused locally.
    const bool straight = bob.client().turn.gametype() == 0;
    const auto path = findWord(bob.client().words, straight);
    ASSERT_TRUE(path.has_value());
    const int first = bob.client().words.slotLetter(1);
    for (int x = 1; x <= WordEntry::Columns; ++x) {
        const int y = 1;
        if (bob.client().words.cell(x, y) != first) {
            clickCell(bob.board().paintbox_board, QPoint(x, y));
            EXPECT_EQ(bob.client().words.pickcount(), 0);
            break;
        }
    }
    for (const QPoint& cell : *path)
        clickCell(bob.board().paintbox_board, cell);
    EXPECT_EQ(bob.client().turn.activeplayer(), 0); // the word went out
    EXPECT_FALSE(bob.bar().button_clearword->isVisible());

    ASSERT_TRUE(testutil::waitFor([&] {
        return ann.scores().image_foundit[1]->isVisible()
            && bob.bar().label_status->text() == "Round is over, please wait.."
            && ann.bar().label_status->text() == "Round is over, please wait..";
    }));
    const int points = bob.scores().label_score[1]->text().toInt();
    EXPECT_GT(points, 100);
    EXPECT_EQ(bob.scores().label_bonus[1]->text(), "+" + QString::number(points));
    EXPECT_EQ(ann.scores().label_score[1]->text(), QString::number(points));

    // After the pause the host names the winner.
    ASSERT_TRUE(testutil::waitFor([&] { return bob.board().panel_winner->isVisible(); }, 12000));
    EXPECT_EQ(bob.board().label_winner1->text(), "You have Won the Game!");
    ASSERT_TRUE(testutil::waitFor([&] { return ann.board().panel_winner->isVisible(); }));
    EXPECT_EQ(ann.board().label_winner1->text(), "Bob has Won the Game!");
    EXPECT_EQ(ann.bar().label_status->text(), "Game Over!");
    EXPECT_TRUE(ann.bar().button_start->isVisible());
    EXPECT_FALSE(bob.bar().button_start->isVisible());
    EXPECT_TRUE(ann.boxes.isEmpty());
    EXPECT_TRUE(bob.boxes.isEmpty());
}

// Waits for the box that tells why the connection ended, with the window still open,
// and answers it: the window then closes, which ends the program.
void expectEndBoxThenClose(Player& p, const QString& text)
{
    bool closed = false;
    QObject::connect(&p.window, &Tchat::closed, [&] { closed = true; });
    ASSERT_TRUE(testutil::waitFor([&] { return p.window.endBox() != nullptr; }, 10000));
    QMessageBox* box = p.window.endBox();
    EXPECT_EQ(box->text(), text);
    EXPECT_TRUE(box->isVisible());
    testutil::spin(30);
    EXPECT_TRUE(p.window.isVisible()); // the window waits for the box
    EXPECT_FALSE(closed);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    ASSERT_TRUE(testutil::waitFor([&] { return closed; }));
    EXPECT_FALSE(p.window.isVisible());
}

TEST(EndToEnd, GuestIsToldWhenTheHostGoesAwayAndThenCloses)
{
    SeededRandom random(7);
    auto server = std::make_unique<TServer>(nullptr, random, 0);
    server->startListening();

    Player bob(QStringList{"Bob", "127.0.0.1", "false"});
    bob.client().session.port = server->port();
    bob.window.show();
    ASSERT_TRUE(testutil::waitFor([&] { return bob.client().ctx.state.connected; }));
    server.reset();
    expectEndBoxThenClose(bob, "The host ended the game or removed you from it.");
}

TEST(EndToEnd, ARemovedPlayerIsToldSoAndTheOthersPlayOn)
{
    SeededRandom random(8);
    TServer server(nullptr, random, 0);
    Player ann(QStringList{"Ann", "127.0.0.1", "true"});
    ann.client().session.startHost = [&server] {
        server.startListening();
        return server.port();
    };
    ann.window.show();
    ASSERT_TRUE(testutil::waitFor([&] { return ann.client().ctx.state.myslot == 1; }));
    Player bob(QStringList{"Bob", "127.0.0.1", "false"});
    bob.client().session.port = server.port();
    bob.window.show();
    ASSERT_TRUE(testutil::waitFor([&] { return ann.scores().label_playername[1]->text() == "Bob"; }));

    ann.client().commands.kicking(2);
    expectEndBoxThenClose(bob, "The host ended the game or removed you from it.");
    ASSERT_TRUE(testutil::waitFor([&] { return ann.scores().label_playername[1]->text() != "Bob"; }));
    EXPECT_TRUE(ann.window.history().view()->toPlainText().contains("Bob has left."));
    EXPECT_EQ(ann.window.endBox(), nullptr);
    EXPECT_TRUE(ann.window.isVisible());
}

TEST(EndToEnd, TheTenthPlayerIsToldTheGameIsFullAndHisProgramEnds)
{
    testutil::ServeProcess serve({"--port", "0"});
    ASSERT_TRUE(serve.waitForLog("listening on port")) << serve.log.constData();
    const QString port = QString::number(serve.port());
    std::vector<std::unique_ptr<TSock>> nine;
    for (int i = 0; i < 9; ++i) {
        nine.push_back(std::make_unique<TSock>());
        nine.back()->setHostName(QStringLiteral("127.0.0.1"));
        nine.back()->setPortName(port);
        nine.back()->Connect();
    }
    ASSERT_TRUE(serve.waitForLog("in slot 9")) << serve.log.constData();

    // The host sends "CMD_full+" and closes at once: the message still comes first.
    Player tenth(QStringList{"Tenth", "127.0.0.1", "false"});
    tenth.client().session.port = serve.port();
    tenth.window.show();
    expectEndBoxThenClose(tenth, "Game is full");
    EXPECT_TRUE(serve.waitForLog("connection refused: the game is full"));
    EXPECT_TRUE(tenth.boxes.isEmpty());
}

TEST(EndToEnd, AFailedConnectionIsNamedInTheChatAndTheWindowStaysUnconnected)
{
    quint16 port = 0;
    {
        TSock probe;
        probe.setPortName(QStringLiteral("0"));
        probe.setListen(true);
        port = probe.boundPort();
    }
    Player bob(QStringList{"Bob", "127.0.0.1", "false"});
    bob.client().session.port = port;
    bob.window.show();
    const QString line = QStringLiteral("Could not connect to 127.0.0.1 port %1: connection refused.").arg(port);
    ASSERT_TRUE(testutil::waitFor([&] { return bob.window.history().view()->toPlainText().contains(line); }));
    testutil::spin(50);
    EXPECT_TRUE(bob.window.isVisible());
    EXPECT_EQ(bob.window.endBox(), nullptr);
    bob.window.button_startClick();
    EXPECT_EQ(bob.boxes, QStringList{"You are not connected"});
}

TEST(EndToEnd, APlayerJoinsOverIPv6)
{
    SeededRandom random(9);
    TServer server(nullptr, random, 0);
    QStringList events;
    server.setEventLog([&events](const QString& line) { events.append(line); });
    server.startListening();

    Player ann(QStringList{"Ann", "127.0.0.1", "false"});
    ann.client().session.port = server.port();
    ann.window.show();
    Player bob(QStringList{"Bob", "::1", "false"});
    bob.client().session.port = server.port();
    bob.window.show();
    ASSERT_TRUE(testutil::waitFor([&] {
        return ann.scores().label_playername[1]->text() == "Bob" && bob.scores().label_playername[0]->text() == "Ann";
    }));
    EXPECT_TRUE(events.contains("connection from 127.0.0.1 in slot 1")) << events.join('\n').toStdString();
    EXPECT_TRUE(events.contains("connection from ::1 in slot 2")) << events.join('\n').toStdString();
}

TEST(EndToEnd, TheFirstToJoinAHeadlessHostStartsTheGameFromHisWindow)
{
    testutil::ServeProcess serve({"--port", "0"});
    ASSERT_TRUE(serve.waitForLog("listening on port")) << serve.log.constData();

    Player ann(QStringList{"Ann", "127.0.0.1", "false"});
    Tgamestart gamestart(ann.window.prefs());
    Tspylist spylist;
    Tchat::Windows windows;
    windows.gamestart = &gamestart;
    windows.spylist = &spylist;
    ann.window.setWindows(windows);
    ann.client().session.port = serve.port();
    ann.window.show();
    ASSERT_TRUE(testutil::waitFor([&] { return ann.client().ctx.state.myslot == 1; }));
    EXPECT_FALSE(ann.client().ctx.state.ishost);
    // Slot 1 leads: Start, "Start Game" and the removal from the spy list are hers.
    ASSERT_TRUE(testutil::waitFor([&] { return ann.bar().button_start->isVisible(); }));
    EXPECT_TRUE(ann.window.menus().StartGame1->isEnabled());
    EXPECT_TRUE(spylist.popup_kickhim->isEnabled());

    Player bob(QStringList{"Bob", "127.0.0.1", "false"});
    bob.client().session.port = serve.port();
    bob.window.show();
    ASSERT_TRUE(testutil::waitFor([&] {
        return ann.scores().label_playername[1]->text() == "Bob" && bob.scores().label_playername[0]->text() == "Ann";
    }));
    EXPECT_FALSE(bob.bar().button_start->isVisible());
    EXPECT_FALSE(bob.window.menus().StartGame1->isEnabled());

    // Ann starts the game from her own window.
    QTest::mouseClick(ann.bar().button_start, Qt::LeftButton);
    ASSERT_TRUE(gamestart.isVisible());
    EXPECT_EQ(gamestart.playerName(), "Ann");
    QTest::mouseClick(gamestart.button_start, Qt::LeftButton);
    ASSERT_TRUE(testutil::waitFor([&] {
        return bob.bar().label_round->text() == "ROUND: 1" && bob.bar().label_status->text() == "Your Turn."
            && ann.bar().label_status->text() == "Your Turn.";
    }));
    EXPECT_FALSE(ann.bar().button_start->isVisible());
    ASSERT_TRUE(serve.waitForLog("game started"));

    // She also leads the seats: Bob's seat is set to watching from its pop-up menu.
    const PlayerCommands::SeatMenu menu = ann.client().commands.seatPopup(2);
    EXPECT_TRUE(menu.removeEnabled && menu.setWatchEnabled && menu.unsetWatchEnabled);
    ann.client().commands.setToJustWatch();
    ASSERT_TRUE(testutil::waitFor([&] {
        return bob.window.menus().JustWatch1->isChecked() && ann.scores().image_eyes[1]->isVisible();
    }));
    EXPECT_TRUE(ann.boxes.isEmpty());
    EXPECT_TRUE(bob.boxes.isEmpty());
}

} // namespace
