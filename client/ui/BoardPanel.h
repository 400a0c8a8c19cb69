#pragma once
// `panel_board`: the framed board of 10 by 9 tiles, and the winner banner `panel_winner`
// that lies over it once a game is won. The panel is 448 by 404 pixels in the least
// window and grows with the board's tiles.
#include "client/ui/WinnerBanner.h"
#include "widgets/ElidedLabel.h"

#include <QFrame>

class BoardView;
class RoundStatus;
class TileSet;
class WordEntry;

class BoardPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Width = 448;
    static constexpr int Height = 404;
    static constexpr int Margin = 4;

    BoardPanel(WordEntry& entry, const TileSet& tiles, const RoundStatus& status, QWidget* parent = nullptr);

    // Tiles of `tile` pixels, `margin` pixels from the frame: the panel takes their size.
    void setTileSize(int tile, int margin);

    BoardView* paintbox_board = nullptr;
    WinnerBanner* panel_winner = nullptr;
    ElidedLabel* label_winner1 = nullptr;
    ElidedLabel* label_winner2 = nullptr;

private:
    void showWinner();

    const RoundStatus& m_status;
};
