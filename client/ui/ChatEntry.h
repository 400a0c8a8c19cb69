#pragma once
// `mychat`, the one-line chat entry box. It starts with "<Enter Chat Here>", which the
// first key pressed removes for good. Enter asks for the line to be sent and is
// swallowed; Ctrl+V asks for a paste, and the right button opens the box's context menu.
#include <QLineEdit>

class QMenu;

class ChatEntry : public QLineEdit {
    Q_OBJECT
public:
    static inline const QString Prompt = QStringLiteral(QT_TRANSLATE_NOOP("ChatEntry", "<Enter Chat Here>"));

    explicit ChatEntry(QWidget* parent = nullptr);

    // The context menu (popup_mychat); not owned.
    void setContextMenu(QMenu* menu) { m_menu = menu; }

signals:
    void sendRequested();
    void pasteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QMenu* m_menu = nullptr;
    const QString m_prompt; // Prompt in the windows' language
};
