#include "client/ui/ChatLinks.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

namespace chatlinks {

qsizetype characterAt(const QTextEdit* view, QPoint point)
{
    const QTextDocument* doc = view->document();
    const QPointF at(point.x() + view->horizontalScrollBar()->value(), point.y() + view->verticalScrollBar()->value());
    const int near = doc->documentLayout()->hitTest(at, Qt::FuzzyHit);
    if (near < 0)
        return -1;
    const QTextBlock block = doc->findBlock(near);
    const QTextLayout* layout = block.layout();
    if (!block.isValid() || !layout)
        return -1;
    const QPointF inBlock = at - layout->position();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        if (inBlock.y() < line.y() || inBlock.y() >= line.y() + line.height())
            continue;
        if (inBlock.x() < line.x() || inBlock.x() >= line.x() + line.naturalTextWidth())
            return -1;
        const int inLine = line.xToCursor(inBlock.x(), QTextLine::CursorOnCharacter);
        return block.position() + inLine;
    }
    return -1;
}

std::optional<rteurl::FoundUrl> urlAt(const QTextEdit* view, QPoint point)
{
    const qsizetype pos = characterAt(view, point);
    if (pos < 0)
        return std::nullopt;
    const QTextBlock block = view->document()->findBlock(int(pos));
    if (!block.isValid())
        return std::nullopt;
    auto found = rteurl::urlAt(block.text(), pos - block.position());
    if (!found)
        return std::nullopt;
    found->range.start += block.position();
    found->range.end += block.position();
    return found;
}

bool RteIsUrlAt(const QTextEdit* view, QPoint point)
{
    return urlAt(view, point).has_value();
}

std::optional<QString> RteOpenUrlAt(QTextEdit* view, QPoint point)
{
    const auto found = urlAt(view, point);
    if (!found)
        return std::nullopt;
    QTextCursor selection(view->document());
    selection.setPosition(int(found->range.start));
    selection.setPosition(int(found->range.end), QTextCursor::KeepAnchor);
    view->setTextCursor(selection);
    return found->link;
}

} // namespace chatlinks
