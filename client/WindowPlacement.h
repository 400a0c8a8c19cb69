#pragma once
// The main window's placement: what it stores when it closes, and where a stored
// placement may put it.
#include <QList>
#include <QRect>
#include <optional>

namespace placement {

constexpr int OversizeTrim = 15;

// The largest width or height a window may have (Qt's QWIDGETSIZE_MAX), and so the
// furthest a stored position may lie from the desktop's origin.
constexpr int MaxExtent = (1 << 24) - 1;

// How much of the window a screen must show for the player to reach it and drag it.
constexpr int ReachableWidth = 100;
constexpr int ReachableHeight = 30;
// Where a window that no screen shows is put, from the primary screen's top-left corner.
constexpr QPoint ScreenMargin{3, 3};

// What the window stores when it closes: nothing when it has not moved or changed size
// since the placement was read; otherwise its rectangle, made 15 pixels narrower (or
// lower) in each dimension that exceeds the desktop's work area.
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

// A stored placement as it can be used with these screens (their available areas): kept
// when a screen shows enough of its top edge to grab it; otherwise (the screen it was on
// has gone) moved, with its size, to the top-left corner of the primary screen.
inline QRect ontoScreens(const QRect& stored, const QList<QRect>& screens, const QRect& primary)
{
    // A window is never narrower than this, whatever was stored.
    const QRect grip(stored.topLeft(), QSize(qMax(stored.width(), ReachableWidth), ReachableHeight));
    for (const QRect& screen : screens) {
        const QRect seen = screen.intersected(grip);
        if (seen.width() >= ReachableWidth && seen.height() >= ReachableHeight)
            return stored;
    }
    return QRect(primary.topLeft() + ScreenMargin, stored.size());
}

} // namespace placement
