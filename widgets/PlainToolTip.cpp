#include "widgets/PlainToolTip.h"

#include <QTextDocument>

namespace plaintooltip {

QString of(const QString& text)
{
    const QString shown = text.size() > MaxCharacters ? text.left(MaxCharacters) + QChar(0x2026) : text;
    // A name reads best on one line; only a very long text is wrapped.
    if (shown.size() <= OneLine)
        return QStringLiteral("<p style=\"white-space:pre\">") + shown.toHtmlEscaped() + QStringLiteral("</p>");
    return Qt::convertFromPlainText(shown, Qt::WhiteSpaceNormal);
}

} // namespace plaintooltip
