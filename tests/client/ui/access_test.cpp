// The main window without a mouse and without colour: F6 between the chat entry and the
// board, keys that never cross between them, Escape as "Clear", a mnemonic on every menu
// item, a name for every button, and the high-contrast look with its contrast ratios.
#include "client/BoardFocus.h"
#include "client/ui/BctSearch.h"
#include "client/ui/BoardPanel.h"
#include "client/ui/BoardView.h"
#include "client/ui/ChatPane.h"
#include "client/ui/Looks.h"
#include "client/ui/MainMenus.h"
#include "client/ui/OptionsMenu.h"
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "client/ui/WordStrip.h"
#include "widgets/BackdropForm.h"
#include "widgets/PictureButton.h"
#include "widgets/TimeBar.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QTest>
#include <gtest/gtest.h>

#include <QAbstractItemView>

namespace {

// A window that neither hosts nor joins, in the middle of this player's search for "bct"
// on a board of "a" with "b" "c" "t" along row 2 from column 2.
struct SearchRig {
    SearchRig()
    {
        window.prefs().setPlaySounds(false);
        GameClient& c = window.client();
        c.ctx.state.myslot = 1;
        c.ctx.state.connected = true;
        c.ctx.out.send = [this](const Message& m) { sent << m.text(); };
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        bctsearch::load(c.words);
        c.turn.startSearch(1);
        testutil::spin(20);
    }
    BoardView* board() const { return window.boardPanel()->paintbox_board; }
    ChatEntry* chat() const { return window.chatPane()->mychat; }
    void type(const QString& text) const { QTest::keyClicks(QApplication::focusWidget(), text); }

    Tchat window{QStringList{"Tester"}};
    QList<QByteArray> sent;
};

void collectItems(QMenu* menu, QList<QMenu*>& menus)
{
    menus.append(menu);
    for (QAction* a : menu->actions())
        if (a->menu())
            collectItems(a->menu(), menus);
}

} // namespace

TEST(Access, F6SwitchesPanesAndKeysStayWhereTheyAreTyped)
{
    SearchRig rig;
    rig.chat()->setFocus();
    ASSERT_TRUE(rig.chat()->hasFocus());
    QTest::keyClick(rig.chat(), Qt::Key_F6);
    ASSERT_TRUE(rig.board()->hasFocus());

    // Letters on the board find the word; none of them reaches the chat.
    const QString chatBefore = rig.chat()->text();
    rig.type("b c t ");
    EXPECT_EQ(rig.sent, QList<QByteArray>{"CMD_myword+1+2+2+3+2+4+2"});
    EXPECT_EQ(rig.chat()->text(), chatBefore);

    // Back in the chat, letters are chat and the board's focus cell stays.
    QTest::keyClick(rig.board(), Qt::Key_F6);
    ASSERT_TRUE(rig.chat()->hasFocus());
    const QPoint cell = rig.window.boardFocus().cell();
    rig.type("bat");
    EXPECT_EQ(rig.chat()->text(), "bat");
    EXPECT_EQ(rig.window.boardFocus().cell(), cell);
    // F6 from anywhere else goes to the board.
    rig.window.chatPane()->b_phrase[0]->setFocus();
    ASSERT_TRUE(rig.window.chatPane()->b_phrase[0]->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_TRUE(rig.board()->hasFocus());
}

TEST(Access, EscapeOnTheBoardIsClearWhileClearIsOffered)
{
    SearchRig rig;
    GameClient& c = rig.window.client();
    rig.board()->setFocus();
    rig.type("b c ");
    ASSERT_EQ(c.words.pickcount(), 2);
    QTest::keyClick(rig.board(), Qt::Key_Escape);
    EXPECT_EQ(c.words.pickcount(), 0);
    EXPECT_EQ(c.words.cell(2, 2), 2); // unmarked again
    // Without the Clear button (the clock ran out) Escape does nothing.
    rig.type("b ");
    c.turn.endPicking();
    c.turn.hideClear();
    QTest::keyClick(rig.board(), Qt::Key_Escape);
    EXPECT_EQ(c.words.cell(2, 2), 2 + 26);
}

TEST(Access, EveryMenuItemHasItsOwnMnemonic)
{
    SearchRig rig;
    QList<QMenu*> menus;
    for (QAction* top : rig.window.menuBar()->actions())
        collectItems(top->menu(), menus);
    QSet<QKeySequence> bar;
    for (QAction* top : rig.window.menuBar()->actions())
        bar.insert(QKeySequence::mnemonic(top->text()));
    EXPECT_EQ(bar.size(), rig.window.menuBar()->actions().size());
    ASSERT_GE(menus.size(), 8);
    for (QMenu* menu : menus) {
        if (menu->objectName() == "Tiles1")
            continue; // the tile sets' own names
        QSet<QKeySequence> keys;
        int items = 0;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            ++items;
            const QKeySequence key = QKeySequence::mnemonic(a->text());
            EXPECT_FALSE(key.isEmpty()) << menu->title().toStdString() << ": " << a->text().toStdString();
            keys.insert(key);
        }
        EXPECT_EQ(keys.size(), items) << "two items share a key in " << menu->title().toStdString();
    }
}

TEST(Access, EveryButtonHasANameAndPhraseButtonsTheirPhrase)
{
    SearchRig rig;
    const QList<QAbstractButton*> buttons = rig.window.findChildren<QAbstractButton*>();
    ASSERT_GE(buttons.size(), 14);
    for (QAbstractButton* b : buttons) {
        if (qobject_cast<QAbstractItemView*>(b->parentWidget()) && !b->isVisibleTo(&rig.window))
            continue; // a table's own corner button, never shown without row headers
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << b->objectName().toStdString();
    }
    rig.window.prefs().setPhrase(3, "Well found!");
    const ChatPane* pane = rig.window.chatPane();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pane->b_phrase[2])->text(QAccessible::Name), "Well found!");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pane->b_phrase[0])->text(QAccessible::Name),
              rig.window.prefs().phrase(1));
}

TEST(Access, TheHighContrastLookKeepsTextAtLeastFourAndAHalfToOne)
{
    // Every ink on every ground it is drawn on.
    const looks::Palette& hc = looks::highContrastPalette();
    QList<QPair<QColor, QColor>> pairs = {{hc.backdropInk, hc.backdrop}, {hc.boardInk, hc.board}};
    for (const QColor& ground : {hc.window, hc.backdrop})
        for (const QColor& ink : {hc.ink, hc.inkSoft, hc.inkFaint})
            pairs.append({ink, ground});
    for (const auto& [ink, ground] : pairs)
        EXPECT_GE(looks::contrastRatio(ink, ground), 4.5) << ink.name().toStdString() << " on "
                                                           << ground.name().toStdString();
    // The ratio itself: black on white is 21, a colour on itself 1, and it is symmetric.
    EXPECT_NEAR(looks::contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(looks::contrastRatio(QColor(0, 0x72, 0xB2), Qt::white), 5.19, 0.01);
    EXPECT_NEAR(looks::contrastRatio(Qt::white, QColor(0, 0x72, 0xB2)), 5.19, 0.01);
    EXPECT_NEAR(looks::contrastRatio(QColor(119, 119, 119), QColor(119, 119, 119)), 1.0, 1e-9);
    // The ordinary look's faint ink would not pass: that is why the look exists.
    EXPECT_LT(looks::contrastRatio(looks::inkFaint(), looks::ordinaryPalette().backdrop), 4.5);
}

TEST(Access, OptionsHighContrastSwitchesEveryLabelAndIsKept)
{
    SearchRig rig;
    Tchat& w = rig.window;
    QSignalSpy saves(&w.prefs(), &Preferences::saveRequested);
    QAction* item = w.menus().options().HighContrast1;
    ASSERT_TRUE(item->isCheckable());
    item->trigger();
    EXPECT_TRUE(w.prefs().highContrast());
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(saves.count(), 1);

    const looks::Palette& hc = looks::highContrastPalette();
    const QList<QLabel*> labels = w.centralWidget()->findChildren<QLabel*>();
    ASSERT_GE(labels.size(), 20);
    int checked = 0;
    for (QLabel* l : labels) {
        if (l->text().isEmpty() || !l->property("looksInk").isValid())
            continue;
        ++checked;
        const QColor ink = l->palette().color(QPalette::WindowText);
        EXPECT_GE(looks::contrastRatio(ink, hc.backdrop), 4.5) << l->objectName().toStdString();
    }
    EXPECT_GE(checked, 8);
    EXPECT_EQ(w.centralWidget()->palette().color(QPalette::Window), hc.window);
    // The picture buttons, whose white text on colour is too faint, are black on white.
    PictureButton* clear = w.roundBar()->button_clearword;
    ASSERT_TRUE(clear->plainLook());
    const QImage drawn = clear->grab().toImage();
    int blackOrWhite = 0;
    for (int y = 4; y < drawn.height() - 4; ++y)
        for (int x = 4; x < drawn.width() - 4; ++x)
            blackOrWhite += qGray(drawn.pixel(x, y)) < 40 || qGray(drawn.pixel(x, y)) > 215 ? 1 : 0;
    EXPECT_GT(blackOrWhite, (drawn.width() - 8) * (drawn.height() - 8) * 9 / 10);
    // A label inked later (the clock ticks) takes the look too.
    w.scorePanel()->label_gametype->setText("Scrambled");
    looks::setInk(w.scorePanel()->label_gametype, QColor(200, 120, 40));
    EXPECT_EQ(w.scorePanel()->label_gametype->palette().color(QPalette::WindowText), hc.ink);

    // And back to the ordinary look, each label with its own ink again.
    item->trigger();
    EXPECT_FALSE(w.prefs().highContrast());
    EXPECT_EQ(w.scorePanel()->label_gametype->palette().color(QPalette::WindowText), QColor(200, 120, 40));
    EXPECT_EQ(w.centralWidget()->palette().color(QPalette::Window), looks::ordinaryPalette().window);
    EXPECT_FALSE(clear->plainLook());
}

TEST(Access, ScoresClockStatusAndWordAreReadable)
{
    SearchRig rig;
    Tchat& w = rig.window;
    GameClient& c = w.client();
    c.seats.setName(2, "Bob");
    c.seats.found(2, 17, 40);

    QAccessibleInterface* scores = QAccessible::queryAccessibleInterface(w.scorePanel());
    ASSERT_NE(scores, nullptr);
    EXPECT_EQ(scores->role(), QAccessible::Table);
    QAccessibleTableInterface* table = scores->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->columnDescription(0), "Name");
    EXPECT_EQ(table->columnDescription(2), "Bonus");
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "Bob");
    EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), w.scorePanel()->label_score[1]->text());
    EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), "40");
    EXPECT_EQ(table->cellAt(1, 2)->text(QAccessible::Name), w.scorePanel()->label_bonus[1]->text());
    EXPECT_EQ(table->cellAt(5, 0)->text(QAccessible::Name), "Empty seat");

    // The clock's bar has a value that follows the time left.
    c.clock.setTimePerTurn(60);
    c.clock.restart();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.roundBar()->image_timer);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    EXPECT_EQ(bar->text(QAccessible::Name), "Time left");
    QAccessibleValueInterface* value = bar->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->maximumValue().toInt(), w.roundBar()->image_timer->fullWidth());
    const int full = value->currentValue().toInt();
    EXPECT_GT(full, 0);
    for (int i = 0; i < 30; ++i)
        c.clock.tick();
    EXPECT_LT(value->currentValue().toInt(), full);

    // The status line is a status bar read with its text.
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(w.roundBar()->label_status);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(status->text(QAccessible::Name), w.roundBar()->label_status->text());

    // The word strip says the letters found so far.
    c.words.click(Qt::LeftButton, 2, 2);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.wordStrip())->text(QAccessible::Name),
              "Word of 3 letters, found so far: B");
}
