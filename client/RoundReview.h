#pragma once
// What happened in a round, shown when it ends: the word and where it lay on the board,
// who found it (place, seconds after the word appeared, points), who missed it, and the
// word's meaning where the system has WordNet's files.
//
// Everything comes from the host's usual messages, as GameMessages announces them. A
// find's points are the seconds left on the host's clock: a turn of T seconds runs
// T + 4 seconds on that clock, and a word judged after s whole seconds of it scores
// T - s. So a find worth p points came s = T - p seconds after the word appeared (0
// within the first second; T to T + 3 in the last four seconds, which score 0 to -3).
//
// The word's path is this player's own picked cells when he found it (the host then
// sends him no cells), else the cell list of the round's end. Missed it: a seat that is
// held and playing (not watching) at the round's end and has not found it. Watching
// seats and spectators never miss; a seat whose player left before finding it is listed
// as having left. A player who arrives during a round knows the earlier finds only by
// their points: they come first, and those of equal points share a place.
//
// The review stays until the next board (or the winner's card) replaces it, unless the
// player pins it: then it stays until he unpins it or moves on, also while the next round
// is played.
//
// Each round's final record (after any find that came late) is handed on when the round
// is over for good: at the next board, a new game or the winner.
#include "client/ClientContext.h"
#include "meanings/WordMeanings.h"
#include "net/GameConstants.h"
#include "net/Protocol.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <algorithm>
#include <array>
#include <limits>

class GameMessages;
class SeatRoster;
class WordEntry;

struct SeatName {
    int seat = 0;
    QString name;
    bool operator==(const SeatName&) const = default;
};

struct RoundFind {
    int seat = 0;
    QString name;
    int place = 0;    // 1 for the first finder
    int seconds = 0;  // after the word appeared
    int points = 0;
    bool seen = true; // false: found before this client arrived, known by its points only
};

struct RoundRecord {
    QString round;          // the round number as the host wrote it
    QString word;
    int timePerTurn = 0;
    bool ended = false;     // its end reached this client
    bool outOfTime = false; // ended by the clock, not by every seat finding it
    QList<RoundFind> finds; // in order of finding
    QList<SeatName> missed; // held and playing at the end, not found
    QList<SeatName> left;   // left during the round without having found it
    QList<QPoint> path;     // the word's cells, (column, row) in letter order
    QList<WordMeanings::Meaning> meanings;

    const RoundFind* findOf(int seat) const;
};

class RoundReview : public QObject {
    Q_OBJECT
public:
    using Totals = std::array<int, game::Seats>;
    static constexpr int Glosses = 2;

    RoundReview(const ClientContext& context, const SeatRoster& seats, const WordMeanings& meanings,
                QObject* parent = nullptr);

    // Seconds after the word appeared of a find worth `points` in a turn of `timePerTurn`.
    static int secondsFor(int timePerTurn, int points) { return clampedInt(qint64(timePerTurn) - points); }
    // A sum or difference of numbers a host sent, kept within int: a hostile host's
    // extreme values are shown as extreme, never wrapped round.
    static int clampedInt(qint64 value)
    {
        return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }

    // --- what the views show --------------------------------------------------------------
    bool shown() const { return m_shown; }
    const RoundRecord& review() const { return m_reviewIsCurrent ? m_current : m_review; }
    bool pinned() const { return m_pinned; }
    // The review's round is still on the board, so its path belongs over it.
    bool onItsBoard() const { return m_shown && m_reviewIsCurrent; }
    // The round being played (or just ended).
    const RoundRecord& current() const { return m_current; }
    // This player's slot, whose row the review marks.
    int mySeat() const { return m_context.state.myslot; }

    // --- the player ------------------------------------------------------------------------
    // Unpinning a review whose board has been replaced closes it.
    void setPinned(bool pinned);
    // The player moves on: the review closes, pinned or not.
    void dismiss();

    // Follows the game's messages, and this player's words sent from the board.
    void follow(const GameMessages& game, const WordEntry& words);

    // --- the game, as GameMessages announces it ------------------------------------------
    void startGame(int timePerTurn);
    void joinGame(int timePerTurn, const QList<proto::SeatStats>& seats);
    // Back after a lost connection: the game goes on; finds made meanwhile are known by
    // their points.
    void rejoinGame(const QList<proto::SeatStats>& seats);
    // A round's board. The board of the round under way once more (as a player who comes
    // back is sent it) keeps the round's record.
    void loadBoard(const QString& round);
    void showWord(const QString& word);
    void seatFound(int seat, int points, int score);
    void seatLeaving(int seat);
    void endRound(bool outOfTime, const QList<proto::Cell>& cells);
    void endGame(const QString& winner);
    // This player sent his picks; they are the path if the host accepts them.
    void ownWordSent(const QList<QPoint>& cells);

signals:
    void changed();
    // A new game's record begins; a player who arrives during a game brings the totals
    // of the rounds before his arrival.
    void gameOpened(const RoundReview::Totals& carriedIn, bool joinedLate);
    // A round is over for good.
    void roundClosed(const RoundRecord& record);
    // The game was won; its last round was closed just before.
    void gameClosed(const QString& winner);

private:
    void closeRound();
    void addFind(int seat, int points, bool seen);
    // The finds of the stats that are not known yet, by their points.
    void addUnseenFinds(const QList<proto::SeatStats>& seats);
    void placeFinds();
    bool playing(int seat) const;

    const ClientContext& m_context;
    const SeatRoster& m_seats;
    const WordMeanings& m_meanings;
    int m_timePerTurn = 0;
    RoundRecord m_current;
    bool m_currentOpen = false; // m_current is a round not yet handed on
    RoundRecord m_review;       // a pinned review whose board was replaced
    bool m_shown = false;
    bool m_reviewIsCurrent = false;
    bool m_pinned = false;
    QList<QPoint> m_sent;       // this player's last picks sent
};
