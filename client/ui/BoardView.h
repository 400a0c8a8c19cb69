#pragma once
// The board area `paintbox_board`: 440 by 396 pixels, ten columns by nine rows of 44-pixel
// tiles drawn from the word entry's cells with the current tile set, with the pick
// marker over the last picked cell. A mouse button released over the board goes to the
// word entry; a release beyond the board's edge is ignored.
#include <QWidget>

class TileSet;
class WordEntry;

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(WordEntry& entry, const TileSet& tiles, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    WordEntry& m_entry;
    const TileSet& m_tiles;
};
