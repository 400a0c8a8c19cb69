#include "client/ui/WordPath.h"

#include "client/RoundReview.h"
#include "net/GameConstants.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor kBand(255, 200, 40, 235);
const QColor kEdge(110, 50, 0, 220);

} // namespace

void paintWordPath(QPainter& painter, const QRectF& board, const QList<QPoint>& cells)
{
    if (cells.isEmpty() || board.isEmpty())
        return;
    const QSizeF cell(board.width() / game::Columns, board.height() / game::Rows);
    const qreal unit = std::min(cell.width(), cell.height());
    const qreal ring = unit * 0.43; // around the letter, inside its tile
    QList<QPointF> centres;
    for (const QPoint& c : cells)
        centres << board.topLeft() + QPointF((c.x() - 0.5) * cell.width(), (c.y() - 0.5) * cell.height());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The links from letter to letter, kept off the letters themselves so they stay legible.
    QPainterPath links;
    for (qsizetype i = 1; i < centres.size(); ++i) {
        links.moveTo(centres[i - 1]);
        links.lineTo(centres[i]);
    }
    QPainterPath letters;
    for (const QPointF& c : centres)
        letters.addEllipse(c, ring, ring);
    QPainterPath outside;
    outside.addRect(board.adjusted(-unit, -unit, unit, unit));
    painter.setClipPath(outside.subtracted(letters), Qt::IntersectClip);
    // A dark rim under the band keeps it visible on light and dark tiles alike.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kEdge, unit * 0.22, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(links);
    painter.setPen(QPen(kBand, unit * 0.14, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(links);
    painter.setClipping(false);

    // A ring around each letter; the first one doubled.
    for (qsizetype i = 0; i < centres.size(); ++i) {
        painter.setPen(QPen(kEdge, unit * 0.09));
        painter.drawEllipse(centres[i], ring, ring);
        painter.setPen(QPen(kBand, unit * 0.05));
        painter.drawEllipse(centres[i], ring, ring);
        if (i == 0) {
            painter.setPen(QPen(kEdge, unit * 0.04));
            painter.drawEllipse(centres[i], ring * 0.78, ring * 0.78);
        }
    }

    // An arrowhead on the last ring, pointing along the last step.
    if (centres.size() > 1) {
        const QPointF from = centres[centres.size() - 2];
        const QPointF to = centres.last();
        const qreal angle = qAtan2(to.y() - from.y(), to.x() - from.x());
        const QPointF along(qCos(angle), qSin(angle));
        const QPointF across(-along.y(), along.x());
        const QPointF tip = to - along * ring;
        const qreal length = unit * 0.2;
        const QPointF head[] = {tip, tip - along * length + across * length * 0.7,
                                tip - along * length - across * length * 0.7};
        painter.setPen(QPen(kEdge, unit * 0.03));
        painter.setBrush(kBand);
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
