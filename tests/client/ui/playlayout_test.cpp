// Where the main window's panels go: the least window as it always was, the play area
// and the scoreboard growing as one with the window's height, the chat taking the rest,
// a point of the board finding its cell at every tile size, and the least window fitting
// a small screen.
#include "client/BoardGrid.h"
#include "client/ui/PlayLayout.h"

#include <QRect>
#include <gtest/gtest.h>
#include <algorithm>
#include <limits>

namespace {

QString str(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

TEST(PlayLayout, TheLeastRoomIsTheWindowAsItWas)
{
    const PlayLayout l = PlayLayout::forRoom(PlayLayout::LeastRoom);
    EXPECT_EQ(l.scale, 1.0);
    EXPECT_EQ(l.tile, 44);
    EXPECT_EQ(l.board, QRect(19, 109, 448, 404));
    EXPECT_EQ(l.roundBar, QRect(0, 57, 486, 52));
    EXPECT_EQ(l.scores, QRect(484, 0, 276, 258));
    EXPECT_FALSE(l.chatBeside);
    EXPECT_EQ(l.chat, QRect(QPoint(484, 265), QPoint(761, 521)));
    EXPECT_EQ(l.besideBoard, QRect(484, 109, 276, 404));
    EXPECT_EQ(PlayLayout::leastInner(1.0), QSize(769, 529));
    EXPECT_EQ(PlayLayout::LeastRoom + QSize(2, 4), PlayLayout::LeastInner);
}

TEST(PlayLayout, GrowsWithTheHeightTheWidthAllowsAndTheChatTakesTheRest)
{
    struct Case {
        QSize room;
        int tile;         // the board's tiles
        bool chatBeside;  // the chat has a column of its own
    };
    const Case cases[] = {
        {{767, 525}, 44, false},   // the least window
        {{770, 531}, 44, false},   // the default window: a tile grows only whole
        {{767, 2000}, 44, false},  // taller only: the width holds the board
        {{2000, 525}, 44, true},   // wider only: the height holds it, the chat goes beside
        {{1534, 1050}, 88, false}, // twice the least in both: twice as large
        {{1920, 1010}, 84, true},  // a maximised full-HD window
        {{1360, 700}, 58, true},   // a maximised small laptop
        {{1000, 700}, 57, false},  // a window a bit wider than the scoreboard needs
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("room %1x%2").arg(c.room.width()).arg(c.room.height()).toStdString());
        const PlayLayout l = PlayLayout::forRoom(c.room);
        EXPECT_EQ(l.tile, c.tile);
        EXPECT_EQ(l.chatBeside, c.chatBeside);
        EXPECT_DOUBLE_EQ(l.scale, l.tile / 44.0);
        // The board keeps its proportions: ten by nine tiles and its margin.
        EXPECT_EQ(l.board.size(), QSize(10 * l.tile, 9 * l.tile) + QSize(2, 2) * l.boardMargin);
        // Everything is in proportion with the least window.
        EXPECT_NEAR(l.board.left(), 19 * l.scale, 0.5);
        EXPECT_NEAR(l.board.top(), 109 * l.scale, 0.5);
        EXPECT_NEAR(l.scores.width(), 276 * l.scale, 1.0);
        EXPECT_NEAR(l.scores.height(), 258 * l.scale, 1.0);
        EXPECT_NEAR(l.roundBar.top(), 57 * l.scale, 0.5);
        // The scoreboard is beside the board, the review's place too.
        EXPECT_LE(l.board.right(), l.scores.left()) << str(l.board).toStdString();
        EXPECT_EQ(l.besideBoard.left(), l.scores.left());
        EXPECT_EQ(l.besideBoard.top(), l.board.top());
        EXPECT_EQ(l.besideBoard.height(), l.board.height());
        if (c.room.width() >= PlayLayout::LeastRoom.width() && c.room.height() >= PlayLayout::LeastRoom.height()) {
            // Inside the room, the chat apart from the rest and reaching its far corner.
            const QRect room(QPoint(0, 0), c.room);
            for (const QRect& r : {l.board, l.roundBar, l.scores, l.chat})
                EXPECT_TRUE(room.contains(r)) << str(r).toStdString();
            EXPECT_FALSE(l.chat.intersects(l.scores)) << str(l.chat).toStdString();
            EXPECT_FALSE(l.chat.intersects(l.board));
            EXPECT_EQ(l.chat.right(), c.room.width() - 1 - PlayLayout::ChatRightMargin);
            EXPECT_EQ(l.chat.bottom(), c.room.height() - 1 - PlayLayout::ChatBottomMargin);
            if (l.chatBeside) {
                EXPECT_EQ(l.chat.top(), 0);
                EXPECT_GE(l.chat.width(), PlayLayout::BesideChatWidth);
            } else {
                EXPECT_GT(l.chat.top(), l.scores.bottom());
                EXPECT_EQ(l.chat.left(), l.scores.left());
            }
        }
    }
}

TEST(PlayLayout, TheLeastWindowFitsSmallScreens)
{
    struct Case {
        QSize available;  // the screen's available area, in the window's pixels
        QSize around;     // frame and menu bar
        double least;
    };
    const Case cases[] = {
        {{1920, 1050}, {8, 60}, 1.0},
        {{800, 600}, {8, 60}, 1.0},
        // 1600 by 1000 at twice the scale, with an 11-pixel title bar and a 23-pixel menu bar.
        {{800, 500}, {2, 34}, (500.0 - 34 - 4) / 525},
        {{640, 480}, {8, 60}, (480.0 - 60 - 4) / 525},
        {{200, 150}, {8, 60}, PlayLayout::SmallestScale},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(c.available.width()).arg(c.available.height()).toStdString());
        const double least = PlayLayout::leastScaleFor(c.available, c.around);
        EXPECT_NEAR(least, c.least, 1e-9);
        const QSize inner = PlayLayout::leastInner(least);
        if (least > PlayLayout::SmallestScale) {
            // The least window, with its frame and menu bar, fits the screen.
            EXPECT_LE(inner.width() + c.around.width(), c.available.width());
            EXPECT_LE(inner.height() + c.around.height(), c.available.height());
        }
        // Its panels fit in it.
        const PlayLayout l = PlayLayout::forRoom(inner - QSize(2, 4), least);
        EXPECT_LE(l.board.bottom(), inner.height() - 4);
        EXPECT_LE(l.scores.right(), inner.width() - 2);
    }
    // The 1600 by 1000 screen at twice the scale: at most 800 by 500 with the frame.
    const double least = PlayLayout::leastScaleFor(QSize(800, 500), QSize(2, 34));
    const QSize inner = PlayLayout::leastInner(least);
    EXPECT_LE(inner.height() + 34, 500);
    EXPECT_LE(inner.width() + 2, 800);
}

TEST(BoardGrid, APointFindsItsCellAtEveryTileSize)
{
    struct Case {
        double x, y, tile;
        int column, row; // 0: off the board
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {0, 0, 44, 1, 1},
        {43.99, 43.99, 44, 1, 1},
        {44, 44, 44, 2, 2},         // on the line: the cell to the right and below
        {439.9, 395.9, 44, 10, 9},
        {440, 100, 44, 0, 0},       // just beyond the last column
        {100, 396, 44, 0, 0},       // just below the last row
        {-0.01, 10, 44, 0, 0},
        {10, -1, 44, 0, 0},
        {87.5, 87.5, 88, 1, 1},
        {88, 791.9, 88, 2, 9},
        {36.99, 37, 37, 1, 2},      // a small board
        {369.9, 332.9, 37, 10, 9},
        {150.5, 50.5, 50.25, 3, 2}, // a tile that is not a whole number
        {nan, 10, 44, 0, 0},
        {1e300, 1e300, 44, 0, 0},
        {10, 10, 0, 0, 0},          // no board at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("(%1, %2) tile %3").arg(c.x).arg(c.y).arg(c.tile).toStdString());
        const auto cell = boardgrid::cellAt(QPointF(c.x, c.y), c.tile);
        if (c.column == 0) {
            EXPECT_FALSE(cell.has_value());
            continue;
        }
        ASSERT_TRUE(cell.has_value());
        EXPECT_EQ(*cell, QPoint(c.column, c.row));
        // The cell's own square holds the point.
        const QRectF square = boardgrid::cellRect(*cell, c.tile);
        EXPECT_LE(square.left(), c.x);
        EXPECT_GT(square.right(), c.x);
        EXPECT_LE(square.top(), c.y);
        EXPECT_GT(square.bottom(), c.y);
    }
}

// The round's review lies beside the board at every size: over the scoreboard's rows only
// where neither the room under the scoreboard nor the chat has room for it.
TEST(PlayLayout, TheReviewFitsBesideTheBoard)
{
    enum Place { OverScores, UnderScores, OverChat };
    struct Case {
        QSize room;
        double leastScale;
        Place place;
    };
    const Case cases[] = {
        {{767, 525}, 1.0, OverScores},    // the least window
        {{690, 473}, 0.9, OverScores},    // the least window on a small screen at twice the scale
        {{1000, 700}, 1.0, OverScores},   // grown, the chat too short for it under the scoreboard
        {{2000, 525}, 1.0, OverChat},     // wide and low: over the chat beside the scoreboard
        {{1360, 700}, 1.0, OverChat},     // a maximised small laptop
        {{1920, 1010}, 1.0, UnderScores}, // a maximised full-HD window
        {{1534, 1050}, 1.0, OverChat},    // tall: over the chat under the scoreboard
        {{1100, 1000}, 1.0, OverChat},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("room %1x%2").arg(c.room.width()).arg(c.room.height()).toStdString());
        const PlayLayout l = PlayLayout::forRoom(c.room, c.leastScale);
        const QRect room(QPoint(0, 0), c.room);
        EXPECT_TRUE(room.contains(l.review)) << str(l.review).toStdString();
        for (const QRect& r : {l.board, l.roundBar, l.wordStrip})
            EXPECT_FALSE(l.review.intersects(r)) << str(r).toStdString();
        EXPECT_EQ(l.review.intersects(l.scores), c.place == OverScores) << str(l.review).toStdString();
        switch (c.place) {
        case OverScores:
            EXPECT_EQ(l.review, l.besideBoard);
            break;
        case UnderScores:
            EXPECT_FALSE(l.review.intersects(l.chat)) << str(l.chat).toStdString();
            EXPECT_EQ(l.review.width(), l.scores.width());
            break;
        case OverChat:
            EXPECT_TRUE(l.chat.contains(l.review)) << str(l.chat).toStdString();
            break;
        }
        // As wide as the least scoreboard and as high as the least board (smaller only
        // where the whole window is drawn smaller).
        EXPECT_GE(l.review.width(), int(PlayLayout::ReviewWidth * std::min(1.0, l.scale)));
        EXPECT_GE(l.review.height(), int(PlayLayout::ReviewHeight * std::min(1.0, l.scale)));
    }
}
