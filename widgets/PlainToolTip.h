#pragma once
// A tooltip that shows a text exactly as it is. Qt shows a tooltip as rich text when it
// looks like markup, so a player's name such as "<img src=...>" would be rendered (and
// could load a local picture); this wraps the text so that every character is shown
// as written. Very long texts are cut, so a tooltip stays on the screen.
#include <QString>

namespace plaintooltip {

inline constexpr int MaxCharacters = 300;
inline constexpr int OneLine = 80;

// Rich text that displays `text` literally.
QString of(const QString& text);

} // namespace plaintooltip
