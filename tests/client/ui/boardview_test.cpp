// The board and word-strip widgets: clicks on the board reach the word entry as the cell
// under the pointer at every size the board is drawn, releases beyond it do not, and
// both widgets draw what the word entry holds.
#include "client/ui/BoardView.h"
#include "client/TileSet.h"
#include "client/WordEntry.h"
#include "client/ui/WordStrip.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class BoardViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        context.state.myslot = 1;
        context.state.connected = true;
        turn.startSearch(1);
        turn.setStraight(true);
        context.out.send = [this](const Message& m) { sent << m.text(); };
        context.out.playsounds = [this](const QString& s) { sounds << s; };
        loadBoard();
    }

    void loadBoard()
    {
        // every cell "a", except "b" c "t" along row 2 from column 2
        QByteArray text;
        for (int column = 1; column <= 10; ++column) {
            for (int row = 1; row <= 9; ++row) {
                int tile = 1;
                if (row == 2 && column >= 2 && column <= 4)
                    tile = QByteArray("bct").at(column - 2) - 'a' + 1;
                text += (text.isEmpty() ? "" : "+") + QByteArray::number(column) + '+' + QByteArray::number(row)
                    + '+' + QByteArray::number(tile);
            }
        }
        FieldReader board("1+" + text);
        entry.loadboardCells(proto::LoadBoard::read(board).cells);
        FieldReader word("1+2+2+3+3+20");
        entry.theword(proto::TheWord::read(word));
    }

    static QPoint centre(int column, int row) { return QPoint((column - 1) * 44 + 22, (row - 1) * 44 + 22); }

    // The widget as drawn, in its own pixels.
    static QImage shot(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    ClientContext context;
    TurnState turn{context};
    WordEntry entry{context, turn};
    TileSet tiles;
    QList<QByteArray> sent;
    QStringList sounds;
};

} // namespace

TEST_F(BoardViewTest, HasTheBoardsNameAndSize)
{
    BoardView view(entry, tiles);
    EXPECT_EQ(view.objectName(), "paintbox_board");
    EXPECT_EQ(view.size(), QSize(440, 396));
}

TEST_F(BoardViewTest, ClicksPickAndUnpickThroughTheWordEntry)
{
    BoardView view(entry, tiles);
    view.show();
    QTest::mouseClick(&view, Qt::LeftButton, {}, centre(2, 2));
    QTest::mouseClick(&view, Qt::LeftButton, {}, centre(3, 2));
    EXPECT_EQ(entry.pickcount(), 2);
    EXPECT_EQ(entry.cell(3, 2), 3 + 26);

    QTest::mouseClick(&view, Qt::RightButton, {}, centre(3, 2));
    EXPECT_EQ(entry.pickcount(), 1);
    EXPECT_EQ(entry.cell(3, 2), 3);

    QTest::mouseClick(&view, Qt::LeftButton, {}, centre(3, 2));
    QTest::mouseClick(&view, Qt::LeftButton, {}, centre(4, 2));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], "CMD_myword+1+2+2+3+2+4+2");
}

TEST_F(BoardViewTest, ReleaseBeyondTheBoardIsIgnored)
{
    QWidget frame;
    frame.resize(600, 500);
    auto* view = new BoardView(entry, tiles, &frame);
    view->move(4, 4);
    frame.show();
    // Pressed on a "b", released to the right of the board.
    QTest::mousePress(view, Qt::LeftButton, {}, centre(2, 2));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(470, 60));
    QTest::mousePress(view, Qt::LeftButton, {}, centre(2, 2));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(60, 420));
    EXPECT_EQ(entry.pickcount(), 0);
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(BoardViewTest, PaintsTheCellsAndTheMarkerOverTheLastPick)
{
    BoardView view(entry, tiles);
    const QImage before = shot(view);
    const QRect cell22(44, 44, 44, 44);
    const QRect cell11(0, 0, 44, 44);
    // Same letter, same picture; another letter, another picture.
    EXPECT_EQ(before.copy(cell11), before.copy(QRect(0, 44, 44, 44)));
    EXPECT_NE(before.copy(cell11), before.copy(cell22));

    entry.mouseUp(Qt::LeftButton, centre(2, 2).x(), centre(2, 2).y());
    const QImage picked = shot(view);
    EXPECT_NE(picked.copy(cell22), before.copy(cell22));
    EXPECT_EQ(picked.copy(cell11), before.copy(cell11));

    // The marker moves on with the next pick: the earlier cell shows only its mark.
    entry.mouseUp(Qt::LeftButton, centre(3, 2).x(), centre(3, 2).y());
    const QImage next = shot(view);
    EXPECT_NE(next.copy(cell22), picked.copy(cell22));
    QImage markedOnly(44, 44, QImage::Format_ARGB32);
    markedOnly.fill(TileSet::boardColour());
    {
        QPainter p(&markedOnly);
        tiles.draw(p, QPoint(0, 0), 2 + 26);
    }
    EXPECT_EQ(next.copy(cell22), markedOnly);
}

TEST_F(BoardViewTest, ARefusedClickShakesItsTileRedForAMoment)
{
    BoardView view(entry, tiles);
    const QImage before = shot(view);
    const QRect cell55(4 * 44, 4 * 44, 44, 44);
    // An "a" where the word's first letter, "b", is wanted.
    entry.mouseUp(Qt::LeftButton, centre(5, 5).x(), centre(5, 5).y());
    EXPECT_EQ(sounds, QStringList{"invalid"});
    ASSERT_TRUE(view.refusing());
    EXPECT_EQ(view.refusedCell(), QPoint(5, 5));

    // Early on, the tile glows red; nothing else on the board changes.
    view.refusal().setCurrentTime(BoardView::RefusalMs / 5);
    const QImage flash = shot(view);
    const QColor middle = flash.pixelColor(cell55.center());
    const QColor plainMiddle = before.pixelColor(cell55.center());
    EXPECT_GT(middle.red() - middle.green(), plainMiddle.red() - plainMiddle.green() + 30);
    QImage outside = flash;
    QImage outsideBefore = before;
    {
        QPainter p(&outside);
        p.fillRect(cell55.adjusted(-8, 0, 8, 0), Qt::black);
        QPainter q(&outsideBefore);
        q.fillRect(cell55.adjusted(-8, 0, 8, 0), Qt::black);
    }
    EXPECT_EQ(outside, outsideBefore);

    // It ends by itself and leaves the board as it was.
    view.refusal().setCurrentTime(BoardView::RefusalMs);
    EXPECT_FALSE(view.refusing());
    EXPECT_EQ(shot(view), before);

    // An accepted pick starts no refusal.
    entry.mouseUp(Qt::LeftButton, centre(2, 2).x(), centre(2, 2).y());
    EXPECT_FALSE(view.refusing());
}

TEST_F(BoardViewTest, WordStripShowsTheWordInItsSlots)
{
    WordStrip strip(entry, tiles);
    for (int slot = 1; slot <= 10; ++slot) {
        WordSlot* w = strip.findChild<WordSlot*>(QStringLiteral("letter_%1").arg(slot));
        ASSERT_TRUE(w) << slot;
        EXPECT_EQ(w->geometry(), QRect(8 + 48 * (slot - 1), 8, 44, 44)) << slot;
        EXPECT_EQ(strip.slotWidget(slot), w);
    }
    EXPECT_FALSE(strip.slotWidget(0));
    EXPECT_FALSE(strip.slotWidget(11));

    // Slots of the word show a tile; the slots past its end stay empty (transparent).
    QImage image(strip.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    strip.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    auto opaque = [&](int slot) { return qAlpha(image.pixel(8 + 48 * (slot - 1) + 22, 8 + 30)) > 0; };
    EXPECT_TRUE(opaque(1));
    EXPECT_TRUE(opaque(3));
    EXPECT_FALSE(opaque(4));
    EXPECT_FALSE(opaque(10));

    // Picking the first letter shows its marked tile in slot 1.
    const QImage slot1 = strip.slotWidget(1)->grab().toImage();
    entry.mouseUp(Qt::LeftButton, centre(2, 2).x(), centre(2, 2).y());
    EXPECT_NE(strip.slotWidget(1)->grab().toImage(), slot1);
}

TEST_F(BoardViewTest, ClicksHitTheirCellAtEverySize)
{
    // The least board, a board shrunk for a small screen, and boards grown with the window
    // (the last of an odd size): the corners of a cell are still that cell.
    for (const int tile : {44, 37, 66, 88, 101}) {
        SCOPED_TRACE(tile);
        loadBoard();
        turn.startSearch(1);
        entry.newSearch(true);
        sent.clear();
        QWidget frame;
        frame.resize(11 * tile, 10 * tile);
        auto* view = new BoardView(entry, tiles, &frame);
        view->setTileSize(tile);
        EXPECT_EQ(view->size(), QSize(10 * tile, 9 * tile));
        frame.show();
        const auto at = [tile](int column, int row, int dx, int dy) {
            return QPoint((column - 1) * tile + dx, (row - 1) * tile + dy);
        };
        // A release just beyond the last column and below the last row picks nothing.
        QTest::mousePress(view, Qt::LeftButton, {}, at(2, 2, 1, 1));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(11, 2, 0, 1));
        QTest::mousePress(view, Qt::LeftButton, {}, at(2, 2, 1, 1));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(2, 10, 1, 0));
        EXPECT_EQ(entry.pickcount(), 0);
        // Top-left pixel, bottom-right pixel, middle.
        QTest::mouseClick(view, Qt::LeftButton, {}, at(2, 2, 0, 0));
        QTest::mouseClick(view, Qt::LeftButton, {}, at(3, 2, tile - 1, tile - 1));
        // The last pick taken back with the right button on its own cell, and picked again.
        QTest::mouseClick(view, Qt::RightButton, {}, at(3, 2, tile - 1, 0));
        EXPECT_EQ(entry.pickcount(), 1);
        QTest::mouseClick(view, Qt::LeftButton, {}, at(3, 2, 0, tile - 1));
        QTest::mouseClick(view, Qt::LeftButton, {}, at(4, 2, tile / 2, tile / 2));
        EXPECT_EQ(sent, QList<QByteArray>{"CMD_myword+1+2+2+3+2+4+2"});
        // The marker is drawn over the cell the board says.
        EXPECT_EQ(view->cellRect(QPoint(4, 2)), QRectF(3 * tile, tile, tile, tile));
    }
}

TEST_F(BoardViewTest, TheWordStripGrowsWithTheTiles)
{
    WordStrip strip(entry, tiles);
    struct Case {
        int tile, margin, step;
    };
    for (const Case c : {Case{44, 8, 48}, Case{88, 16, 96}, Case{37, 7, 40}, Case{66, 12, 72}}) {
        SCOPED_TRACE(c.tile);
        strip.setTileSize(c.tile);
        for (int slot = 1; slot <= 10; ++slot)
            EXPECT_EQ(strip.slotWidget(slot)->geometry(), QRect(c.margin + c.step * (slot - 1), c.margin, c.tile, c.tile));
        EXPECT_EQ(strip.size(), QSize(2 * c.margin + 9 * c.step + c.tile, 2 * c.margin + c.tile));
        // A slot of the word is drawn over the whole of it.
        const QImage slot = strip.slotWidget(1)->grab().toImage();
        EXPECT_GT(qAlpha(slot.pixel(c.tile / 2, c.tile - 4)), 0);
        EXPECT_GT(qAlpha(slot.pixel(c.tile - 4, c.tile / 2)), 0);
    }
}
