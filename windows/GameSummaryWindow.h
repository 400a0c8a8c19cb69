#pragma once
// The table of a finished game, shown after the winner's card: one row per round (its
// number, the word, who found it first and how fast, each seat's points), the totals,
// each player's average time, and the fastest find of the game. "Copy" puts the same
// table on the clipboard as plain text.
#include "widgets/BackdropForm.h"

class GameSummary;
class QLabel;
class QPushButton;
class QTableWidget;

class GameSummaryWindow : public BackdropForm {
    Q_OBJECT
public:
    explicit GameSummaryWindow(const GameSummary& summary, QWidget* parent = nullptr);

    // Copies the summary's text to the clipboard.
    void button_copyClick();

    QLabel* label_title = nullptr;
    QTableWidget* table_rounds = nullptr;
    QLabel* label_fastest = nullptr;
    QPushButton* button_copy = nullptr;
    QPushButton* button_close = nullptr;

private:
    void showSummary();

    const GameSummary& m_summary;
};
