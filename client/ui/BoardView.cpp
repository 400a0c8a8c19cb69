#include "client/ui/BoardView.h"

#include "client/BoardGrid.h"
#include "client/TileSet.h"
#include "client/WordEntry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <cmath>

BoardView::BoardView(WordEntry& entry, const TileSet& tiles, QWidget* parent)
    : QWidget(parent)
    , m_entry(entry)
    , m_tiles(tiles)
    , m_tile(WordEntry::TileSize)
    , m_refusal(this)
{
    setObjectName(QStringLiteral("paintbox_board"));
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&entry, &WordEntry::boardChanged, this, qOverload<>(&QWidget::update));
    connect(&entry, &WordEntry::refused, this, &BoardView::refuse);
    connect(&tiles, &TileSet::changed, this, qOverload<>(&QWidget::update));

    m_refusal.setStartValue(0.0);
    m_refusal.setEndValue(1.0);
    m_refusal.setDuration(RefusalMs);
    connect(&m_refusal, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&m_refusal, &QAbstractAnimation::finished, this, qOverload<>(&QWidget::update));
}

QSize BoardView::sizeHint() const
{
    return QSize(WordEntry::Columns * m_tile, WordEntry::Rows * m_tile);
}

void BoardView::setTileSize(int pixels)
{
    m_tile = qMax(1, pixels);
    setFixedSize(sizeHint());
    update();
}

QRectF BoardView::cellRect(QPoint cell) const
{
    return boardgrid::cellRect(cell, m_tile);
}

void BoardView::refuse(int column, int row)
{
    m_refused = QPoint(column, row);
    m_refusal.stop();
    m_refusal.start();
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintBoard(painter);
}

void BoardView::paintBoard(QPainter& painter) const
{
    painter.fillRect(rect(), TileSet::boardColour());
    const bool shaking = refusing();
    for (int column = 1; column <= WordEntry::Columns; ++column) {
        for (int row = 1; row <= WordEntry::Rows; ++row) {
            const QPoint cell(column, row);
            if (shaking && m_refused == cell)
                continue;
            m_tiles.draw(painter, cellRect(cell), m_entry.cell(column, row));
        }
    }
    if (const auto last = m_entry.lastPicked())
        m_tiles.draw(painter, cellRect(*last), WordEntry::PickMarker);
    if (shaking)
        paintRefusal(painter);
}

void BoardView::paintRefusal(QPainter& painter) const
{
    // Three quick swings that die away, under a red glow that fades.
    const qreal t = m_refusal.currentValue().toReal();
    const qreal scale = qreal(m_tile) / WordEntry::TileSize;
    const qreal dx = std::round(5 * scale * qSin(t * 6 * M_PI) * (1 - t));
    const QRectF at = cellRect(m_refused).translated(dx, 0);
    m_tiles.draw(painter, at, m_entry.cell(m_refused.x(), m_refused.y()));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 20, 20, int(230 * (1 - t))), 2.5 * scale));
    painter.setBrush(QColor(230, 30, 30, int(120 * (1 - t))));
    const qreal inset = 2 * scale;
    painter.drawRoundedRect(at.adjusted(inset, inset, -inset, -inset), 6 * scale, 6 * scale);
    painter.restore();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    // The word entry ignores a release beyond the board itself.
    if (const auto cell = boardgrid::cellAt(event->position(), m_tile))
        m_entry.click(event->button(), cell->x(), cell->y());
    event->accept();
}
