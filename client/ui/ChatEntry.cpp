#include "client/ui/ChatEntry.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

ChatEntry::ChatEntry(QWidget* parent)
    : QLineEdit(tr(qUtf8Printable(Prompt)), parent)
    , m_prompt(text())
{
}

void ChatEntry::keyPressEvent(QKeyEvent* event)
{
    // mychatKeyDown: any key first removes the prompt.
    if (text() == m_prompt)
        clear();
    // mychatKeyPress: Enter sends, and goes no further.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit sendRequested();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ChatEntry::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_menu)
        m_menu->exec(event->globalPos());
    event->accept();
}
