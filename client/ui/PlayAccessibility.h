#pragma once
// The play area as assistive technology sees it. The board is a table of 9 rows and 10
// columns whose cells are named by letter, place and state ("R, column 4, row 2, picked
// 3rd"), the focus cell focused and the picked cells selected; the scoreboard is a table
// of the six seats by name, score and bonus; the clock's time bar is a progress bar with
// the share of the turn left as its value; the round bar's status line (the label named
// StatusLineName) is a status bar that announces each new text.
//
// `installPlayAccessibility` registers the factory that hands these out; the widgets
// call it when they are made, and it takes effect once.
#include "client/ui/AccessibleGrid.h"

class BoardView;
class ScorePanel;

void installPlayAccessibility();
inline const QString StatusLineName = QStringLiteral("label_status");

class BoardAccessible : public AccessibleGrid {
public:
    explicit BoardAccessible(BoardView* board);

    int rowCount() const override;
    int columnCount() const override;
    QString cellName(int row, int column) const override;
    QRect cellRect(int row, int column) const override;
    bool cellSelected(int row, int column) const override;
    bool cellFocusable() const override;
    QPoint focusCell() const override;
    QString text(QAccessible::Text t) const override;

private:
    BoardView* board() const;
};

class ScoreAccessible : public AccessibleGrid {
public:
    static constexpr int Columns = 3; // name, score, bonus

    explicit ScoreAccessible(ScorePanel* panel);

    int rowCount() const override;
    int columnCount() const override { return Columns; }
    QString cellName(int row, int column) const override;
    QRect cellRect(int row, int column) const override;
    QString columnDescription(int column) const override;

private:
    ScorePanel* panel() const;
};
