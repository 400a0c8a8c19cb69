#pragma once
// The board area `paintbox_board`: 440 by 396 pixels, ten columns by nine rows of 44-pixel
// tiles drawn from the word entry's cells with the current tile set, with the pick
// marker over the last picked cell. A mouse button released over the board goes to the
// word entry; a release beyond the board's edge is ignored.
//
// A click the word entry refuses is shown on the clicked tile as well as heard: the tile
// shakes and flashes red for a moment, and then the board is still again.
#include <QPoint>
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

    // The refused tile (column, row) while it shakes.
    QPoint refusedCell() const { return m_refused; }
    QVariantAnimation& refusal() { return m_refusal; }
    bool refusing() const { return m_refusal.state() == QAbstractAnimation::Running; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void refuse(int column, int row);

    WordEntry& m_entry;
    const TileSet& m_tiles;
    QPoint m_refused;
    QVariantAnimation m_refusal;
};
