#pragma once
// The keyboard's place on the board: one focus cell that the arrow keys move, the keys
// for a row's and a column's ends, and letter keys that jump to a cell holding that
// letter. No widgets here: BoardView passes its keys on and draws the frame where this
// class says, and the board's accessible table names its cells through `describe`.
//
// A letter jumps to the nearest cell holding that letter unmarked that may be picked
// next: any such cell before the first pick, then only one that continues the word's
// shape from the last pick (a neighbour in a scrambled game, the next cell along the
// line in a straight one). When no cell of that letter fits, every cell holding it is a
// target, so the keys still find a letter on the board. Pressing the same letter again
// goes on to the next nearest such cell, and after the last back to the first. Nearness
// is counted from the cell the focus stood on at the first press: the number of king's
// steps, ties broken row by row, left to right.
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class TurnState;
class WordEntry;

// What a screen reader says of cell (column, row) of the board: its letter in capitals,
// the column and row, and its state: "R, column 4, row 2, picked 3rd", ", marked" for a
// cell marked otherwise (the word's place revealed); "Empty, column 1, row 1" before the
// first board.
QString describeCell(const WordEntry& entry, QPoint cell);
// The place of a cell in the picked path, 1..10; 0 when it is not picked.
int pickNumber(const WordEntry& entry, QPoint cell);
// The word strip as a screen reader says it: "Word of 3 letters, found so far: B C",
// "Word of 3 letters, none found yet", "No word yet".
QString describeWord(const WordEntry& entry);
// One slot of the strip, 1..10: "B, found", "T", or "Empty" past the word's end.
QString describeSlot(const WordEntry& entry, int slot);

class BoardFocus : public QObject {
    Q_OBJECT
public:
    BoardFocus(const WordEntry& entry, const TurnState& turn, QObject* parent = nullptr);

    // The focus cell, (column 1..10, row 1..9); (1, 1) at first.
    QPoint cell() const { return m_cell; }
    // Puts the focus on a cell of the board; a point beyond it changes nothing.
    void moveTo(QPoint cell);

    // One step along the columns and rows; at the board's edge the focus stays there.
    void moveBy(int columns, int rows);
    // The ends of the focus cell's row (Home, End) and column (Page Up, Page Down).
    void rowStart();
    void rowEnd();
    void columnTop();
    void columnBottom();
    // A letter key, "a".."z" in either case; false (and no move) for anything else.
    bool jumpToLetter(QChar letter);

    // The cells a letter key would visit, nearest first, counted from `from`.
    QList<QPoint> letterTargets(int letter, QPoint from) const;

signals:
    // The focus cell moved.
    void moved(QPoint cell);

private:
    bool fitsNext(QPoint cell) const;
    void place(QPoint cell, bool keepCycle = false);

    const WordEntry& m_entry;
    const TurnState& m_turn;
    QPoint m_cell{1, 1};
    // The letter of the last jump, and where its first press started from.
    int m_cycleLetter = 0;
    QPoint m_cycleFrom;
};
