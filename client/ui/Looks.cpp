#include "client/ui/Looks.h"

#include "client/TileSet.h"
#include "widgets/BackdropForm.h"
#include "widgets/ElidedLabel.h"
#include "widgets/SharpPixmap.h"

#include <QLabel>
#include <QPainter>
#include <QVariant>
#include <cmath>

namespace looks {

QFont uiFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

namespace {

const char* const InkProperty = "looksInk";
const char* const HighContrastProperty = "looksHighContrast";

QColor shownInk(const QWidget* widget, const QColor& ink)
{
    if (!highContrast(widget))
        return ink;
    const Palette& hc = highContrastPalette();
    if (ink == looks::inkSoft())
        return hc.inkSoft;
    if (ink == looks::inkFaint())
        return hc.inkFaint;
    return hc.ink;
}

void showInk(QWidget* widget, const QColor& ink)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, shownInk(widget, ink));
    widget->setPalette(pal);
}

double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

const Palette& ordinaryPalette()
{
    static const Palette p{QColor(196, 160, 104), BackdropForm::plainColour(), BackdropForm::inkColour(),
                           TileSet::boardColour(), QColor(90, 60, 30), ink(), inkSoft(), inkFaint()};
    return p;
}

const Palette& highContrastPalette()
{
    // Okabe-Ito black and blue on white.
    static const Palette p{Qt::white, Qt::white, Qt::black, Qt::black, Qt::white,
                           Qt::black, QColor(0x00, 0x72, 0xB2), QColor(0x4D, 0x4D, 0x4D)};
    return p;
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool highContrast(const QWidget* widget)
{
    const QWidget* window = widget ? widget->window() : nullptr;
    return window && window->property(HighContrastProperty).toBool();
}

void setHighContrast(QWidget* window, bool on)
{
    window->setProperty(HighContrastProperty, on);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QVariant ink = w->property(InkProperty);
        if (ink.isValid())
            showInk(w, ink.value<QColor>());
    }
}

void setInk(QWidget* widget, const QColor& colour)
{
    widget->setProperty(InkProperty, colour);
    showInk(widget, colour);
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
    QPixmap pm = sharpPixmap(path);
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
