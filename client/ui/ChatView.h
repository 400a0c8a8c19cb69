#pragma once
// `mainchat`, the chat history's view: a read-only text view whose links answer the
// pointer. Over a link the pointer becomes a hand; a left click selects the link and
// announces it; releasing any mouse button announces that the player is done with the
// history, so the entry box can take the focus back. Ctrl+C asks for the selection to be
// copied, and the right button opens the history's context menu.
#include <QTextEdit>

class QMenu;

class ChatView : public QTextEdit {
    Q_OBJECT
public:
    explicit ChatView(QWidget* parent = nullptr);

    // The context menu (popup_mainchat); not owned.
    void setContextMenu(QMenu* menu) { m_menu = menu; }

signals:
    // A left click on a link: the link's text, already selected in the view.
    void linkClicked(const QString& link);
    void mouseReleased();
    void copyRequested();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QMenu* m_menu = nullptr;
};
