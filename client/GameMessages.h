#pragma once
// The host's messages about the game, as the scoreboard takes them: players arriving
// and leaving, a game starting, each search, each word found or refused, the end of a
// round, watching, the winner, and the state of a game a latecomer joins. Each handler
// gets its message already read and checked, and passes it on to the parts that show
// it: the seat rows, the round status, the turn clock and this player's turn state.
//
// What lies beyond the scoreboard is announced: a spectator for the spy list, the cells
// of the word for the board, a finished game for the tally, and this player's own
// arrival, on which his preferences are read.
#include "client/ClientContext.h"
#include "net/Protocol.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class Preferences;
class RoundStatus;
class SeatRoster;
class TurnClock;
class TurnState;

class GameMessages : public QObject {
    Q_OBJECT
public:
    // The status line of a watching seat when the host starts its search.
    static inline const QString WatchingText = QStringLiteral(QT_TRANSLATE_NOOP("GameMessages", "You are just watching."));

    GameMessages(const ClientContext& context, const Preferences& prefs, SeatRoster& seats, RoundStatus& status,
                 TurnClock& clock, TurnState& turn, QObject* parent = nullptr);

    // Takes a spectator off the spy list; true when he was listed there (only then is
    // his leaving announced).
    std::function<bool(int slot, const QString& name)> removeSpy;

    void newplayerinfo(const proto::NewPlayerInfo& m);
    void playerdisconnected(const proto::PlayerDisconnected& m);
    void startthegame(const proto::StartGame& m);
    void loadstats(const proto::LoadStats& m) { takeStats(m, false); }
    // The same, for this client back after a lost connection in the game it was in.
    void loadstatsOnReturn(const proto::LoadStats& m) { takeStats(m, true); }
    void getnextplayer(const proto::NextPlayer& m);
    void hefoundit(const proto::HeFoundIt& m);
    void nomatch(const proto::NoMatch& m);
    void outoftime(const proto::OutOfTime& m);
    void roundover(const proto::RoundOver& m);
    void justwatching(const proto::JustWatching& m);
    void winner(const proto::Winner& m);
    // The round number that opens CMD_loadboard; also clears each seat's found mark and bonus.
    void loadboardRound(const proto::LoadBoard& m);
    // The round's word (CMD_theword); the word strip shows it, this announces it.
    void theword(const proto::TheWord& m);
    // A seat kept for a player whose connection dropped (CMD_seataway), given up
    // (CMD_seatfree), and a seat's stats set anew (CMD_seatstats).
    void seataway(const proto::SeatAway& m);
    void seatfree(const proto::SeatFree& m);
    void seatstats(const proto::SeatScore& m);
    // The language of the game's words (CMD_gamelanguage). A game started or joined
    // without it is in English, as older hosts play.
    void gamelanguage(const proto::GameLanguage& m);

    // The options of the last game this client saw started, for "Play Again".
    const std::optional<proto::StartGame>& lastOptions() const { return m_lastOptions; }

    // At window creation and at every game start: round 0, no banner, no watching,
    // every seat's score back to 0.
    void clearall();

signals:
    // The host announced this client's own arrival.
    void ownArrival();
    // A spectator arrived: "slot: name" belongs on the spy list.
    void spectatorArrived(int slot, const QString& name);
    // The round ended and the word lay on these cells.
    void wordRevealed(const QList<proto::Cell>& cells);
    // A seated player's game ended: "addtomine" when he won, else the winner's name.
    void gameRecorded(const QString& result);

    // The course of the game, for what is shown after each round and each game.
    // A game started; its turns last this many seconds (as the clock counts them).
    void gameStarted(int timePerTurn);
    // This client arrived during a game: the turn's length and each seat's state now.
    void gameJoined(int timePerTurn, const QList<proto::SeatStats>& seats);
    // This client is back after a lost connection, in the game it was in: each seat's
    // state now, with the finds made while it was away.
    void gameRejoined(const QList<proto::SeatStats>& seats);
    // A round's board arrived, with its round number as the host wrote it.
    void boardLoaded(const QString& round);
    // The round's word, in lower case.
    void wordShown(const QString& word);
    // A seat found the word: its points for this round and its new total.
    void seatFound(int seat, int points, int score);
    // A seat's player left; the seat row still shows his name when this is announced.
    void seatLeaving(int seat);
    // The round ended: out of time, or every playing seat found the word. `cells` is
    // where the word lay, empty when this player found it himself.
    void roundEnded(bool outOfTime, const QList<proto::Cell>& cells);
    // The game was won; after this the last round is over for good.
    void gameWon(const QString& winner);

private:
    void takeStats(const proto::LoadStats& m, bool rejoined);
    void endOfTurn(bool outOfTime, bool foundIt, const QList<proto::Cell>& cells, const QString& statusText,
                   const QString& soundName);

    const ClientContext& m_context;
    const Preferences& m_prefs;
    SeatRoster& m_seats;
    RoundStatus& m_status;
    TurnClock& m_clock;
    TurnState& m_turn;
    std::optional<proto::StartGame> m_lastOptions;
};
