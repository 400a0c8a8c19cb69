#include "client/ui/BoardView.h"

#include "client/TileSet.h"
#include "client/WordEntry.h"

#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(WordEntry& entry, const TileSet& tiles, QWidget* parent)
    : QWidget(parent)
    , m_entry(entry)
    , m_tiles(tiles)
{
    setObjectName(QStringLiteral("paintbox_board"));
    setFixedSize(WordEntry::BoardWidth, WordEntry::BoardHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&entry, &WordEntry::boardChanged, this, qOverload<>(&QWidget::update));
    connect(&tiles, &TileSet::changed, this, qOverload<>(&QWidget::update));
}

QSize BoardView::sizeHint() const
{
    return QSize(WordEntry::BoardWidth, WordEntry::BoardHeight);
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), TileSet::boardColour());
    const int size = WordEntry::TileSize;
    for (int column = 1; column <= WordEntry::Columns; ++column) {
        for (int row = 1; row <= WordEntry::Rows; ++row)
            m_tiles.draw(painter, QPoint((column - 1) * size, (row - 1) * size), m_entry.cell(column, row));
    }
    if (const auto last = m_entry.lastPicked())
        m_tiles.draw(painter, QPoint((last->x() - 1) * size, (last->y() - 1) * size), WordEntry::PickMarker);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    // The word entry ignores a release beyond the board itself.
    m_entry.mouseUp(event->button(), at.x(), at.y());
    event->accept();
}
