#pragma once
// The main window's display of a game, without widgets: the six seat rows, the status
// line, round and game settings, the turn clock with its bar, the winner banner and the
// visibility of the Start and Clear buttons, plus every host message that changes them
// and the commands a player gives from the scoreboard.
//
// The window reads the state after each `changed()` signal and copies it into its
// labels. Handlers read their fields first and change nothing until every field has
// been read and checked, so a malformed message leaves the scoreboard as it was.
#include "client/ClientContext.h"
#include "net/FieldReader.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>

class ScoreBoard : public QObject {
    Q_OBJECT
public:
    static constexpr int Seats = 6;
    static constexpr int BarFullWidth = 184;
    static constexpr int MaxSlot = 9;
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

    // Ways to the rest of the client that the scoreboard's rules reach.
    struct Hooks {
        std::function<void()> clearPickPath;                              // every CMD_nextplayer
        std::function<void()> resetPickCounters;                          // this player's turn
        std::function<void(FieldReader&)> reveal;                         // cells of the word
        std::function<void(int slot, const QString& name)> addSpy;        // spy list
        std::function<bool(int slot, const QString& name)> removeSpy;     // true when it was listed
        std::function<void(const QString& result)> recordGame;            // tally: "addtomine" or the winner
        std::function<void()> showGameStart;                              // the game start dialog
        std::function<void()> readSettings;                               // on this client's own arrival
    };

    struct SeatMenu {
        bool removeEnabled = false;
        bool setWatchEnabled = false;
        bool unsetWatchEnabled = false;
    };

    explicit ScoreBoard(ClientContext& ctx, QObject* parent = nullptr);

    Hooks hooks;

    // ---- what the window shows ----
    const Seat& seat(int n) const { return m_seats.at(checkedSeat(n) - 1); }
    const QString& status() const { return m_status; }
    const QString& roundText() const { return m_round; }
    const QString& gameTypeText() const { return m_gameType; }
    const QString& timePerTurnText() const { return m_timePerTurnText; }
    int timePerTurn() const { return m_timePerTurn; }
    const QString& playToText() const { return m_playTo; }
    int barStep() const { return m_barStep; }
    int barWidth() const { return m_barWidth; }
    int turnSecondsLeft() const { return m_turnSecondsLeft; }
    const QString& timerText() const { return m_timerText; }
    QColor timerColour() const { return m_timerRed ? QColor(Qt::red) : QColor(Qt::black); }
    bool timerRed() const { return m_timerRed; }
    bool turnClockRunning() const { return m_turntime.isActive(); }
    const QString& winnerText1() const { return m_winner1; }
    // The banner's shadow line repeats the winner text.
    const QString& winnerText2() const { return m_winner1; }
    bool winnerShown() const { return m_winnerShown; }
    bool startShown() const { return m_startShown; }
    bool startMenuEnabled() const { return m_startMenuEnabled; }
    bool clearShown() const { return m_clearShown; }
    bool justWatchTicked() const { return m_ctx.state.justWatching; }

    // "Turn Sound": false Classic ("turn"), true New ("turnnew").
    bool turnSoundNew() const { return m_turnSoundNew; }
    void setTurnSoundNew(bool on) { m_turnSoundNew = on; }

    // Shown to the hosting player only; hosting and joining switch it.
    void setStartOffered(bool on);
    // The word went to the host: no Clear button until the next try.
    void hideClear();

    // ---- host messages ----
    void newplayerinfo(FieldReader& f);
    void playerdisconnected(FieldReader& f);
    void startthegame(FieldReader& f);
    void loadstats(FieldReader& f);
    void getnextplayer(FieldReader& f);
    void hefoundit(FieldReader& f);
    void nomatch(FieldReader& f);
    void outoftime(FieldReader& f);
    void roundover(FieldReader& f);
    void justwatching(FieldReader& f);
    void winner(FieldReader& f);
    // The round number that opens CMD_loadboard; also clears each seat's found mark and bonus.
    void loadboardRound(FieldReader& f);

    void clearall();
    // turntimeTimer: one second of the turn clock.
    void tick();

    // ---- commands ----
    void button_startClick();
    void justWatchClick();
    // Before a seat's pop-up opens: which items are enabled; remembers the seat.
    SeatMenu seatPopup(int seat);
    int popupSeat() const { return m_popupSeat; }
    void setToJustWatch();
    void unsetJustWatch();
    void removeFromGame();
    void kicking(int slot);
    // Names to offer in the tally's "Players In Current Game": other occupied seats.
    QStringList tallyCandidates() const;

    // Bar pixels per second for a time per turn (1 from 184 up).
    static int barStepFor(int timePerTurn);
    // "Time: m:ss".
    static QString clockText(int seconds);

signals:
    void changed();

private:
    static int checkedSeat(int n);
    void endOfTurn(FieldReader& f, const QString& statusText, const QString& soundName);
    void setTimePerTurn(int seconds, const QString& shown);
    Seat& seatRef(int n) { return m_seats.at(checkedSeat(n) - 1); }
    bool isSeat(int slot) const { return slot >= 1 && slot <= Seats; }

    ClientContext& m_ctx;
    std::array<Seat, Seats> m_seats;
    QString m_status;
    QString m_round;
    QString m_gameType;
    QString m_timePerTurnText;
    int m_timePerTurn = 45;
    QString m_playTo;
    int m_barStep = 4;
    int m_barWidth = BarFullWidth;
    int m_turnSecondsLeft = 0;
    QString m_timerText;
    bool m_timerRed = false;
    QString m_winner1;
    bool m_winnerShown = false;
    bool m_startShown = true;
    bool m_startMenuEnabled = true;
    bool m_clearShown = false;
    bool m_turnSoundNew = false;
    int m_popupSeat = 0;
    QTimer m_turntime;
};
