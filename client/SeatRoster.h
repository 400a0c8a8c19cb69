#pragma once
// The six seat rows of the scoreboard: each seat's name ("<Waiting>" while empty), score,
// bonus (the points of this round), found mark and watching eyes, and the quiet name
// under which a player leaves a seat unannounced.
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

#include "net/GameConstants.h"

class SeatRoster : public QObject {
    Q_OBJECT
public:
    static constexpr int Seats = game::Seats;
    static const QString Waiting; // "<Waiting>", the name of an empty seat

    struct Seat {
        int tag = 0;             // the seat number
        QString name;            // label_playernameN
        QString score = QStringLiteral("0");
        QString bonus = QStringLiteral("0");
        bool foundShown = false; // image_founditN
        bool eyesShown = false;  // image_eyesN
        QString quietName;       // a holder of this name leaves unannounced
    };

    explicit SeatRoster(QObject* parent = nullptr);

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

    // Names to offer in the tally: the occupied seats other than `ownSlot`.
    QStringList tallyCandidates(int ownSlot) const;

signals:
    void changed();

private:
    Seat& at(int n);

    std::array<Seat, Seats> m_seats;
};
