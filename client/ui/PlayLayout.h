#pragma once
// Where the main window's panels go in the room its inner area gives them.
//
// The play area (the word strip, the round bar under it and the board) and the
// scoreboard beside it are drawn for the least window, 769 by 529 pixels inside, and
// scaled as one, keeping their proportions, as far as the window's height (and width)
// allows: a tile is 44 pixels in the least window and grows with it. The chat takes the
// rest: under the scoreboard, or, once the window is wide enough to give it a column
// of its own, beside the scoreboard from the top to the bottom.
//
// On a screen too small for the least window (a small laptop at twice the scale) the
// least window itself is drawn smaller, so that it fits: `leastScaleFor`.
//
// Everything here is plain geometry, so it is checked without any window.
#include <QMargins>
#include <QRect>
#include <QSize>

struct PlayLayout {
    // The least inner area at scale 1, and the room the panels share inside it: the
    // panels' background leaves 1 pixel at the sides and 2 at the top and bottom.
    static constexpr QSize LeastInner{769, 529};
    static constexpr QMargins Frame{1, 2, 1, 2};
    static constexpr QSize LeastRoom{767, 525};

    // The play area at scale 1, from the room's top-left corner.
    static constexpr int PlayWidth = 484;
    static constexpr int PlayHeight = 513;
    static constexpr int RoundBarTop = 57;
    static constexpr QSize RoundBarSize{486, 52};
    static constexpr QPoint BoardAt{19, 109};
    static constexpr int TileSize = 44;
    static constexpr int BoardMargin = 4; // between the board's frame and its tiles
    // The scoreboard at scale 1, beside the play area; the chat under it starts here.
    static constexpr QSize ScoresSize{276, 258};
    static constexpr int ChatTop = 265;
    // The chat keeps this much from the room's right and bottom edges.
    static constexpr int ChatRightMargin = 5;
    static constexpr int ChatBottomMargin = 3;
    // The chat moves beside the scoreboard once it can be this wide there.
    static constexpr int BesideChatWidth = 320;
    static constexpr int BesideChatGap = 8;
    // The review is as wide as the least scoreboard where it lies over the chat beside
    // the scoreboard, and needs this much height to lie under the scoreboard.
    static constexpr int ReviewWidth = 276;
    static constexpr int ReviewHeight = 404;
    // However small the screen, the least window is not drawn smaller than this.
    static constexpr double SmallestScale = 0.5;

    double scale = 1.0;
    int tile = TileSize;    // the board's and the word strip's tiles
    int boardMargin = BoardMargin;
    QRect wordStrip;        // where the strip starts; it sizes itself from `tile`
    QRect roundBar;
    QRect board;            // the board's frame, tiles and margin inside
    QRect scores;
    QRect chat;
    // The place of a panel as wide as the scoreboard and as high as the board, beside the
    // board.
    QRect besideBoard;
    // The round's review between rounds, where it leaves the scores in view: under the
    // scoreboard when the chat is beside it and the room is tall enough; else over the
    // chat where the chat has room for it (beside the scoreboard, or under it in a tall
    // window); else beside the board, over the scoreboard's rows.
    QRect review;
    bool chatBeside = false;

    // The layout for a room of this size (the inner area less Frame), at a scale of at
    // least `leastScale`.
    static PlayLayout forRoom(QSize room, double leastScale = 1.0);

    // The least scale at which the least window fits a screen's available area, given
    // what the window needs around its inner area there (the window manager's frame and
    // the menu bar): 1 wherever it fits as it is, less (down to SmallestScale) where not.
    static double leastScaleFor(QSize available, QSize around);
    // The least inner area at a least scale (LeastInner at 1).
    static QSize leastInner(double leastScale);
};
