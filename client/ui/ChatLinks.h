#pragma once
// The chat history's side of the link finder: which character lies under a point of the
// view, whether a link lies there, and selecting the link found there. The finding itself
// is the widget-free rule of client/RteUrl.h, given the line under the point (a word, and
// so a link, never runs past the end of a line).
#include "client/RteUrl.h"

#include <QPoint>
#include <optional>

class QTextEdit;

namespace chatlinks {

// The document position of the character under a point of the view's viewport, or -1
// when the point lies beside or below the text.
qsizetype characterAt(const QTextEdit* view, QPoint point);

// The link under a point, in document positions.
std::optional<rteurl::FoundUrl> urlAt(const QTextEdit* view, QPoint point);

bool RteIsUrlAt(const QTextEdit* view, QPoint point);

// Selects the link under a point and returns it, or nothing when there is none.
std::optional<QString> RteOpenUrlAt(QTextEdit* view, QPoint point);

} // namespace chatlinks
