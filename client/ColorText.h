#pragma once
// Colour values and their text form.
//
// A colour value is 32 bits with red in the lowest byte, green in the second and blue in
// the third (255 is pure red, 0x00FF0000 pure blue). Values from 0x80000000 up name a
// system colour by the index in their lowest byte. Colours travel in chat messages and sit
// in the settings file as colour text: a name of the table below ("clRed") or "$" with
// eight upper-case hexadecimal digits.
#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

using ColorValue = std::uint32_t;

namespace colortext {

constexpr ColorValue Black = 0x00000000;
constexpr ColorValue Red = 0x000000FF;
constexpr ColorValue Blue = 0x00FF0000;
constexpr ColorValue None = 0x1FFFFFFF;
constexpr ColorValue SystemBase = 0x80000000;

// The colour of a received line whose colour part is missing or unreadable.
constexpr ColorValue Fallback = Red;

// The colour's name when the table has the value, otherwise "$" and eight upper-case
// hexadecimal digits: red 0, green 128, blue 255 gives "$00FF8000".
QString ColorToText(ColorValue colour);

// A name of the table, in any letter case, or an integer: decimal with an optional sign
// (negative values wrap into the upper half), or hexadecimal after a leading "$". Anything
// else, including out-of-range numbers, gives no value; the caller decides what that means.
std::optional<ColorValue> TextToColor(const QString& text);

// Every name of the table, as the table writes it.
QStringList colourNames();

// The value as a colour to draw with: its low three bytes for a plain value, the palette's
// matching colour for a system colour (black for an index the table does not know).
QColor toQColor(ColorValue colour, const QPalette& palette);
QColor toQColor(ColorValue colour);

// A drawn colour as a plain value.
ColorValue fromQColor(const QColor& colour);

} // namespace colortext
