#include "widgets/TagListBox.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

TagListBox::TagListBox(QWidget* parent)
    : QListWidget(parent)
{
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

QStringList TagListBox::lines() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out.append(item(i)->text());
    return out;
}

void TagListBox::mouseMoveEvent(QMouseEvent* event)
{
    trackLineAt(event->position().toPoint());
    QListWidget::mouseMoveEvent(event);
}

void TagListBox::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click where no movement was reported first still names its own line.
    if (event->reason() == QContextMenuEvent::Mouse)
        trackLineAt(event->pos());
    if (!m_popup) {
        QListWidget::contextMenuEvent(event);
        return;
    }
    m_popup->popup(event->globalPos());
    event->accept();
}

void TagListBox::trackLineAt(const QPoint& viewportPos)
{
    const QModelIndex index = indexAt(viewportPos);
    m_tag = index.isValid() ? index.row() : -1;
}
