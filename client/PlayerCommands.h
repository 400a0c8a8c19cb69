#pragma once
// The commands a player gives from the main window: Start Game, Play Again, Just Watch,
// the seat pop-up's watch and removal commands, and removal from the spy list. Each
// checks who may give it and sends its message to the host; the game's leader alone
// starts games, removes players and sets other seats watching.
#include "client/ClientContext.h"
#include "net/Protocol.h"

#include <QObject>

#include <functional>
#include <optional>

class SeatRoster;
class TurnState;

class PlayerCommands : public QObject {
    Q_OBJECT
public:
    // Which items of a seat's pop-up menu are enabled.
    struct SeatMenu {
        bool removeEnabled = false;
        bool setWatchEnabled = false;
        bool unsetWatchEnabled = false;
    };

    PlayerCommands(const ClientContext& context, const SeatRoster& seats, const TurnState& turn,
                   QObject* parent = nullptr);

    // The Start button and "Start Game": the game start dialog once connected.
    void button_startClick();
    // The options of the last game started, if known (for "Play Again").
    std::function<std::optional<proto::StartGame>()> lastOptions;
    // "Play Again": the leader starts a new game with the last game's options, as
    // himself, without the start dialog.
    void playAgainClick();
    // "Just Watch": asks the host to switch this player's own seat.
    void justWatchClick();
    // Before a seat's pop-up opens: which items are enabled; remembers the seat.
    SeatMenu seatPopup(int seat);
    int popupSeat() const { return m_popupSeat; }
    void setToJustWatch();
    void unsetJustWatch();
    void removeFromGame();
    // Asks the host to remove the player of a slot (a seat, or a spectator from the spy list).
    void kicking(int slot);

signals:
    // The game start dialog should open.
    void gameStartRequested();

private:
    void sendJustWatch(int seat, bool watch);

    const ClientContext& m_context;
    const SeatRoster& m_seats;
    const TurnState& m_turn;
    int m_popupSeat = 0;
};
