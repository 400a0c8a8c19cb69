// The Options menu against the preferences: check marks that show what the preferences
// hold (also after a load), each choice handed over and followed by a request to save,
// the colour dialogs' two answers, and the window's own items: "Scroll Chat Off" in step
// in two menus, "Clear Main Chat", "Reset Screen Location", "Phrase List".
#include "client/ui/ChatHistory.h"
#include "client/ui/ChatPane.h"
#include "client/ui/MainMenus.h"
#include "client/ui/OptionsMenu.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "windows/phrasesform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct MenuRig {
    MenuRig() { menu.bind(prefs); }

    QList<int> checkedSizes() const
    {
        QList<int> sizes;
        for (QAction* item : {menu.N8, menu.N10, menu.N12, menu.N14})
            if (item->isChecked())
                sizes.append(item->data().toInt());
        return sizes;
    }

    Preferences prefs;
    QMenu bar;
    OptionsMenu menu{&bar};
    QSignalSpy saves{&prefs, &Preferences::saveRequested};
};

} // namespace

TEST(OptionsMenu, TextSizeMarksFollowThePreferences)
{
    MenuRig rig;
    EXPECT_EQ(rig.menu.TextSize1->title(), "Text Si&ze");
    QStringList captions;
    for (QAction* item : rig.menu.TextSize1->actions())
        captions.append(item->text());
    EXPECT_EQ(captions, (QStringList{"&8", "1&0", "1&2", "1&4"}));
    EXPECT_EQ(rig.checkedSizes(), QList<int>{8});

    rig.menu.N12->trigger();
    EXPECT_EQ(rig.prefs.textSize(), 12);
    EXPECT_EQ(rig.checkedSizes(), QList<int>{12});
    EXPECT_EQ(rig.saves.count(), 1);
    // The marked size chosen again keeps its mark, and is saved again.
    rig.menu.N12->trigger();
    EXPECT_EQ(rig.checkedSizes(), QList<int>{12});
    EXPECT_EQ(rig.saves.count(), 2);

    // A loaded size: 14 marks its item, a size the menu does not offer is the default, 8;
    // loading asks for no save.
    rig.prefs.setTextSize(14);
    EXPECT_EQ(rig.checkedSizes(), QList<int>{14});
    rig.prefs.setTextSize(9);
    EXPECT_EQ(rig.checkedSizes(), QList<int>{8});
    rig.menu.N10->trigger();
    EXPECT_EQ(rig.checkedSizes(), QList<int>{10});
    EXPECT_EQ(rig.saves.count(), 3);
}

TEST(OptionsMenu, ColourDialogsOkAndCancel)
{
    MenuRig rig;
    std::optional<QColor> answer = QColor(0, 128, 255);
    QList<QColor> shown;
    rig.menu.chooseColour = [&](const QColor& initial, const QString&) {
        shown.append(initial);
        return answer;
    };
    rig.menu.TextColor1->trigger();
    EXPECT_EQ(rig.prefs.chatColour(), 0x00FF8000u);
    EXPECT_EQ(rig.saves.count(), 1);
    answer.reset();
    rig.menu.TextColor1->trigger(); // Cancel: nothing changes, nothing is saved
    EXPECT_EQ(rig.prefs.chatColour(), 0x00FF8000u);
    EXPECT_EQ(rig.saves.count(), 1);

    rig.prefs.setActionColour(colortext::Red);
    rig.menu.ActionColor1->trigger(); // Cancel: saved all the same
    EXPECT_EQ(rig.prefs.actionColour(), colortext::Red);
    EXPECT_EQ(rig.saves.count(), 2);
    answer = QColor(0, 0, 255);
    rig.menu.ActionColor1->trigger();
    EXPECT_EQ(rig.prefs.actionColour(), colortext::Blue);
    EXPECT_EQ(rig.saves.count(), 3);
    // Each dialog opens on the colour in force.
    EXPECT_EQ(shown, (QList<QColor>{QColor(Qt::black), QColor(0, 128, 255), QColor(255, 0, 0), QColor(255, 0, 0)}));
}

TEST(OptionsMenu, SoundSwitches)
{
    MenuRig rig;
    OptionsMenu& m = rig.menu;
    EXPECT_TRUE(m.PlaySounds1->isChecked());
    EXPECT_FALSE(m.PlayChatterSounds1->isChecked());
    EXPECT_TRUE(m.Classic1->isChecked());
    EXPECT_FALSE(m.New1->isChecked());

    m.PlaySounds1->trigger();
    EXPECT_FALSE(rig.prefs.playSounds());
    EXPECT_FALSE(m.PlaySounds1->isChecked());
    m.PlayChatterSounds1->trigger();
    EXPECT_TRUE(rig.prefs.chatterSounds());
    m.New1->trigger();
    EXPECT_TRUE(rig.prefs.turnSoundNew());
    EXPECT_TRUE(m.New1->isChecked());
    EXPECT_FALSE(m.Classic1->isChecked());
    m.New1->trigger(); // the chosen one again stays chosen
    EXPECT_TRUE(m.New1->isChecked());
    EXPECT_EQ(rig.saves.count(), 4);

    // Values loaded from the settings file show without a save.
    rig.prefs.setPlaySounds(true);
    rig.prefs.setChatterSounds(false);
    rig.prefs.setTurnSoundNew(false);
    EXPECT_TRUE(m.PlaySounds1->isChecked());
    EXPECT_FALSE(m.PlayChatterSounds1->isChecked());
    EXPECT_TRUE(m.Classic1->isChecked());
    EXPECT_FALSE(m.New1->isChecked());
    EXPECT_EQ(rig.saves.count(), 4);
}

TEST(OptionsMenu, TheWindowsItems)
{
    Tchat window{QStringList{"Tester"}};
    window.prefs().setPlaySounds(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy saves(&window.prefs(), &Preferences::saveRequested);
    OptionsMenu& options = window.menus().options();
    ChatPane& pane = *window.chatPane();

    // Scroll Chat Off: either item inverts it, both always show it.
    options.ScrollChatOff2->trigger();
    EXPECT_TRUE(window.history().scrollChatOff());
    EXPECT_TRUE(pane.ScrollChatOff1->isChecked());
    pane.ScrollChatOff1->trigger();
    EXPECT_FALSE(window.history().scrollChatOff());
    EXPECT_FALSE(options.ScrollChatOff2->isChecked());
    EXPECT_FALSE(pane.ScrollChatOff1->isChecked());

    // Ctrl+S reaches "Start Game" alone.
    int ctrlS = 0;
    for (QAction* a : window.findChildren<QAction*>())
        if (a->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S))
            ++ctrlS;
    EXPECT_EQ(ctrlS, 1);
    EXPECT_EQ(window.menus().StartGame1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));

    window.history().addlinetochat(QStringLiteral("x"), QColor(Qt::black));
    options.ClearMainChat1->trigger();
    EXPECT_EQ(window.history().lineCount(), 0);
    window.history().addlinetochat(QStringLiteral("x"), QColor(Qt::black));
    pane.ClearMainChat2->trigger();
    EXPECT_EQ(window.history().lineCount(), 0);

    // The window goes back to its first place and size; nothing is written.
    window.move(200, 150);
    window.resize(900, 640);
    testutil::spin(20);
    options.ResetScreenLocation1->trigger();
    testutil::spin(20);
    EXPECT_EQ(window.pos(), QPoint(3, 3));
    // An inner area of 772 x 535 below the menu bar.
    EXPECT_EQ(window.centralWidget()->size(), QSize(772, 535));
    EXPECT_EQ(window.presentPlacement(), QRect(3, 3, 772, 535));
    EXPECT_EQ(saves.count(), 0);
    EXPECT_EQ(window.prefs().placement(), QRect(0, 0, 0, 0));

    // The menu bar's order, and the phrase editor from View.
    QStringList titles;
    for (QAction* a : window.menuBar()->actions())
        titles.append(a->text());
    EXPECT_EQ(titles, (QStringList{"&File", "&Game", "&View", "&Options", "&Help"}));
    Tphrases editor(window.prefs());
    Tchat::Windows windows;
    windows.phrases = &editor;
    window.setWindows(windows);
    window.menus().PrhaseList1->trigger();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(editor.isModal());
    const QPoint centre = editor.geometry().center();
    EXPECT_LE((centre - window.frameGeometry().center()).manhattanLength(), 40);
    editor.close();
}
