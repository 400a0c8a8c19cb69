#include "client/ui/PlayLayout.h"

#include "client/BoardGrid.h"
#include "widgets/ScaledChildren.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {

int scaled(int n, double scale)
{
    return int(std::lround(n * scale));
}

QRect scaled(const QRect& r, double scale)
{
    return ScaledChildren::scaled(r, scale);
}

} // namespace

PlayLayout PlayLayout::forRoom(QSize room, double leastScale)
{
    PlayLayout l;
    const double byHeight = double(room.height()) / LeastRoom.height();
    const double byWidth = double(room.width()) / LeastRoom.width();
    const double roomScale = std::max({std::min(byHeight, byWidth), leastScale, SmallestScale});
    // The tiles are whole pixels, so that every tile of the board is drawn alike, and the
    // scale is the tiles': everything else grows in the same steps as they do.
    l.tile = std::max(1, int(std::floor(TileSize * roomScale + 1e-9)));
    l.scale = double(l.tile) / TileSize;
    const double s = l.scale;

    l.boardMargin = std::max(1, scaled(BoardMargin, s));
    const int playWidth = scaled(PlayWidth, s);
    l.wordStrip = QRect(0, 0, playWidth, scaled(RoundBarTop, s));
    l.roundBar = scaled(QRect(QPoint(0, RoundBarTop), RoundBarSize), s);
    const int boardSide = 2 * l.boardMargin;
    l.board = QRect(QPoint(scaled(BoardAt.x(), s), scaled(BoardAt.y(), s)),
                    QSize(boardgrid::Columns * l.tile + boardSide, boardgrid::Rows * l.tile + boardSide));

    l.scores = QRect(QPoint(playWidth, 0), QSize(scaled(ScoresSize.width(), s), scaled(ScoresSize.height(), s)));
    l.besideBoard = QRect(l.scores.left(), l.board.top(), l.scores.width(), l.board.height());

    const int right = room.width() - ChatRightMargin;   // one past the chat's right edge
    const int bottom = room.height() - ChatBottomMargin;
    const int besideLeft = l.scores.right() + 1 + BesideChatGap;
    l.chatBeside = right - besideLeft >= BesideChatWidth;
    if (l.chatBeside)
        l.chat = QRect(QPoint(besideLeft, 0), QPoint(right - 1, bottom - 1));
    else
        l.chat = QRect(QPoint(playWidth, scaled(ChatTop, s)), QPoint(right - 1, bottom - 1));

    const int underScores = l.scores.bottom() + 1 + BesideChatGap;
    if (l.chatBeside && bottom - underScores >= ReviewHeight)
        l.review = QRect(QPoint(l.scores.left(), underScores),
                         QSize(l.scores.width(), std::min(l.board.height(), bottom - underScores)));
    else if (l.chatBeside && l.chat.width() >= ReviewWidth)
        l.review = QRect(QPoint(l.chat.left(), l.board.top()),
                         QSize(ReviewWidth, std::min(l.board.height(), l.chat.bottom() + 1 - l.board.top())));
    else if (!l.chatBeside && l.chat.height() >= ReviewHeight)
        l.review = QRect(l.chat.topLeft(), QSize(l.scores.width(), std::min(l.board.height(), l.chat.height())));
    else
        l.review = l.besideBoard;
    return l;
}

double PlayLayout::leastScaleFor(QSize available, QSize around)
{
    const double byHeight = double(available.height() - around.height() - Frame.top() - Frame.bottom())
        / LeastRoom.height();
    const double byWidth = double(available.width() - around.width() - Frame.left() - Frame.right())
        / LeastRoom.width();
    return std::clamp(std::min(byHeight, byWidth), SmallestScale, 1.0);
}

QSize PlayLayout::leastInner(double leastScale)
{
    const double s = std::clamp(leastScale, SmallestScale, 1.0);
    return QSize(int(std::ceil(LeastRoom.width() * s - 1e-9)) + Frame.left() + Frame.right(),
                 int(std::ceil(LeastRoom.height() * s - 1e-9)) + Frame.top() + Frame.bottom());
}
