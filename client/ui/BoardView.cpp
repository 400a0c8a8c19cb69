#include "client/ui/BoardView.h"

#include "client/TileSet.h"
#include "client/WordEntry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

BoardView::BoardView(WordEntry& entry, const TileSet& tiles, QWidget* parent)
    : QWidget(parent)
    , m_entry(entry)
    , m_tiles(tiles)
    , m_refusal(this)
{
    setObjectName(QStringLiteral("paintbox_board"));
    setFixedSize(WordEntry::BoardWidth, WordEntry::BoardHeight);
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
    return QSize(WordEntry::BoardWidth, WordEntry::BoardHeight);
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
    painter.fillRect(rect(), TileSet::boardColour());
    const int size = WordEntry::TileSize;
    const bool shaking = refusing();
    for (int column = 1; column <= WordEntry::Columns; ++column) {
        for (int row = 1; row <= WordEntry::Rows; ++row) {
            if (shaking && m_refused == QPoint(column, row))
                continue;
            m_tiles.draw(painter, QPoint((column - 1) * size, (row - 1) * size), m_entry.cell(column, row));
        }
    }
    if (const auto last = m_entry.lastPicked())
        m_tiles.draw(painter, QPoint((last->x() - 1) * size, (last->y() - 1) * size), WordEntry::PickMarker);

    if (shaking) {
        // Three quick swings that die away, under a red glow that fades.
        const qreal t = m_refusal.currentValue().toReal();
        const int dx = qRound(5 * qSin(t * 6 * M_PI) * (1 - t));
        const QPoint at((m_refused.x() - 1) * size, (m_refused.y() - 1) * size);
        m_tiles.draw(painter, at + QPoint(dx, 0), m_entry.cell(m_refused.x(), m_refused.y()));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(200, 20, 20, int(230 * (1 - t))), 2.5));
        painter.setBrush(QColor(230, 30, 30, int(120 * (1 - t))));
        painter.drawRoundedRect(QRectF(at + QPoint(dx, 0), QSizeF(size, size)).adjusted(2, 2, -2, -2), 6, 6);
    }
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    // The word entry ignores a release beyond the board itself.
    m_entry.mouseUp(event->button(), at.x(), at.y());
    event->accept();
}
