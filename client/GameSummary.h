#pragma once
// The whole game at its end: every round (word, first finder, time, each seat's points),
// each seat's total, the fastest find and each player's average time. The totals are
// the rounds' points added up, plus, for a player who arrived during the game, what
// the seats had scored before he came; they are what the scoreboard shows.
//
// When the game is won, one line per round is written to the chat for the record (the
// client's own lines: nothing is sent), and the summary is offered as plain text to copy.
#include "client/ClientContext.h"
#include "client/RoundReview.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class SeatRoster;

class GameSummary : public QObject {
    Q_OBJECT
public:
    struct Fastest {
        int round = 0; // index into rounds()
        RoundFind find;
    };

    GameSummary(const ClientContext& context, const SeatRoster& seats, QObject* parent = nullptr);

    // Takes each game's rounds from the round review.
    void follow(const RoundReview& review);

    // --- fed by the round review ---------------------------------------------------------
    void open(const RoundReview::Totals& carriedIn, bool joinedLate);
    void addRound(const RoundRecord& record);
    // The game was won: the lines for the record go to the chat, then `finished`.
    void close(const QString& winner);

    // --- what the window shows -------------------------------------------------------------
    const QList<RoundRecord>& rounds() const { return m_rounds; }
    bool isFinished() const { return m_finished; }
    const QString& winner() const { return m_winner; }
    bool joinedLate() const { return m_joinedLate; }
    // The seats that took part: held at some time in the game, or scoring.
    QList<int> seats() const;
    QString seatName(int seat) const;
    // Points scored before this client arrived.
    int carriedIn(int seat) const;
    int total(int seat) const;
    // The seat's points in one round, if it found the word.
    static std::optional<int> pointsIn(const RoundRecord& round, int seat);
    // The quickest find of the game that this client saw.
    std::optional<Fastest> fastest() const;
    // The seat's mean seconds over the finds this client saw, and how many they were.
    std::optional<double> averageSeconds(int seat) const;
    int finds(int seat) const;

    // The summary as a plain-text table, for the clipboard.
    QString text() const;
    // One line per round, for the chat.
    QStringList chatLines() const;

    // "3 s", "4.5 s".
    static QString secondsText(double seconds);

signals:
    void changed();
    // The game is over and its summary complete.
    void finished();

private:
    void noteName(int seat, const QString& name);

    const ClientContext& m_context;
    const SeatRoster& m_seats;
    QList<RoundRecord> m_rounds;
    RoundReview::Totals m_carriedIn{};
    std::array<QString, game::Seats> m_names;
    bool m_joinedLate = false;
    bool m_finished = false;
    QString m_winner;
};
