#pragma once
// The lines of the spy list: one per spectator, his player number, ": " and his
// name. Kept apart from the window so the look-up and the number reading can be
// checked without widgets.
#include <QStringList>
#include <optional>

namespace spylines {

// "7: Name".
QString entry(int slot, const QString& name);

// Index of the first line equal to `line` when letter case is ignored, or -1.
int indexOf(const QStringList& lines, const QString& line);

// The player number a line starts with: the text before its first ":" read as a
// whole number. Nothing when that text is not a number.
std::optional<int> slotOf(const QString& line);

// The player a removal request from the list is for: the number of the line at
// `index`. Nothing when the index is -1 or past the end, or the line holds no number.
std::optional<int> slotAt(const QStringList& lines, int index);

} // namespace spylines
