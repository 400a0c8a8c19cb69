#pragma once
// The rules of finding the word on the board: the 10 by 9 board of tile numbers, the
// word strip of ten slots, and the player's picks. No widgets here: BoardView and
// WordStrip draw what this class holds and pass mouse releases back to it.
//
// Tile numbers: 0 empty, 1..26 a letter ("a".."z"), 27..52 the same letter marked
// (picked by this player or revealed at the end of a round), 53 the pick marker, which
// is only ever drawn over the last picked cell and never stored in a cell.
//
// Incoming lists (board cells, word letters, revealed cells) arrive read and checked by
// their messages' readers, so a malformed message never reaches the board or the strip.
// Who may pick, and in which shape, is the turn state's to say.
#include "client/ClientContext.h"
#include "client/TurnState.h"
#include "net/GameConstants.h"
#include "net/Protocol.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <optional>

class WordEntry : public QObject {
    Q_OBJECT
public:
    static constexpr int Columns = game::Columns;
    static constexpr int Rows = game::Rows;
    static constexpr int Slots = game::MaxWordLength;
    static constexpr int TileSize = 44;
    static constexpr int MarkOffset = game::Letters; // marked tile = letter + 26
    static constexpr int LastLetter = game::Letters;
    static constexpr int LastMarked = proto::LastMarkedTile;
    static constexpr int PickMarker = 53;
    static constexpr int BoardWidth = Columns * TileSize;  // 440
    static constexpr int BoardHeight = Rows * TileSize;    // 396

    WordEntry(const ClientContext& context, const TurnState& turn, QObject* parent = nullptr);

    // --- what the views draw --------------------------------------------------------
    // Tile number of cell (column 1..10, row 1..9); throws std::out_of_range otherwise.
    int cell(int column, int row) const;
    // The word's letter for slot 1..10 (0 when the word is shorter).
    int slotLetter(int slot) const;
    // What slot 1..10 shows: its letter, the marked tile once picked, or 0 (nothing).
    int slotPicture(int slot) const;
    // The board cell picked for slot 1..10 as "column+row", empty before any pick.
    QString slotPick(int slot) const;
    // The letters to pick: the word's slots from the first up to the first empty one.
    // The word is complete when they are all picked, and their cells are what is sent.
    int wordLength() const;
    // The cell the pick marker goes over, if a letter is picked.
    std::optional<QPoint> lastPicked() const;

    int pickcount() const { return m_pickcount; }
    int pathlength() const { return m_pathlength; }
    int direction() const { return m_direction; }
    // Entry 1..10 of the picked path; (0, 0) when unused.
    QPoint pickpath(int index) const;

    // --- messages from the host ------------------------------------------------------
    // The cells of a board (CMD_loadboard); cells not named keep their tile.
    void loadboardCells(const QList<proto::BoardCell>& cells);
    // Clears the strip and the picks, then shows the word's letters in their slots
    // (CMD_theword).
    void theword(const proto::TheWord& word);
    // Marks the cells where the word lay (CMD_outoftime, CMD_roundover).
    void reveal(const QList<proto::Cell>& cells);

    // --- the player ------------------------------------------------------------------
    // A mouse button released at (x, y) in pixels of the board at its least size (44-pixel
    // tiles); releases outside the board are ignored.
    void mouseUp(Qt::MouseButton button, int x, int y);
    // A mouse button released over cell (column 1..10, row 1..9), at whatever size the
    // board is drawn (BoardGrid finds the cell). Right button unpicks, any other picks.
    void click(Qt::MouseButton button, int column, int row);
    // May (column, row) follow picked cell number `last`? The straight rule also keeps
    // the line's direction; the scrambled one accepts any of the eight neighbours.
    bool checkforconnectstraight(int last, int column, int row);
    bool checkforconnectscrambled(int last, int column, int row);
    // Picks (column, row) for word letter n and sends the word when it is complete.
    void placeletter(int column, int row, int n);
    // Drops the whole selection (the Clear button).
    void clearword();
    // Sends the picked cells to the host and ends picking for this round.
    void sendword();

    // A new search begins: the picked path is forgotten (the marker goes) and, when it
    // is this player's search, the counters start again from zero.
    void newSearch(bool mine);
    void clearPickPath();
    void resetCounters();

    // Column and row step of each direction 1..8; index 0 is "no direction".
    static QPoint step(int direction);

signals:
    void boardChanged();
    void stripChanged();
    // The word went to the host (or would have, without a connection): picking ends.
    void wordSent();
    // A click on (column, row) was refused: not the word's next letter, or off the
    // allowed shape. The refusal sound plays with it.
    void refused(int column, int row);

private:
    bool myTurn() const { return m_turn.myTurn(); }
    int& at(int column, int row) { return m_board[(column - 1) * Rows + (row - 1)]; }
    int at(int column, int row) const { return m_board[(column - 1) * Rows + (row - 1)]; }
    void unpickLast();
    void pick(int column, int row);
    void refuse(int column, int row);

    const ClientContext& m_context;
    const TurnState& m_turn;
    std::array<int, Columns * Rows> m_board{};
    std::array<int, Slots> m_letter{};
    std::array<int, Slots> m_picture{};
    std::array<QPoint, Slots> m_pick{}; // (0, 0) until the slot's letter is picked
    std::array<QPoint, Slots> m_path{};
    int m_pickcount = 0;
    int m_pathlength = 0;
    int m_direction = 0;
};
