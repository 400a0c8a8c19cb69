#pragma once
// The six seat rows of the scoreboard: each seat's name ("<Waiting>" while empty), score,
// bonus (the points of this round), found mark and watching eyes, and the quiet name
// under which a player leaves a seat unannounced; which seat leads the game; and a
// seat the host keeps for a player whose connection dropped, with his name and the
// time he has left to come back.
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "net/GameConstants.h"

class SeatRoster : public QObject {
    Q_OBJECT
public:
    static constexpr int Seats = game::Seats;
    static const QString Waiting; // "<Waiting>", the name of an empty seat
    // The same as the windows show it, in their language.
    static QString waitingText();

    struct Seat {
        int tag = 0;             // the seat number
        QString name;            // label_playernameN
        QString score = QStringLiteral("0");
        QString bonus = QStringLiteral("0");
        bool foundShown = false; // image_founditN
        bool eyesShown = false;  // image_eyesN
        QString quietName;       // a holder of this name leaves unannounced
        bool leads = false;      // its player leads the game
        bool away = false;       // kept for its player, who is away: the seat is empty meanwhile
        QString awayName;
        qint64 awayUntilMs = 0;  // on the roster's clock
    };

    explicit SeatRoster(QObject* parent = nullptr);

    // The steady clock an away player's time is counted on, in milliseconds; tests set
    // their own.
    std::function<qint64()> clock;

    // Seat 1..6; throws std::out_of_range for any other number.
    const Seat& seat(int n) const;
    bool isEmpty(int n) const { return seat(n).name == Waiting; }

    void setName(int n, const QString& name);
    // The seat's player has gone: "<Waiting>" and no eyes; score, bonus and found mark stay.
    void vacate(int n);
    // Whether the seat's player would leave unannounced: an empty seat, or its quiet name.
    bool leavesQuietly(int n) const;
    // A word found: bonus "+points", the new total, the found mark.
    void found(int n, int points, int score);
    // A latecomer's view of a seat: total, bonus and found mark as the host has them.
    void load(int n, int score, int points, bool foundIt);
    void setWatching(int n, bool watching);
    // A new round: found marks and bonuses go.
    void newRound();
    // A new game: scores to "0", no bonus, found mark or eyes; names stay.
    void newGame();
    // Coming back after a lost connection: who sits where is told afresh, so every seat
    // is empty until then; scores stay.
    void vacateAll();

    // The seat that leads the game; any other number marks none.
    void setLeader(int n);
    // The seat is kept `seconds` longer for `name`, who is away.
    void setAway(int n, const QString& name, int seconds);
    // The seat is no longer kept; the name it was kept for ("" if it was not).
    QString clearAway(int n);
    // Whole seconds an away player has left, rounded up; 0 when the seat is not kept.
    int awaySecondsLeft(int n) const;
    bool anyAway() const;

    // Names to offer in the tally: the occupied seats other than `ownSlot`.
    QStringList tallyCandidates(int ownSlot) const;

signals:
    void changed();

private:
    Seat& at(int n);

    std::array<Seat, Seats> m_seats;
};
