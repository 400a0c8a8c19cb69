#pragma once
// What the main window stores of its placement when it closes: nothing when it has not
// moved or changed size since the placement was read; otherwise its rectangle, made 15
// pixels narrower (or lower) in each dimension that exceeds the desktop's work area.
#include <QRect>
#include <optional>

namespace placement {

constexpr int OversizeTrim = 15;

inline std::optional<QRect> toSave(const QRect& window, const QRect& saved, const QRect& workArea)
{
    if (window == saved)
        return std::nullopt;
    QRect r = window;
    if (r.width() > workArea.width())
        r.setWidth(r.width() - OversizeTrim);
    if (r.height() > workArea.height())
        r.setHeight(r.height() - OversizeTrim);
    return r;
}

} // namespace placement
