#include "client/ui/BoardView.h"

#include "client/BoardFocus.h"
#include "client/BoardGrid.h"
#include "client/TileSet.h"
#include "client/WordEntry.h"
#include "client/ui/PlayAccessibility.h"

#include <QAccessible>
#include <QKeyEvent>
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
    installPlayAccessibility();
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&entry, &WordEntry::boardChanged, this, qOverload<>(&QWidget::update));
    connect(&entry, &WordEntry::boardChanged, this, &BoardView::focusCellChanged);
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
    if (m_focus && hasFocus())
        paintFocusFrame(painter);
}

void BoardView::paintFocusFrame(QPainter& painter) const
{
    // Two rings, so the frame shows on a dark tile as on a light one, in colour or not.
    const qreal scale = qreal(m_tile) / WordEntry::TileSize;
    const QRectF at = cellRect(m_focus->cell());
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const qreal outer = 3 * scale;
    painter.setPen(QPen(Qt::black, outer, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(at.adjusted(outer / 2, outer / 2, -outer / 2, -outer / 2));
    const qreal inner = 2 * scale;
    painter.setPen(QPen(Qt::white, inner, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(at.adjusted(outer + inner / 2, outer + inner / 2, -outer - inner / 2, -outer - inner / 2));
    painter.restore();
}

void BoardView::setKeyboard(BoardFocus* focus)
{
    if (m_focus)
        disconnect(m_focus, nullptr, this, nullptr);
    m_focus = focus;
    setFocusPolicy(focus ? Qt::StrongFocus : Qt::NoFocus);
    if (focus)
        connect(focus, &BoardFocus::moved, this, &BoardView::focusMoved);
    update();
}

void BoardView::focusMoved(QPoint cell)
{
    update();
    // Assistive technology hears of the focus cell's moves (Qt drops the event unless
    // some is listening).
    if (hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild((cell.y() - 1) * WordEntry::Columns + (cell.x() - 1));
        QAccessible::updateAccessibility(&event);
    }
}

void BoardView::focusCellChanged()
{
    // A pick, a take-back or a clear renames the focus cell ("picked 3rd"): a screen
    // reader says it again.
    if (!m_focus || !hasFocus())
        return;
    const QPoint cell = m_focus->cell();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    event.setChild((cell.y() - 1) * WordEntry::Columns + (cell.x() - 1));
    QAccessible::updateAccessibility(&event);
}

void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (m_focus)
        focusMoved(m_focus->cell());
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    if (!m_focus) {
        QWidget::keyPressEvent(event);
        return;
    }
    BoardFocus& f = *m_focus;
    const QPoint cell = f.cell();
    switch (event->key()) {
    case Qt::Key_Left: f.moveBy(-1, 0); break;
    case Qt::Key_Right: f.moveBy(1, 0); break;
    case Qt::Key_Up: f.moveBy(0, -1); break;
    case Qt::Key_Down: f.moveBy(0, 1); break;
    case Qt::Key_Home: f.rowStart(); break;
    case Qt::Key_End: f.rowEnd(); break;
    case Qt::Key_PageUp: f.columnTop(); break;
    case Qt::Key_PageDown: f.columnBottom(); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_entry.click(Qt::LeftButton, cell.x(), cell.y());
        break;
    case Qt::Key_Backspace:
        // As a right click on the last picked cell: that letter is taken back.
        if (const auto last = m_entry.lastPicked())
            m_entry.click(Qt::RightButton, last->x(), last->y());
        break;
    case Qt::Key_Escape:
        emit clearRequested();
        break;
    default: {
        const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        const QString text = event->text();
        if (plain && text.size() == 1 && f.jumpToLetter(text.at(0)))
            break;
        QWidget::keyPressEvent(event);
        return;
    }
    }
    event->accept();
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
    if (const auto cell = boardgrid::cellAt(event->position(), m_tile)) {
        if (m_focus)
            m_focus->moveTo(*cell);
        m_entry.click(event->button(), cell->x(), cell->y());
    }
    event->accept();
}
