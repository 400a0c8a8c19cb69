#pragma once
// The board area `paintbox_board`: ten columns by nine rows of tiles drawn from the word
// entry's cells with the current tile set, with the pick marker over the last picked
// cell. The tiles are 44 pixels in the least window and grow with it (`setTileSize`).
// A mouse button released over the board goes to the word entry as the cell under it;
// a release beyond the board's edge is ignored.
//
// All the board's drawing is in `paintBoard`, in layers from the bottom up: the tiles,
// the pick marker, a refused tile. What is drawn over the board later (a focus frame, a
// word's path) goes on top of them there, placed with `cellRect`.
//
// A click the word entry refuses is shown on the clicked tile as well as heard: the tile
// shakes and flashes red for a moment, and then the board is still again.
#include <QPoint>
#include <QRectF>
#include <QVariantAnimation>
#include <QWidget>

class TileSet;
class WordEntry;

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int RefusalMs = 420;

    BoardView(WordEntry& entry, const TileSet& tiles, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Tiles of `pixels` square: the board becomes ten and nine of them wide and high.
    void setTileSize(int pixels);
    int tileSize() const { return m_tile; }
    // The square cell (column, row), counted from 1, is drawn in.
    QRectF cellRect(QPoint cell) const;

    // The refused tile (column, row) while it shakes.
    QPoint refusedCell() const { return m_refused; }
    QVariantAnimation& refusal() { return m_refusal; }
    bool refusing() const { return m_refusal.state() == QAbstractAnimation::Running; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintBoard(QPainter& painter) const;
    void paintRefusal(QPainter& painter) const;
    void refuse(int column, int row);

    WordEntry& m_entry;
    const TileSet& m_tiles;
    int m_tile;
    QPoint m_refused;
    QVariantAnimation m_refusal;
};
