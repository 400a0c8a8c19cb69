#pragma once
// The chat pane beside the board, under the scoreboard: the row of ten small buttons
// (nine quick phrases and the chatter-sound menu), the history `mainchat` below it and
// the one-line entry box `mychat` at the bottom. It grows with the window; the history
// takes the height.
//
// The pane is thin: sending a line, a phrase or a chatter sound is the client's rules'
// business. It shows the preferences (the history's text size, the entry box's colour,
// the phrases as the buttons' tooltips) and follows them when they change.
#include "client/Preferences.h"
#include "client/ui/ChatEntry.h"
#include "client/ui/ChatView.h"

#include <QWidget>
#include <array>
#include <memory>

class ChatHistory;
class GameClient;
class QAction;
class QHBoxLayout;
class QMenu;
class QToolButton;

class ChatPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int PhraseButtons = Preferences::PhraseCount;
    static constexpr int PhraseButtonWidth = 25;
    static constexpr int PhraseButtonHeight = 19;
    // The button that opens the chatter-sound menu rather than sending a phrase.
    static constexpr int SoundsButton = 10;
    static inline const QString SoundsButtonTip = QStringLiteral(QT_TRANSLATE_NOOP("ChatPane", "Chatter sounds"));

    explicit ChatPane(GameClient& client, QWidget* parent = nullptr);
    ~ChatPane() override;

    ChatHistory& history() { return *m_history; }
    // Where the phrase buttons go, left to right, directly above the history.
    QHBoxLayout* phraseRow() const { return m_phraseRow; }

    // Keeps a checkable menu item in step with the history's "Scroll Chat Off": the
    // history's own context menu has one, the Options menu another.
    void followScrollChatOff(QAction* item);

    // Handlers, also callable directly.
    void sendit();
    void Copy1Click();
    void Paste1Click();
    void ClearMainChat1Click();
    void b_phrase1Click(int n);
    void b_phrase10Click();
    void wave14Click(int number);

    QWidget* panel_phrases = nullptr;
    std::array<QToolButton*, PhraseButtons> b_phrase{};
    ChatView* mainchat = nullptr;
    ChatEntry* mychat = nullptr;
    QMenu* popup_mainchat = nullptr;
    QAction* Copy1 = nullptr;
    QAction* ScrollChatOff1 = nullptr;
    QAction* ClearMainChat2 = nullptr;
    QMenu* popup_mychat = nullptr;
    QAction* Paste1 = nullptr;
    QMenu* popup_sounds = nullptr;

signals:
    // A link in the history was clicked: the desktop should open it.
    void linkClicked(const QString& link);

private:
    void buildPhraseRow();
    void buildMenus();
    void showPreferences(Preferences::Key key);

    GameClient& m_client;
    std::unique_ptr<ChatHistory> m_history;
    QHBoxLayout* m_phraseRow = nullptr;
};
