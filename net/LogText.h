#pragma once
// Text from peers and files made safe for a log line or a terminal: control characters
// are shown as escapes, so a name cannot move the cursor or change the terminal's
// colours, and a field is cut to a bounded length, so a peer cannot flood the log.
#include <QByteArray>
#include <QString>

namespace logtext {

// Characters of a field shown in a log line before it is cut.
inline constexpr int FieldChars = 80;

// Control characters (C0, DEL and C1) as "\xNN"; everything else unchanged.
QString escapeControls(const QString& text);

// One field of a log line: Windows-1252 bytes as Unicode with control characters
// escaped. Past `maxChars` bytes the field is cut and ends with "..." and its whole
// length, e.g. "abcabc... (65000 bytes)".
QString field(const QByteArray& wireText, int maxChars = FieldChars);

} // namespace logtext
