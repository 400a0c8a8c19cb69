#include "client/ui/Looks.h"

#include "widgets/ElidedLabel.h"
#include "widgets/Picture.h"

#include <QLabel>
#include <QPainter>

namespace looks {

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void setInk(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

namespace {

template <typename Label>
Label* placed(Label* l, const QString& name, const QRect& geometry, int pixelSize, bool bold, Qt::Alignment align)
{
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setFont(uiFont(pixelSize, bold));
    l->setAlignment(align);
    setInk(l, ink());
    return l;
}

} // namespace

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixelSize,
              bool bold, Qt::Alignment align)
{
    return placed(new QLabel(text, parent), name, geometry, pixelSize, bold, align);
}

ElidedLabel* nameLabel(QWidget* parent, const QString& name, const QRect& geometry, int pixelSize, bool bold,
                       Qt::Alignment align)
{
    return placed(new ElidedLabel(parent), name, geometry, pixelSize, bold, align);
}

QPixmap pictureOr(const QString& path, QSize size, const QColor& fallback)
{
    QPixmap pm = picture::read(path);
    if (!pm.isNull())
        return pm;
    pm = QPixmap(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fallback);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, size.width() - 2, size.height() - 2));
    return pm;
}

} // namespace looks
