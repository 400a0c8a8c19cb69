#pragma once
// A list of text lines that remembers which line the mouse pointer is over: its tag
// is that line's index, or -1 when the pointer is over no line. The tag follows every
// mouse movement over the list, so its pop-up menu knows which line it was opened on.
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QStringList>

class TagListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TagListBox(QWidget* parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    QStringList lines() const;

    // The menu that a right click on the list opens (the list does not own it).
    void setPopupMenu(QMenu* menu) { m_popup = menu; }
    QMenu* popupMenu() const { return m_popup; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void trackLineAt(const QPoint& viewportPos);

    int m_tag = -1;
    QPointer<QMenu> m_popup;
};
