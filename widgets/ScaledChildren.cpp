#include "widgets/ScaledChildren.h"

#include <cmath>

namespace {

int scaledInt(int n, double scale)
{
    return int(std::lround(n * scale));
}

} // namespace

void ScaledChildren::capture(QWidget* parent, Depth depth)
{
    m_children.clear();
    const auto options = depth == Depth::All ? Qt::FindChildrenRecursively : Qt::FindDirectChildrenOnly;
    for (QWidget* child : parent->findChildren<QWidget*>(QString(), options)) {
        if (child->isWindow())
            continue;
        m_children.append({child, child->geometry(), child->font()});
    }
}

void ScaledChildren::add(QWidget* child, const QRect& geometry)
{
    m_children.append({child, geometry, child->font()});
}

void ScaledChildren::apply(double scale) const
{
    for (const Child& c : m_children) {
        if (!c.widget)
            continue;
        const QRect r = scaled(c.geometry, scale);
        // Fixed-size children (picture buttons) take the new size as their fixed one.
        c.widget->setMinimumSize(0, 0);
        c.widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        c.widget->setGeometry(r);
        // A font a panel changed since (bold for a seated name) keeps that change.
        QFont font = c.widget->font();
        const QFont size = scaled(c.font, scale);
        if (size.pixelSize() > 0)
            font.setPixelSize(size.pixelSize());
        else
            font.setPointSizeF(size.pointSizeF());
        c.widget->setFont(font);
    }
}

QRect ScaledChildren::scaled(const QRect& r, double scale)
{
    const int left = scaledInt(r.left(), scale);
    const int top = scaledInt(r.top(), scale);
    return QRect(left, top, scaledInt(r.left() + r.width(), scale) - left,
                 scaledInt(r.top() + r.height(), scale) - top);
}

QFont ScaledChildren::scaled(const QFont& font, double scale)
{
    QFont f = font;
    if (font.pixelSize() > 0)
        f.setPixelSize(qMax(1, scaledInt(font.pixelSize(), scale)));
    else if (font.pointSizeF() > 0)
        f.setPointSizeF(qMax(1.0, font.pointSizeF() * scale));
    return f;
}
