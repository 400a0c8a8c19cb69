#include "widgets/TimeBar.h"

#include <QAccessible>
#include <QLinearGradient>
#include <QPainter>

TimeBar::TimeBar(int fullWidth, QWidget* parent)
    : QWidget(parent)
    , m_full(qMax(1, fullWidth))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TimeBar::setBarWidth(int pixels)
{
    pixels = qBound(0, pixels, m_full);
    if (pixels == m_width)
        return;
    m_width = pixels;
    update();
    // Assistive technology hears the time run down.
    QAccessibleValueChangeEvent changed(this, m_width);
    QAccessible::updateAccessibility(&changed);
}

void TimeBar::setUrgent(bool urgent)
{
    if (urgent == m_urgent)
        return;
    m_urgent = urgent;
    update();
}

void TimeBar::setDimmed(bool dimmed)
{
    if (dimmed == m_dimmed)
        return;
    m_dimmed = dimmed;
    update();
}

void TimeBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF groove = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_dimmed) {
        p.setPen(QPen(QColor(120, 100, 80, 90), 1, Qt::DashLine));
        p.setBrush(QColor(90, 70, 50, 40));
        p.drawRoundedRect(groove, 5, 5);
        return;
    }
    p.setPen(QPen(QColor(120, 84, 40, 160), 1));
    p.setBrush(QColor(255, 248, 228, 150));
    p.drawRoundedRect(groove, 5, 5);
    if (m_width <= 0)
        return;
    const qreal drawn = qreal(m_width) * width() / m_full;
    const QRectF bar(groove.left() + 1.5, groove.top() + 1.5, qMax(0.0, drawn - 4.0), groove.height() - 3.0);
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    // Pale fills, so that the clock's text reads on top of them in black or red.
    if (m_urgent) {
        fill.setColorAt(0, QColor(255, 226, 170));
        fill.setColorAt(1, QColor(246, 178, 96));
    } else {
        fill.setColorAt(0, QColor(200, 236, 168));
        fill.setColorAt(1, QColor(140, 200, 104));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(bar, 4, 4);
}
