#include "client/ui/WordPath.h"

#include "client/RoundReview.h"
#include "net/GameConstants.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor kBand(255, 196, 40, 150);
const QColor kEdge(120, 60, 0, 200);

} // namespace

void paintWordPath(QPainter& painter, const QRectF& board, const QList<QPoint>& cells)
{
    if (cells.isEmpty() || board.isEmpty())
        return;
    const QSizeF cell(board.width() / game::Columns, board.height() / game::Rows);
    const qreal unit = std::min(cell.width(), cell.height());
    QList<QPointF> centres;
    for (const QPoint& c : cells)
        centres << board.topLeft() + QPointF((c.x() - 0.5) * cell.width(), (c.y() - 0.5) * cell.height());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath band(centres.first());
    for (qsizetype i = 1; i < centres.size(); ++i)
        band.lineTo(centres[i]);
    // A dark rim under the band keeps it visible on light and dark tiles alike.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kEdge, unit * 0.36, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(band);
    painter.setPen(QPen(kBand, unit * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(band);

    // The first letter: a ring around its tile's middle.
    painter.setPen(QPen(kEdge, unit * 0.07));
    painter.drawEllipse(centres.first(), unit * 0.36, unit * 0.36);

    // The last letter: an arrowhead pointing along the last step.
    if (centres.size() > 1) {
        const QPointF tip = centres.last();
        const QPointF from = centres[centres.size() - 2];
        const qreal angle = qAtan2(tip.y() - from.y(), tip.x() - from.x());
        const qreal length = unit * 0.34;
        const auto corner = [&](qreal turn) {
            return tip - QPointF(qCos(angle + turn), qSin(angle + turn)) * length;
        };
        const QPointF head[] = {tip + QPointF(qCos(angle), qSin(angle)) * unit * 0.12, corner(0.55), corner(-0.55)};
        painter.setPen(QPen(kEdge, unit * 0.04));
        painter.setBrush(kEdge);
        painter.drawPolygon(head, 3);
    }
    painter.restore();
}

WordPathOverlay::WordPathOverlay(const RoundReview& review, QWidget* parent)
    : QWidget(parent)
    , m_review(review)
{
    setObjectName(QStringLiteral("overlay_wordpath"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    connect(&review, &RoundReview::changed, this, &WordPathOverlay::follow);
    follow();
}

QList<QPoint> WordPathOverlay::cells() const
{
    return m_review.onItsBoard() ? m_review.review().path : QList<QPoint>();
}

void WordPathOverlay::follow()
{
    setVisible(!cells().isEmpty());
    update();
}

void WordPathOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintWordPath(painter, rect(), cells());
}
