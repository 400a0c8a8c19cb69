#pragma once
// What the scoreboard says about the game as a whole: the status line, the round
// number, the game type, the language of its words and the target, the winner banner, whether the Start button and
// the "Start Game" menu item are offered, and "Play Again" beside Start after a game.
// While the client tries to get back a lost connection it says so, and offers nothing
// but "Cancel".
#include <QObject>
#include <QString>

class RoundStatus : public QObject {
    Q_OBJECT
public:
    // The status line before anything has happened.
    static inline const QString Welcome = QStringLiteral(QT_TRANSLATE_NOOP("RoundStatus", "Welcome to Quillor "));
    // Welcome in the windows' language.
    static QString welcomeText();
    // What the target reads as until a game's options are known.
    static inline const QString Unknown = QStringLiteral("\u2013");

    explicit RoundStatus(QObject* parent = nullptr);

    const QString& status() const { return m_status; }
    const QString& roundText() const { return m_round; }
    const QString& gameTypeText() const { return m_gameType; }
    const QString& playToText() const { return m_playTo; }
    // The language of the game's words: its code as the host named it, and its name in
    // itself ("Deutsch"), the code for one this client does not know; both empty until a
    // game starts or is joined.
    const QString& language() const { return m_language; }
    QString languageText() const;
    const QString& winnerText1() const { return m_winner; }
    // The banner's shadow line repeats the winner text.
    const QString& winnerText2() const { return m_winner; }
    bool winnerShown() const { return m_winnerShown; }
    // Start is shown to the game's leader between games.
    bool startShown() const { return m_leads && !m_gameRunning && !m_reconnecting; }
    bool startMenuEnabled() const { return m_leads; }
    // "Play Again": beside Start once a game has ended whose options are known.
    bool playAgainShown() const { return startShown() && m_playAgain; }
    bool reconnecting() const { return m_reconnecting; }

    void setStatus(const QString& text);
    // "ROUND: " and the round number as the host sent it.
    void setRound(const QString& round);
    void setGameType(bool straight);
    void setLanguage(const QString& code);
    // "Play To Score: " and the target as the host sent it.
    void setPlayTo(const QString& target);
    void showWinner(const QString& text);
    // A new game: round 0, no banner.
    void newGame();

    // Offered to the game's leader only; hosting, joining, the login and the host's
    // word on who leads switch it.
    void setStartOffered(bool on);
    // A game runs (Start hidden) or is over (shown again to the leader).
    void setGameRunning(bool running);
    // The game that ended can be started again as it was.
    void setPlayAgainOffered(bool on);
    // The connection was lost and the client is trying to get it back, or no longer.
    void setReconnecting(bool on);

signals:
    void changed();

private:
    QString m_status;
    QString m_round;
    QString m_gameType;
    QString m_playTo;
    QString m_language;
    QString m_winner;
    bool m_winnerShown = false;
    bool m_leads = true;
    bool m_gameRunning = false;
    bool m_playAgain = false;
    bool m_reconnecting = false;
};
