#pragma once
// What the scoreboard says about the game as a whole: the status line, the round
// number, the game type and target, the winner banner, and whether the Start button
// and the "Start Game" menu item are offered.
#include <QObject>
#include <QString>

class RoundStatus : public QObject {
    Q_OBJECT
public:
    // The status line before anything has happened.
    static inline const QString Welcome = QStringLiteral("Welcome to Quillor ");
    // What the target reads as until a game's options are known.
    static inline const QString Unknown = QStringLiteral("\u2013");

    explicit RoundStatus(QObject* parent = nullptr);

    const QString& status() const { return m_status; }
    const QString& roundText() const { return m_round; }
    const QString& gameTypeText() const { return m_gameType; }
    const QString& playToText() const { return m_playTo; }
    const QString& winnerText1() const { return m_winner; }
    // The banner's shadow line repeats the winner text.
    const QString& winnerText2() const { return m_winner; }
    bool winnerShown() const { return m_winnerShown; }
    bool startShown() const { return m_startShown; }
    bool startMenuEnabled() const { return m_startMenuEnabled; }

    void setStatus(const QString& text);
    // "ROUND: " and the round number as the host sent it.
    void setRound(const QString& round);
    void setGameType(bool straight);
    // "Play To Score: " and the target as the host sent it.
    void setPlayTo(const QString& target);
    void showWinner(const QString& text);
    // A new game: round 0, no banner.
    void newGame();

    // Offered to the game's leader only; hosting, joining and the login switch it.
    void setStartOffered(bool on);
    // A game runs (hidden) or is over (shown again to the leader).
    void setStartShown(bool shown);

signals:
    void changed();

private:
    QString m_status;
    QString m_round;
    QString m_gameType;
    QString m_playTo;
    QString m_winner;
    bool m_winnerShown = false;
    bool m_startShown = true;
    bool m_startMenuEnabled = true;
};
