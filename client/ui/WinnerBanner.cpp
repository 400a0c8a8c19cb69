#include "client/ui/WinnerBanner.h"

#include "client/ui/Looks.h"
#include "widgets/ElidedLabel.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

#include <iterator>

namespace {

constexpr qreal kRadius = 10;
constexpr qreal kGravity = 60; // pixels per second per second

const QColor kConfettiColours[] = {
    QColor(222, 64, 52), QColor(242, 178, 36), QColor(70, 150, 70), QColor(52, 110, 200),
    QColor(168, 82, 196), QColor(236, 120, 40), QColor(250, 236, 170),
};

} // namespace

WinnerBanner::WinnerBanner(QWidget* parent)
    : QWidget(parent)
    , m_shower(this)
{
    setObjectName(QStringLiteral("panel_winner"));
    m_shower.setStartValue(0.0);
    m_shower.setEndValue(1.0);
    m_shower.setDuration(ShowerMs);
    connect(&m_shower, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&m_shower, &QAbstractAnimation::finished, this, qOverload<>(&QWidget::update));

    auto bannerLabel = [this](const QString& name, const QColor& colour) {
        ElidedLabel* l = looks::nameLabel(this, name, QRect(), TextPixels, true, Qt::AlignCenter);
        l->setElideMode(Qt::ElideMiddle);
        looks::setInk(l, colour);
        return l;
    };
    label_winner2 = bannerLabel(QStringLiteral("label_winner2"), QColor(176, 150, 110));
    label_winner1 = bannerLabel(QStringLiteral("label_winner1"), QColor(40, 26, 8));
    hide();
}

qreal WinnerBanner::scale() const
{
    return qMax(qreal(0.25), qreal(width()) / LeastBoardWidth);
}

QRect WinnerBanner::cardRect() const
{
    const qreal k = scale();
    const int w = qMin(qRound(CardWidth * k), width() - qRound(16 * k));
    const int h = qRound(CardHeight * k);
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

void WinnerBanner::resizeEvent(QResizeEvent*)
{
    layoutCard();
}

void WinnerBanner::showEvent(QShowEvent*)
{
    if (m_cardStale)
        layoutCard();
}

void WinnerBanner::layoutCard()
{
    // Measuring the text takes the banner's large font; while hidden that waits until the
    // banner is shown, so the window's first frame does not pay for it.
    m_cardStale = !isVisible();
    if (m_cardStale)
        return;
    // Black text over its grey copy, one pixel lower and to the right, as large as fits.
    const qreal k = scale();
    const int across = qRound(14 * k);
    const int down = qRound(8 * k);
    const QRect text = cardRect().adjusted(across, down, -across, -down);
    const int largest = qRound(TextPixels * k);
    QFont font = looks::uiFont(largest, true);
    for (int pixels = largest; pixels >= qRound(LeastTextPixels * k); --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(label_winner1->text()) <= text.width())
            break;
    }
    for (ElidedLabel* l : {label_winner1, label_winner2})
        l->setFont(font);
    label_winner2->setGeometry(text.translated(1, 1));
    label_winner1->setGeometry(text);
}

void WinnerBanner::setText(const QString& text)
{
    label_winner1->setText(text);
    label_winner2->setText(text);
    layoutCard();
}

void WinnerBanner::appear()
{
    if (!isHidden())
        return;
    show();
    raise();
    scatter();
    m_shower.stop();
    m_shower.start();
}

void WinnerBanner::disappear()
{
    m_shower.stop();
    hide();
}

void WinnerBanner::scatter()
{
    // The same shower every time: it is decoration, not chance.
    QRandomGenerator random(7772);
    m_pieces.clear();
    const qreal w = qMax(1, width());
    const qreal k = scale(); // a larger board, larger and faster pieces
    for (int i = 0; i < Pieces; ++i) {
        Piece p;
        p.start = QPointF(random.bounded(w), -6 - random.bounded(qreal(height()) * 0.45));
        p.speed = (130 + random.bounded(100.0)) * k;
        p.sway = (4 + random.bounded(10.0)) * k;
        p.phase = random.bounded(2 * M_PI);
        p.spin = 120 + random.bounded(360.0);
        if (random.bounded(2))
            p.spin = -p.spin;
        p.size = QSizeF(7 + random.bounded(5.0), 4 + random.bounded(3.0)) * k;
        p.colour = kConfettiColours[random.bounded(int(std::size(kConfettiColours)))];
        m_pieces.append(p);
    }
}

void WinnerBanner::paintConfetti(QPainter& painter, qreal progress) const
{
    const qreal t = progress * ShowerMs / 1000.0;
    // The last fifth of the shower fades out, so it ends softly.
    const qreal fade = progress < 0.8 ? 1.0 : qMax(0.0, (1.0 - progress) / 0.2);
    const qreal gravity = kGravity * scale();
    painter.setPen(Qt::NoPen);
    for (const Piece& p : m_pieces) {
        const QPointF at(p.start.x() + p.sway * qSin(p.phase + 3 * t), p.start.y() + p.speed * t + gravity * t * t);
        if (at.y() < -10 || at.y() > height() + 10)
            continue;
        QColor c = p.colour;
        c.setAlphaF(0.95 * fade);
        painter.save();
        painter.translate(at);
        painter.rotate(p.spin * t);
        // Turning over: the piece narrows and widens as it tumbles.
        const qreal tumble = 0.35 + 0.65 * qAbs(qCos(p.phase + 5 * t));
        painter.setBrush(c);
        painter.drawRect(QRectF(-p.size.width() / 2, -p.size.height() * tumble / 2, p.size.width(),
                                p.size.height() * tumble));
        painter.restore();
    }
}

void WinnerBanner::paintCard(QPainter& painter) const
{
    const QRectF card = QRectF(cardRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // A soft shadow: a few widening, fainter outlines below the card.
    painter.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        painter.setBrush(QColor(0, 0, 0, 14));
        painter.drawRoundedRect(card.translated(0, 3).adjusted(-i, -i, i, i), kRadius + i, kRadius + i);
    }
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0, QColor(255, 246, 214));
    fill.setColorAt(1, QColor(246, 214, 140));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(150, 96, 30), 2));
    painter.drawRoundedRect(card, kRadius, kRadius);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(card.adjusted(3, 3, -3, -3), kRadius - 3, kRadius - 3);
}

void WinnerBanner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The board stays visible behind, dimmed, so the banner reads as the end.
    painter.fillRect(rect(), QColor(28, 18, 6, 130));
    if (celebrating())
        paintConfetti(painter, m_shower.currentValue().toReal());
    paintCard(painter);
}
