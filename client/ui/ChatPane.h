#pragma once
// The chat pane beside the board, under the scoreboard: a row kept for the ten small
// quick-phrase buttons, the history `mainchat` below it and the one-line entry box
// `mychat` at the bottom. It grows with the window; the history takes the height. The
// history's text size and the entry box's colour follow the preferences.
#include "client/Preferences.h"

#include <QWidget>
#include <memory>

class ChatHistory;
class QHBoxLayout;
class QLineEdit;
class QTextEdit;

class ChatPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int PhraseButtons = Preferences::PhraseCount;
    static constexpr int PhraseButtonWidth = 25;
    static constexpr int PhraseButtonHeight = 19;

    explicit ChatPane(const Preferences& prefs, QWidget* parent = nullptr);
    ~ChatPane() override;

    ChatHistory& history() { return *m_history; }
    // Where the phrase buttons go, left to right, directly above the history.
    QHBoxLayout* phraseRow() const { return m_phraseRow; }

    QWidget* panel_phrases = nullptr;
    QTextEdit* mainchat = nullptr;
    QLineEdit* mychat = nullptr;

private:
    void showPreferences();

    const Preferences& m_prefs;
    std::unique_ptr<ChatHistory> m_history;
    QHBoxLayout* m_phraseRow = nullptr;
};
