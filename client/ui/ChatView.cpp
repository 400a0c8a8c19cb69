#include "client/ui/ChatView.h"

#include "client/ui/ChatLinks.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

ChatView::ChatView(QWidget* parent)
    : QTextEdit(parent)
{
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::ArrowCursor);
}

void ChatView::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(chatlinks::RteIsUrlAt(this, event->position().toPoint()) ? Qt::PointingHandCursor
                                                                                   : Qt::ArrowCursor);
}

void ChatView::mousePressEvent(QMouseEvent* event)
{
    QTextEdit::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto link = chatlinks::RteOpenUrlAt(this, event->position().toPoint()))
        emit linkClicked(*link);
}

void ChatView::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    emit mouseReleased();
}

void ChatView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void ChatView::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_menu)
        m_menu->exec(event->globalPos());
    event->accept();
}
