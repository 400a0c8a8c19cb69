#include "widgets/CheckImage.h"

#include "widgets/Picture.h"

#include <QPainter>
#include <QPainterPath>

CheckImage::CheckImage(const QString& hint, QWidget* parent)
    : QAbstractButton(parent), m_hint(hint), m_on(picture::read(OnPicturePath)), m_off(picture::read(OffPicturePath))
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    updateAccessibleState();
}

void CheckImage::setTag(int tag)
{
    if (tag == m_tag)
        return;
    m_tag = tag;
    updateAccessibleState();
    update();
}

void CheckImage::updateAccessibleState()
{
    setAccessibleDescription(isOn() ? tr("checked") : tr("unchecked"));
}

void CheckImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const QPixmap& picture = isOn() ? m_on : m_off;
    if (picture.isNull()) {
        const int side = std::min(width(), height()) - 4;
        paintFallback(painter, QRect((width() - side) / 2, (height() - side) / 2, side, side));
    } else {
        // The picture sits in the middle at its own size, shrunk only if it is too big.
        QSize size = picture.deviceIndependentSize().toSize();
        if (size.width() > width() || size.height() > height())
            size.scale(this->size(), Qt::KeepAspectRatio);
        const QRect target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
        painter.drawPixmap(target, picture);
    }

    if (hasFocus()) {
        QPen pen(QColor(90, 60, 20), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CheckImage::paintFallback(QPainter& painter, const QRect& box) const
{
    painter.setPen(QPen(QColor(110, 80, 35), 1.5));
    painter.setBrush(QColor(255, 251, 240));
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (!isOn())
        return;
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.74);
    tick.lineTo(box.left() + box.width() * 0.80, box.top() + box.height() * 0.26);
    painter.setPen(QPen(QColor(30, 120, 40), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}
