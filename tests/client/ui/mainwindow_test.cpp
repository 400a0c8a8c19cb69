// The main window as a whole: its smallest inner area, what grows when it is enlarged and
// what keeps its size and place, the chat pane following the preferences, the tile set
// and the placement kept as preferences, and the start dialog opened from it.
#include "client/IniDocument.h"
#include "client/SettingsFile.h"
#include "client/TileSet.h"
#include "client/ui/BoardPanel.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/ChatPane.h"
#include "client/ui/MainMenus.h"
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/TileMenu.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/Files.h"
#include "common/Printers.h"
#include "widgets/PictureButton.h"
#include "client/PlayChoiceStore.h"
#include "windows/PlayWithOthersDialog.h"
#include "windows/gamestartform.h"

#include <QAction>
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

TEST(MainWindow, TheChatPaneGrowsAndTheBoardAndScoreboardStay)
{
    WindowRig rig;
    Tchat& w = rig.window;
    w.resize(w.minimumSizeHint());
    rig.settle();
    const QRect board = rig.placeOf(w.boardPanel());
    const QRect scores = rig.placeOf(w.scorePanel());
    const QRect history = rig.placeOf(w.chatPane()->mainchat);
    const QRect entry = rig.placeOf(w.chatPane()->mychat);
    EXPECT_EQ(board.size(), QSize(448, 404));
    EXPECT_LE(board.right(), scores.left()); // the scoreboard is beside the board
    EXPECT_LT(scores.bottom(), history.top());
    EXPECT_LT(history.bottom(), entry.top());

    const QSize grow(500, 300);
    w.resize(w.size() + grow);
    rig.settle();
    EXPECT_EQ(rig.placeOf(w.boardPanel()), board);
    EXPECT_EQ(rig.placeOf(w.scorePanel()), scores);
    EXPECT_EQ(rig.placeOf(w.roundBar()).size(), QSize(RoundBar::Width, RoundBar::Height));
    // The history is anchored to all four sides, the entry box to the left, right and bottom.
    const QRect biggerHistory = rig.placeOf(w.chatPane()->mainchat);
    EXPECT_EQ(biggerHistory.topLeft(), history.topLeft());
    EXPECT_EQ(biggerHistory.size(), history.size() + grow);
    const QRect movedEntry = rig.placeOf(w.chatPane()->mychat);
    EXPECT_EQ(movedEntry.left(), entry.left());
    EXPECT_EQ(movedEntry.width(), entry.width() + grow.width());
    EXPECT_EQ(movedEntry.height(), entry.height());
    EXPECT_EQ(movedEntry.top(), entry.top() + grow.height());
    // The row kept for the phrase buttons sits directly above the history.
    const QRect phrases = rig.placeOf(w.chatPane()->panel_phrases);
    EXPECT_EQ(phrases.height(), ChatPane::PhraseButtonHeight);
    EXPECT_GE(phrases.width(), ChatPane::PhraseButtons * ChatPane::PhraseButtonWidth);
    EXPECT_LE(phrases.bottom(), biggerHistory.top());
    EXPECT_GE(phrases.bottom() + 4, biggerHistory.top());
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
    EXPECT_EQ(item->text(), "Play with Others...");
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
