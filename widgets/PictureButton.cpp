#include "widgets/PictureButton.h"

#include "widgets/SharpPixmap.h"
#include "widgets/Picture.h"

#include <QLinearGradient>
#include <QPainter>

PictureButton::PictureButton(const QString& picturePath, const QString& caption, QWidget* parent)
    : QAbstractButton(parent), m_picture(picture::read(picturePath)), m_picturePath(picturePath)
{
    setText(caption);
    setAccessibleName(caption);
    setToolTip(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

QSize PictureButton::sizeHint() const
{
    if (!m_picture.isNull())
        return m_picture.deviceIndependentSize().toSize();
    return QSize(120, 33);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_plainLook) {
        paintPlain(painter);
    } else if (m_picture.isNull()) {
        paintFallback(painter);
    } else {
        // Pressed, the picture sinks by one pixel.
        const int shift = isDown() ? 1 : 0;
        // Drawn larger than the plain picture (a grown window, a high-DPI screen): the sharp one.
        const qreal needed = width() * devicePixelRatioF();
        if (needed > m_picture.width() && m_sharp.isNull())
            m_sharp = sharpPixmap(m_picturePath);
        const QPixmap& picture = needed > m_picture.width() ? m_sharp : m_picture;
        painter.drawPixmap(QRect(QPoint(shift, shift), size()), picture);
    }
    if (hasFocus()) {
        // A dark ring and a light one inside it: the focus shows on any picture.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.75, 2.75, -2.75, -2.75), 5, 5);
        // On the plain look's white the light ring is lost: a second dark one inside it.
        if (m_plainLook) {
            painter.setPen(QPen(Qt::black, 1.5));
            painter.drawRoundedRect(QRectF(rect()).adjusted(4.25, 4.25, -4.25, -4.25), 4, 4);
        }
    }
}

void PictureButton::setPlainLook(bool plain)
{
    m_plainLook = plain;
    update();
}

void PictureButton::paintPlain(QPainter& painter) const
{
    const int shift = isDown() ? 1 : 0;
    const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5).translated(shift, shift);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, 7, 7);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(qMax(8, height() * 9 / 20));
    painter.setFont(f);
    painter.setPen(Qt::black);
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter, text());
}

void PictureButton::paintFallback(QPainter& painter) const
{
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    const QColor top = isDown() ? QColor(160, 95, 30) : QColor(214, 140, 52);
    const QColor bottom = isDown() ? QColor(196, 128, 48) : QColor(150, 86, 24);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(QColor(95, 52, 12), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 7, 7);

    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.1);
    painter.setFont(f);
    painter.setPen(Qt::white);
    painter.drawText(rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter, text());
}
