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
//
// Given the keyboard's rules (`setKeyboard`), the board takes the focus with Tab or a
// click and is played from the keys as from the mouse: the arrows, Home, End, Page Up
// and Page Down move the focus cell (BoardFocus), Space or Enter is a left click on it,
// Backspace a right click on the last picked cell, a letter jumps to a cell holding it,
// and Escape asks for "Clear" (`clearRequested`). While the board has the focus, the
// focus cell wears a frame of two rings, dark outside and light inside, which shows on
// every tile whatever its colours. Other keys go on to the window, never to the chat.
#include <QPoint>
#include <QRectF>
#include <QVariantAnimation>
#include <QWidget>

class BoardFocus;
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

    // The rules of the focus cell; without them the board takes no keys.
    void setKeyboard(BoardFocus* focus);
    BoardFocus* keyboard() const { return m_focus; }
    const WordEntry& entry() const { return m_entry; }

signals:
    // Escape: the player asks for "Clear", as with the Clear button.
    void clearRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintFocusFrame(QPainter& painter) const;
    void focusMoved(QPoint cell);
    void focusCellChanged();
    void paintBoard(QPainter& painter) const;
    void paintRefusal(QPainter& painter) const;
    void refuse(int column, int row);

    WordEntry& m_entry;
    const TileSet& m_tiles;
    int m_tile;
    QPoint m_refused;
    QVariantAnimation m_refusal;
    BoardFocus* m_focus = nullptr;
};
