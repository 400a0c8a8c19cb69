// The board played from the keyboard: the same picks, take-backs and clears as with the
// mouse give the same messages byte for byte and the same sounds; and the board as a
// screen reader finds it: a table of named cells, their states, and focus events as the
// focus cell moves.
#include "client/BoardFocus.h"
#include "client/ui/BctSearch.h"
#include "client/TileSet.h"
#include "client/WordEntry.h"
#include "client/ui/BoardView.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QTest>
#include <gtest/gtest.h>

namespace {

enum class Act { Pick, TakeBack, Clear };
struct Step {
    Act act;
    QPoint cell; // for a pick
};

// A board of "a", with "b" "c" "t" along row 2 from column 2, and the word "bct";
// straight or scrambled.
class BoardKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        context.state.myslot = 1;
        context.state.connected = true;
        context.out.send = [this](const Message& m) { heard << "sent " + m.text(); };
        context.out.playsounds = [this](const QString& s) { heard << "sound " + s.toUtf8(); };
        QObject::connect(&entry, &WordEntry::refused, [this](int c, int r) {
            heard << "refused " + QByteArray::number(c) + "," + QByteArray::number(r);
        });
        view.setKeyboard(&focus);
        // As the window does with its Clear button.
        QObject::connect(&view, &BoardView::clearRequested, &entry, &WordEntry::clearword);
        view.show();
    }

    // A new board and word; the last round's marks are gone.
    void newRound(bool straight)
    {
        turn.setStraight(straight);
        turn.startSearch(1);
        bctsearch::load(entry);
        heard.clear();
    }

    void focusBoard()
    {
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setFocus();
        ASSERT_TRUE(view.hasFocus());
    }

    QPoint centre(QPoint cell) const { return view.cellRect(cell).center().toPoint(); }

    void withMouse(const QList<Step>& steps)
    {
        for (const Step& s : steps) {
            if (s.act == Act::Pick)
                QTest::mouseClick(&view, Qt::LeftButton, {}, centre(s.cell));
            else if (s.act == Act::TakeBack)
                QTest::mouseClick(&view, Qt::RightButton, {}, centre(*entry.lastPicked()));
            else
                entry.clearword(); // the Clear button
        }
    }

    void withKeys(const QList<Step>& steps)
    {
        view.setFocus();
        int picks = 0;
        for (const Step& s : steps) {
            if (s.act == Act::Pick) {
                // Walk to the cell with the arrows, then Space or Enter by turns.
                while (focus.cell().x() != s.cell.x())
                    QTest::keyClick(&view, focus.cell().x() < s.cell.x() ? Qt::Key_Right : Qt::Key_Left);
                while (focus.cell().y() != s.cell.y())
                    QTest::keyClick(&view, focus.cell().y() < s.cell.y() ? Qt::Key_Down : Qt::Key_Up);
                QTest::keyClick(&view, ++picks % 2 ? Qt::Key_Space : Qt::Key_Return);
            } else {
                QTest::keyClick(&view, s.act == Act::TakeBack ? Qt::Key_Backspace : Qt::Key_Escape);
            }
        }
    }

    ClientContext context;
    TurnState turn{context};
    WordEntry entry{context, turn};
    TileSet tiles;
    BoardFocus focus{entry, turn};
    BoardView view{entry, tiles};
    QList<QByteArray> heard;
};

} // namespace

TEST_F(BoardKeys, KeysGiveTheMousesMessagesAndSoundsByteForByte)
{
    const Step b{Act::Pick, {2, 2}}, c{Act::Pick, {3, 2}}, t{Act::Pick, {4, 2}};
    const Step back{Act::TakeBack, {}}, clear{Act::Clear, {}};
    struct Case {
        const char* name;
        bool straight;
        QList<Step> steps;
        QByteArray sent; // the one message expected, or none
    };
    const Case cases[] = {
        {"a straight word", true, {b, c, t}, "CMD_myword+1+2+2+3+2+4+2"},
        {"refused letters on the way", true, {{Act::Pick, {5, 5}}, b, {Act::Pick, {3, 3}}, c, t}, "CMD_myword+1+2+2+3+2+4+2"},
        {"a letter taken back and picked again", false, {b, c, back, c, t}, "CMD_myword+1+2+2+3+2+4+2"},
        {"cleared and begun again", true, {b, c, clear, b, c, t}, "CMD_myword+1+2+2+3+2+4+2"},
        {"taken back to nothing", true, {b, back, {Act::Pick, {3, 2}}}, ""},
    };
    for (const Case& k : cases) {
        newRound(k.straight);
        withMouse(k.steps);
        const QList<QByteArray> mouse = heard;
        newRound(k.straight);
        withKeys(k.steps);
        EXPECT_EQ(heard, mouse) << k.name;
        EXPECT_EQ(mouse.count("sent " + k.sent), k.sent.isEmpty() ? 0 : 1) << k.name;
        EXPECT_TRUE(mouse.contains("sound valid")) << k.name;
    }
}

TEST_F(BoardKeys, KeysTheBoardHasNoUseForGoOnToTheWindow)
{
    newRound(true);
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &f2);
    EXPECT_FALSE(f2.isAccepted());
    QKeyEvent ctrlB(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, "b");
    const QPoint before = focus.cell();
    QCoreApplication::sendEvent(&view, &ctrlB);
    EXPECT_FALSE(ctrlB.isAccepted());
    EXPECT_EQ(focus.cell(), before);
}

TEST_F(BoardKeys, TheFocusFrameShowsOnlyWhileTheBoardHasTheFocus)
{
    newRound(true);
    focus.moveTo({5, 5});
    ASSERT_FALSE(view.hasFocus());
    const QImage unfocused = view.grab().toImage();
    focusBoard();
    const QImage framed = view.grab().toImage();
    const QRect cell = view.cellRect({5, 5}).toRect();
    EXPECT_NE(framed.copy(cell), unfocused.copy(cell));
    // Only the focus cell wears it.
    const QRect neighbour = view.cellRect({6, 6}).toRect();
    EXPECT_EQ(framed.copy(neighbour), unfocused.copy(neighbour));
    // Dark outside and light inside, whatever the tile.
    EXPECT_EQ(framed.pixelColor(cell.topLeft() + QPoint(1, 1)), QColor(Qt::black));
    EXPECT_EQ(framed.pixelColor(cell.topLeft() + QPoint(4, 22)), QColor(Qt::white));
}

namespace {

struct Caught {
    QAccessible::Event type;
    int child;
};
QList<Caught> events;

void catchEvent(QAccessibleEvent* e)
{
    events.append({e->type(), e->child()});
}

// While it lives, accessibility is switched on as a screen reader switches it on, and
// every event goes to catchEvent.
struct ListeningReader {
    ListeningReader()
    {
        QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
        bridge = platform ? platform->accessibility() : nullptr;
        if (!bridge)
            return;
        previous = QAccessible::installUpdateHandler(catchEvent);
        bridge->setActive(true);
    }
    ~ListeningReader()
    {
        if (!bridge)
            return;
        bridge->setActive(false);
        QAccessible::installUpdateHandler(previous);
    }
    QPlatformAccessibility* bridge = nullptr;
    QAccessible::UpdateHandler previous = nullptr;
};

} // namespace

TEST_F(BoardKeys, ScreenReadersFindATableOfNamedCells)
{
    newRound(true);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(board->text(QAccessible::Name), "Board");
    ASSERT_EQ(board->childCount(), 90);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 9);
    EXPECT_EQ(table->columnCount(), 10);

    entry.click(Qt::LeftButton, 2, 2);
    entry.click(Qt::LeftButton, 3, 2);
    // The word's place revealed elsewhere: marked, but not picked.
    entry.reveal({proto::Cell{7, 7}});
    struct Case {
        int row, column; // from 0, as tables count
        const char* name;
        bool selected;
    };
    const Case cases[] = {
        {1, 1, "B, column 2, row 2, picked 1st", true},
        {1, 2, "C, column 3, row 2, picked 2nd", true},
        {1, 3, "T, column 4, row 2", false},
        {8, 9, "A, column 10, row 9", false},
        {6, 6, "A, column 7, row 7, marked", false},
    };
    for (const Case& c : cases) {
        QAccessibleInterface* cell = table->cellAt(c.row, c.column);
        ASSERT_NE(cell, nullptr) << c.name;
        EXPECT_EQ(cell->role(), QAccessible::Cell) << c.name;
        EXPECT_EQ(cell->text(QAccessible::Name), c.name);
        EXPECT_EQ(cell->state().selected, c.selected) << c.name;
        EXPECT_EQ(cell->parent(), board) << c.name;
        EXPECT_EQ(board->indexOfChild(cell), c.row * 10 + c.column) << c.name;
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.row) << c.name;
        // The cell lies where it is drawn.
        EXPECT_EQ(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell) << c.name;
    }
    EXPECT_EQ(table->selectedCellCount(), 2);
    EXPECT_EQ(table->cellAt(9, 0), nullptr);
    WordEntry empty(context, turn);
    EXPECT_EQ(describeCell(empty, {1, 1}), "Empty, column 1, row 1");
}

TEST_F(BoardKeys, MovesOfTheFocusCellAreAnnounced)
{
    newRound(true);
    events.clear();
    {
        ListeningReader reader;
        ASSERT_NE(reader.bridge, nullptr) << "the platform offers no accessibility to switch on";
        ASSERT_TRUE(QAccessible::isActive());
        focusBoard();
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_PageDown);
        QTest::keyClicks(&view, "t");
        // Picked where it stands, the focus cell is named again.
        QTest::keyClick(&view, Qt::Key_Left);
        QTest::keyClick(&view, Qt::Key_Left);
        QTest::keyClick(&view, Qt::Key_Space);
    }

    QList<int> focusedChildren;
    for (const Caught& e : events)
        if (e.type == QAccessible::Focus && e.child >= 0)
            focusedChildren.append(e.child);
    // (1,1) on taking the focus, then (2,1), (2,9), the "t" at (4,2) and back to the "b".
    EXPECT_EQ(focusedChildren, (QList<int>{0, 1, 81, 13, 12, 11}));
    QList<int> renamed;
    for (const Caught& e : events)
        if (e.type == QAccessible::NameChanged)
            renamed.append(e.child);
    EXPECT_EQ(renamed, QList<int>{11});
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view);
    QAccessibleInterface* focused = board->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), "B, column 2, row 2, picked 1st");
    EXPECT_TRUE(focused->state().focused);
    EXPECT_FALSE(board->child(0)->state().focused);
}
