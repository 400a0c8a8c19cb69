#pragma once
// The commands a player gives from the main window: Start Game, Play Again, Just Watch,
// the seat pop-up's watch and removal commands, and removal from the spy list. Each
// checks who may give it and sends its message to the host; the game's leader alone
// starts games, removes players and sets other seats watching.
#include "client/ClientContext.h"
#include "net/Protocol.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

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
    // A player a command of the Game menu may name.
    struct Target {
        int slot = 0;
        QString name;
        bool operator==(const Target&) const = default;
    };

    PlayerCommands(const ClientContext& context, const SeatRoster& seats, const TurnState& turn,
                   QObject* parent = nullptr);

    // The Start button and "Start Game": the game start dialog once connected.
    void button_startClick();
    // The options of the last game started, if known (for "Play Again").
    std::function<std::optional<proto::StartGame>()> lastOptions;
    // The language of the last game's words (its code), if known.
    std::function<QString()> lastLanguage;
    // "Play Again": the leader starts a new game with the last game's options and
    // language, as himself, without the start dialog.
    void playAgainClick();
    // "Just Watch": asks the host to switch this player's own seat. The host takes a seat
    // out of play only while a game runs, and back into play at any time, so the command
    // is offered (and sent) only then.
    void justWatchClick();
    bool justWatchOffered() const;
    // Why "Just Watch" is not offered, or what it does when it is.
    QString justWatchHint() const;
    // Before a seat's pop-up opens: which items are enabled; remembers the seat.
    SeatMenu seatPopup(int seat);
    int popupSeat() const { return m_popupSeat; }
    void setToJustWatch();
    void unsetJustWatch();
    void removeFromGame();

    // The players the leader may name from the Game menu, in slot order: for removal the
    // other seated players and the spectators (the spy list's lines, "7: Name"); for
    // watching the other seated players who play (only while a game runs), and for
    // playing again those who watch. Nobody for a player who does not lead.
    QList<Target> removeTargets(const QStringList& spectatorLines) const;
    QList<Target> watchTargets(bool watching) const;
    // Asks the host to set a seat watching, or playing again (the leader's command).
    void setSeatWatching(int seat, bool watch);

    // The question before the hosting player leaves while others are in his game (his
    // leaving ends it for all of them): "3 players are in your game. Leaving ends it for
    // everyone."; nothing to ask when he does not host or is alone.
    std::optional<QString> leaveQuestion(const QStringList& spectatorLines) const;
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
