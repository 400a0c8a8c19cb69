// The main window as a whole: its smallest inner area, the board and the scoreboard
// growing with it and the chat taking the rest, clicks at a grown size, the chat pane
// following the preferences, the tile set and the placement kept as preferences, and
// the start dialog opened from it.
#include "client/IniDocument.h"
#include "client/SettingsFile.h"
#include "client/TileSet.h"
#include "client/ui/BoardPanel.h"
#include "client/ui/BoardView.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/ChatPane.h"
#include "client/ui/GameMenu.h"
#include "client/ui/MainMenus.h"
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/WordStrip.h"
#include "client/ui/TileMenu.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/Files.h"
#include "common/Printers.h"
#include "widgets/PictureButton.h"
#include "widgets/TimeBar.h"
#include "client/PlayChoiceStore.h"
#include "windows/PlayWithOthersDialog.h"
#include "windows/gamestartform.h"

#include <QAction>
#include <QPushButton>
#include <QMenu>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <cmath>

namespace {

using testutil::readFile;
using testutil::writeFile;

// A window given one parameter, so that it neither hosts nor joins.
struct WindowRig {
    WindowRig()
    {
        window.prefs().setPlaySounds(false);
        window.client().ctx.out.messageBox = [this](const QString& t) { boxes.append(t); };
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();
    }
    void settle() { testutil::spin(30); }
    // Where a widget lies in the window.
    QRect placeOf(const QWidget* w) const { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); }

    Tchat window{QStringList{"Tester"}};
    QStringList boxes;
};

} // namespace

TEST(MainWindow, InnerAreaIsNeverSmallerThanTheGameNeeds)
{
    WindowRig rig;
    QWidget* inner = rig.window.centralWidget();
    EXPECT_GE(inner->width(), Tchat::MinimumWidth);
    EXPECT_GE(inner->height(), Tchat::MinimumHeight);
    rig.window.resize(300, 200);
    rig.settle();
    EXPECT_EQ(inner->size(), QSize(Tchat::MinimumWidth, Tchat::MinimumHeight));
    // The whole game is inside it: the board and the chat entry box are not cut off.
    const QRect all(QPoint(0, 0), rig.window.size());
    EXPECT_TRUE(all.contains(rig.placeOf(rig.window.boardPanel())));
    EXPECT_TRUE(all.contains(rig.placeOf(rig.window.scorePanel())));
    EXPECT_TRUE(all.contains(rig.placeOf(rig.window.chatPane()->mychat)));
}

TEST(MainWindow, TheBoardGrowsWithTheWindowAndTheChatTakesTheRest)
{
    WindowRig rig;
    Tchat& w = rig.window;
    w.resize(w.minimumSizeHint());
    rig.settle();
    // The least window is drawn as it always was.
    EXPECT_EQ(rig.placeOf(w.boardPanel()), QRect(20, 111, 448, 404).translated(0, w.menuBarHeight()));
    EXPECT_EQ(rig.placeOf(w.scorePanel()).size(), QSize(ScorePanel::Width, ScorePanel::Height));
    EXPECT_EQ(w.roundBar()->size(), QSize(RoundBar::Width, RoundBar::Height));

    // Sizes: twice the least, a wide and a tall one (the window's inner area).
    for (const QSize inner : {QSize(1536, 1054), QSize(1700, 700), QSize(800, 1000), QSize(769, 529)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(inner.width()).arg(inner.height()).toStdString());
        w.resize(inner.width(), inner.height() + w.menuBarHeight());
        rig.settle();
        ASSERT_EQ(w.centralWidget()->size(), inner);
        const PlayLayout& l = w.layout();
        const int tile = l.tile;
        const QRect board = rig.placeOf(w.boardPanel());
        const QRect view = rig.placeOf(w.boardPanel()->paintbox_board);
        const QRect scores = rig.placeOf(w.scorePanel());
        const QRect history = rig.placeOf(w.chatPane()->mainchat);
        const QRect entry = rig.placeOf(w.chatPane()->mychat);
        // The board grows by whole tiles, as far as the height (or the width) allows.
        EXPECT_EQ(tile, int(std::floor(44 * std::min((inner.height() - 4) / 525.0, (inner.width() - 2) / 767.0))));
        EXPECT_EQ(view.size(), QSize(10 * tile, 9 * tile));
        EXPECT_EQ(w.wordStrip()->slotWidget(1)->size(), QSize(tile, tile));
        EXPECT_EQ(w.roundBar()->height(), qRound(52 * tile / 44.0));
        EXPECT_LE(board.bottom(), w.height());
        // The scoreboard beside the board, grown with it; the chat takes the rest.
        EXPECT_LE(board.right(), scores.left());
        EXPECT_NEAR(scores.width(), 276 * tile / 44.0, 1.0);
        EXPECT_FALSE(history.intersects(scores));
        EXPECT_GE(entry.right(), w.width() - 8);
        EXPECT_GE(entry.bottom(), w.height() - 8);
        EXPECT_LT(history.bottom(), entry.top());
        // The scoreboard's own texts grow with it.
        EXPECT_EQ(w.scorePanel()->label_playername[0]->font().pixelSize(), qRound(13 * tile / 44.0));
    }
}

TEST(MainWindow, AClickHitsItsCellInAGrownWindow)
{
    WindowRig rig;
    Tchat& w = rig.window;
    GameClient& c = w.client();
    c.ctx.state.myslot = 1;
    c.ctx.state.connected = true;
    QList<QByteArray> sent;
    c.ctx.out.send = [&sent](const Message& m) { sent.append(m.text()); };
    // A board of "a" with "cat" along row 3 from column 4.
    QByteArray cells;
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int letter = y == 3 && x >= 4 && x <= 6 ? QByteArray("cat").at(x - 4) - 'a' + 1 : 1;
            cells += (cells.isEmpty() ? "" : "+") + QByteArray::number(x) + '+' + QByteArray::number(y) + '+'
                + QByteArray::number(letter);
        }
    FieldReader board("1+" + cells);
    c.words.loadboardCells(proto::LoadBoard::read(board).cells);
    FieldReader word("1+3+2+1+3+20");
    c.words.theword(proto::TheWord::read(word));
    c.turn.setStraight(true);
    c.turn.startSearch(1);

    w.resize(1400, 1000 + w.menuBarHeight());
    rig.settle();
    BoardView* view = w.boardPanel()->paintbox_board;
    const int tile = view->tileSize();
    ASSERT_GT(tile, 44);
    for (int x = 4; x <= 6; ++x)
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint((x - 1) * tile + tile - 2, 2 * tile + 1));
    EXPECT_EQ(sent, QList<QByteArray>{"CMD_myword+1+4+3+5+3+6+3"});
}

TEST(MainWindow, TheStoredPlacementIsTakenBeforeTheWindowIsShown)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("pelklobby.ini"), "[agame]\r\nLeft=61\r\nTop=42\r\nWidth=780\r\nHeight=540\r\n");
    Tchat window{QStringList{"Tester"}};
    window.keepSettingsIn(dir.path());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.pos(), QPoint(61, 42));
    EXPECT_EQ(window.size(), QSize(780, 540 + window.menuBarHeight()));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.centralWidget()->size(), QSize(780, 540));
    // The arrival's full read later leaves the window where the player has it.
    window.move(120, 80);
    testutil::spin(30);
    window.prefs().requestLoad();
    testutil::spin(30);
    EXPECT_EQ(window.pos(), QPoint(120, 80));
    EXPECT_EQ(window.prefs().placement(), QRect(61, 42, 780, 540));
}

TEST(MainWindow, TheChatPaneFollowsThePreferences)
{
    WindowRig rig;
    ChatHistory& history = rig.window.history();
    EXPECT_EQ(history.textSize(), 8);
    rig.window.prefs().setTextSize(12);
    EXPECT_EQ(history.textSize(), 12);
    rig.window.prefs().setChatColour(colortext::Red);
    EXPECT_EQ(rig.window.chatPane()->mychat->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST(MainWindow, TheTileSetIsAPreference)
{
    WindowRig rig;
    Preferences& prefs = rig.window.prefs();
    QSignalSpy saves(&prefs, &Preferences::saveRequested);
    TileMenu& menu = rig.window.menus().tiles();
    ASSERT_TRUE(menu.item("classic"));
    menu.item("classic")->trigger();
    EXPECT_EQ(prefs.tiles(), "classic");
    EXPECT_EQ(saves.count(), 1);
    // A set named by the preferences that has no file: the built-in set, which is what
    // the preferences then hold too.
    prefs.setTiles("nosuchset");
    EXPECT_TRUE(rig.window.tiles().isClassic());
    EXPECT_EQ(menu.current(), "classic");
    EXPECT_EQ(prefs.tiles(), "classic");

    // The same name read from the settings file is not written back while the menu shows
    // the built-in set.
    QTemporaryDir dir;
    const QString path = dir.filePath("pelklobby.ini");
    writeFile(path, "[agame]\r\nTiles=nosuchset\r\nTextsize=100000\r\n");
    rig.window.keepSettingsIn(dir.path());
    prefs.requestLoad();
    EXPECT_EQ(menu.current(), "classic");
    EXPECT_EQ(rig.window.history().textSize(), 8);
    prefs.setPlaySounds(true);
    prefs.requestSave();
    const IniDocument doc = IniDocument::fromBytes(readFile(path));
    EXPECT_EQ(doc.value(u"agame", u"Tiles"), QString("classic"));
    EXPECT_EQ(doc.value(u"agame", u"Textsize"), QString("8"));
}

TEST(MainWindow, ClosingKeepsThePlacementOnlyWhenItChanged)
{
    {
        WindowRig rig;
        Preferences& prefs = rig.window.prefs();
        // Where the window is, its inner area below the menu bar as its size.
        const QRect now(rig.window.pos(), rig.window.centralWidget()->size());
        ASSERT_EQ(rig.window.presentPlacement(), now);
        prefs.setPlacement(now);
        QSignalSpy saves(&prefs, &Preferences::saveRequested);
        rig.window.close();
        EXPECT_EQ(saves.count(), 0);
        EXPECT_EQ(prefs.placement(), now);
    }
    {
        WindowRig rig;
        Preferences& prefs = rig.window.prefs();
        prefs.setPlacement(QRect(3, 3, 772, 535));
        rig.window.move(20, 30);
        rig.settle();
        QSignalSpy saves(&prefs, &Preferences::saveRequested);
        QSignalSpy closed(&rig.window, &Tchat::closed);
        rig.window.close();
        EXPECT_EQ(saves.count(), 1);
        EXPECT_EQ(closed.count(), 1);
        EXPECT_EQ(prefs.placement(), QRect(QPoint(20, 30), rig.window.centralWidget()->size()));
    }
    {
        // Before the settings were read the window is not where the player keeps it.
        WindowRig rig;
        QSignalSpy saves(&rig.window.prefs(), &Preferences::saveRequested);
        rig.window.close();
        EXPECT_EQ(saves.count(), 0);
    }
}

TEST(MainWindow, TheSettingsFileRestoresTheWindowAndClosingUnmovedWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pelklobby.ini");
    const QByteArray stored = "[lobby]\r\nLobbyURL=x\r\n[agame]\r\nTextsize=12\r\nTop=40\r\nLeft=50\r\n"
                              "Width=790\r\nHeight=580\r\nTextcolor=$000080FF\r\n";
    writeFile(path, stored);
    {
        WindowRig rig;
        rig.window.keepSettingsIn(dir.path());
        rig.window.prefs().requestLoad(); // the host confirmed the arrival
        rig.settle();
        EXPECT_EQ(rig.window.presentPlacement(), QRect(50, 40, 790, 580));
        EXPECT_EQ(rig.window.pos(), QPoint(50, 40));
        EXPECT_EQ(rig.window.centralWidget()->size(), QSize(790, 580)); // the inner area below the menu bar
        EXPECT_EQ(rig.window.history().textSize(), 12);
        EXPECT_EQ(rig.window.chatPane()->mychat->palette().color(QPalette::Text), QColor(255, 128, 0));
        rig.window.close();
        EXPECT_EQ(readFile(path), stored);
    }
    {
        WindowRig rig;
        rig.window.keepSettingsIn(dir.path());
        rig.window.prefs().requestLoad();
        rig.settle();
        // Moved, and made wider than the screen's work area: stored 15 pixels narrower.
        const QRect work = rig.window.screen()->availableGeometry();
        rig.window.move(60, 70);
        rig.window.resize(work.width() + 50, 600);
        rig.settle();
        ASSERT_EQ(rig.window.width(), work.width() + 50);
        rig.window.close();
        const IniDocument doc = IniDocument::fromBytes(readFile(path));
        EXPECT_EQ(doc.value(u"agame", u"Left"), QString("60"));
        EXPECT_EQ(doc.value(u"agame", u"Top"), QString("70"));
        EXPECT_EQ(doc.value(u"agame", u"Width"), QString::number(work.width() + 35));
        EXPECT_EQ(doc.value(u"agame", u"Height"), QString::number(600 - rig.window.menuBarHeight()));
        EXPECT_EQ(doc.value(u"agame", u"Textcolor"), QString("$000080FF"));
        EXPECT_TRUE(readFile(path).startsWith("[lobby]\r\nLobbyURL=x\r\n[agame]\r\nTextsize=12\r\nTop=70\r\n"));
    }
    {
        // A placement on a screen that is no longer there: the window comes back in sight.
        writeFile(path, "[agame]\nLeft=-3000\nTop=5000\n");
        WindowRig rig;
        rig.window.keepSettingsIn(dir.path());
        rig.window.prefs().requestLoad();
        rig.settle();
        const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_EQ(rig.window.pos(), primary.topLeft() + QPoint(3, 3));
        EXPECT_EQ(rig.window.prefs().placement(), QRect(-3000, 5000, 772, 535));
    }
    for (const QByteArray& unmoved : {QByteArray("[agame]\r\nTextsize=10\r\n"),
                                      QByteArray("[agame]\r\nLeft=3\r\nTop=3\r\nWidth=772\r\nHeight=535\r\n"),
                                      QByteArray("[agame]\r\nWidth=769\r\nHeight=529\r\n")}) {
        // The default placement, and the least inner area, are places the window can take:
        // closing it there unmoved writes nothing.
        writeFile(path, unmoved);
        WindowRig rig;
        rig.window.keepSettingsIn(dir.path());
        rig.window.prefs().requestLoad();
        rig.settle();
        EXPECT_EQ(rig.window.centralWidget()->size(), rig.window.prefs().placement().size()) << unmoved.constData();
        rig.window.close();
        EXPECT_EQ(readFile(path), unmoved);
    }
}

TEST(MainWindow, ASettingsFileThatCannotBeWrittenIsShownAndTheWindowStillCloses)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("blocked"), "not a folder");
    WindowRig rig;
    QStringList errors;
    rig.window.showError = [&errors](const QString& text) { errors.append(text); };
    rig.window.keepSettingsIn(dir.filePath("blocked"));
    const QString message = "Unable to write to " + QDir::toNativeSeparators(rig.window.settings()->path());
    Preferences& prefs = rig.window.prefs();
    prefs.requestLoad();
    rig.settle();
    // A choice from the menus: it takes effect, the save fails, the player is told.
    prefs.setTextSize(14);
    prefs.requestSave();
    EXPECT_EQ(errors, QStringList{message});
    EXPECT_EQ(rig.window.history().textSize(), 14);

    rig.window.move(rig.window.pos() + QPoint(25, 25));
    rig.settle();
    QSignalSpy closed(&rig.window, &Tchat::closed);
    rig.window.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(rig.window.isVisible());
    EXPECT_EQ(errors, (QStringList{message, message}));
    EXPECT_TRUE(rig.boxes.isEmpty());
}

TEST(MainWindow, StartOpensTheDialogOnlyWhenConnected)
{
    WindowRig rig;
    Tgamestart dialog(rig.window.prefs());
    Tchat::Windows windows;
    windows.gamestart = &dialog;
    rig.window.setWindows(windows);
    rig.window.button_startClick();
    EXPECT_EQ(rig.boxes, QStringList{"You are not connected"});
    EXPECT_FALSE(dialog.isVisible());
}

TEST(MainWindow, FileMenuOpensPlayWithOthers)
{
    QTemporaryDir dir;
    PlayChoiceStore store(dir.path() + "/pelklobby.ini");
    PlayWithOthersDialog dialog(store);
    WindowRig rig;
    Tchat::Windows windows;
    windows.playWithOthers = &dialog;
    rig.window.setWindows(windows);
    QAction* item = rig.window.menus().PlayWithOthers1;
    EXPECT_EQ(item->text(), "&Play with Others...");
    item->trigger();
    EXPECT_TRUE(dialog.isVisible());
    dialog.button_cancelClick();
    // The same dialog is reachable without the menu (the download window's button).
    QMetaObject::invokeMethod(&rig.window, "playWithOthersRequested");
    EXPECT_TRUE(dialog.isVisible());
}

TEST(MainWindow, ReadsItsCommandLineOnceItsFirstFrameIsOnTheScreen)
{
    // A window that is drawn goes on after its first frame; one that is never drawn (no
    // desktop shows it) goes on all the same, after a moment.
    for (const bool drawn : {true, false}) {
        Tchat window{QStringList{"Tester"}};
        window.setUpdatesEnabled(drawn);
        bool painted = false;
        struct PaintWatch : QObject {
            bool* painted;
            bool eventFilter(QObject*, QEvent* event) override
            {
                *painted = *painted || event->type() == QEvent::Paint;
                return false;
            }
        } watch;
        watch.painted = &painted;
        window.centralWidget()->installEventFilter(&watch);

        int announced = 0;
        bool paintedFirst = false;
        int linesFirst = -1;
        QObject::connect(&window, &Tchat::firstFrameShown, [&] {
            ++announced;
            paintedFirst = painted;
            linesFirst = window.history().lineCount();
        });
        window.show();
        ASSERT_TRUE(testutil::waitFor([&] { return announced > 0; }, 5000)) << "drawn: " << drawn;
        EXPECT_EQ(paintedFirst, drawn);
        // The command line is read right after, not before.
        EXPECT_EQ(linesFirst, 0) << "drawn: " << drawn;
        EXPECT_TRUE(window.chatPane()->mainchat->toPlainText().contains("Loading Multi-player Game.. Please Wait."));
        // Once only, also when the other way comes round later.
        testutil::spin(Tchat::FirstFrameWaitMs + 100);
        EXPECT_EQ(announced, 1) << "drawn: " << drawn;
    }
}

TEST(MainWindow, AFailedConnectionShowsInTheRoundBarWithItsWaysOn)
{
    QTemporaryDir dir;
    PlayChoiceStore store(dir.path() + "/pelklobby.ini");
    PlayWithOthersDialog dialog(store);
    // Nothing listens on port 1 of this machine: the connection is refused at once.
    Tchat window{QStringList{"Bob", "127.0.0.1", "false"}};
    window.client().session.port = 1;
    Tchat::Windows windows;
    windows.playWithOthers = &dialog;
    window.setWindows(windows);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    RoundBar& bar = *window.roundBar();
    ASSERT_TRUE(testutil::waitFor([&] { return bar.button_retry->isVisible(); }));
    EXPECT_EQ(bar.label_status->text(), "Could not connect to 127.0.0.1 port 1: connection refused.");
    EXPECT_TRUE(bar.button_others->isVisible());
    EXPECT_FALSE(bar.image_timer->isVisible());

    QTest::mouseClick(bar.button_others, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    dialog.button_cancelClick();

    // Trying again: waiting once more, the clock back in place, then the same failure.
    QTest::mouseClick(bar.button_retry, Qt::LeftButton);
    EXPECT_EQ(bar.label_status->text(), "Loading Multi-player Game.. Please Wait.");
    EXPECT_FALSE(bar.button_retry->isVisible());
    EXPECT_TRUE(bar.image_timer->isVisible());
    ASSERT_TRUE(testutil::waitFor([&] { return bar.button_retry->isVisible(); }));

    // With no game named there is nothing to try again, only another game to choose.
    WindowRig rig;
    EXPECT_EQ(rig.window.roundBar()->label_status->text(), Session::NoGameText);
    EXPECT_FALSE(rig.window.roundBar()->button_retry->isVisible());
    EXPECT_TRUE(rig.window.roundBar()->button_others->isVisible());
}

TEST(MainWindow, TheHostingPlayerIsAskedBeforeLeavingOthers)
{
    WindowRig rig;
    Tchat& w = rig.window;
    GameClient& c = w.client();
    QStringList asked;
    bool leave = false;
    w.askToLeave = [&](const QString& question) {
        asked.append(question);
        return leave;
    };
    c.ctx.state.myslot = 1;
    c.ctx.state.ishost = true;
    for (const QByteArray& m : {QByteArray("1+Ann"), QByteArray("2+Bob"), QByteArray("3+Cy")}) {
        FieldReader f(m);
        c.game.newplayerinfo(proto::NewPlayerInfo::read(f));
    }
    QSignalSpy closed(&w, &Tchat::closed);
    // "Stay": the window stays open.
    w.Exit1Click();
    EXPECT_EQ(asked, QStringList{"2 players are in your game. Leaving ends it for everyone."});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(closed.count(), 0);
    // Told to end (a SIGTERM, a logout), it ends without a question.
    w.leaveNow();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(closed.count(), 1);

    // "Leave" closes it; a player who does not host is never asked.
    WindowRig other;
    other.window.askToLeave = [&](const QString& question) {
        asked.append(question);
        return true;
    };
    other.window.client().ctx.state.myslot = 2;
    for (const QByteArray& m : {QByteArray("1+Ann"), QByteArray("2+Bob")}) {
        FieldReader f(m);
        other.window.client().game.newplayerinfo(proto::NewPlayerInfo::read(f));
    }
    other.window.close();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_FALSE(other.window.isVisible());
}

TEST(MainWindow, TheLeadersCommandsAreInTheGameMenuAndHintedOverTheNames)
{
    WindowRig rig;
    Tchat& w = rig.window;
    GameClient& c = w.client();
    GameMenu& menu = w.menus().game();
    const auto captions = [](QMenu* m) {
        emit m->aboutToShow();
        QStringList out;
        for (QAction* a : m->actions())
            out.append(a->text() + (a->isEnabled() ? "" : " (greyed)"));
        return out;
    };
    // Not the leader: greyed, with the reason; no hint over the names.
    EXPECT_FALSE(menu.RemoveFromGame2->menuAction()->isEnabled());
    EXPECT_EQ(menu.RemoveFromGame2->menuAction()->toolTip(), GameMenu::LeaderOnly);

    c.ctx.state.myslot = 1;
    c.ctx.state.connected = true;
    QList<QByteArray> sent;
    c.ctx.out.send = [&sent](const Message& m) { sent.append(m.text()); };
    emit c.session.leadershipChanged(true);
    for (const QByteArray& m : {QByteArray("1+Ann"), QByteArray("2+B&b"), QByteArray("3+Cy")}) {
        FieldReader f(m);
        c.game.newplayerinfo(proto::NewPlayerInfo::read(f));
    }
    EXPECT_TRUE(menu.RemoveFromGame2->menuAction()->isEnabled());
    EXPECT_EQ(captions(menu.RemoveFromGame2), (QStringList{"B&&b", "Cy"}));
    EXPECT_EQ(captions(menu.SetToJustWatch2), QStringList{"(nobody) (greyed)"}); // no game yet
    EXPECT_EQ(captions(menu.UnsetJustWatch2), QStringList{"(nobody) (greyed)"});
    menu.RemoveFromGame2->actions().at(1)->trigger();
    EXPECT_EQ(sent, QList<QByteArray>{"CMD_kickhim+1+3+"});

    // The names tell the leader a right click offers more; an empty seat says nothing.
    EXPECT_EQ(w.scorePanel()->label_playername[1]->toolTipHint(), ScorePanel::RightClickHint);
    EXPECT_TRUE(w.scorePanel()->label_playername[4]->toolTipHint().isEmpty());
    // Just Watch between games is greyed and says when it works.
    EXPECT_FALSE(w.menus().JustWatch1->isEnabled());
    EXPECT_TRUE(w.menus().JustWatch1->toolTip().contains("while a game is running"));
}
