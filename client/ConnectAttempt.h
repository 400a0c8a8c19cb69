#pragma once
// How this player's way into the game stands, for the round bar: while the window
// connects, its status line says so ("Loading Multi-player Game.. Please Wait."); when
// the connection (or hosting) fails, the failure takes that place, and the window offers
// to try again or to choose another game; once the host has logged this player in,
// nothing is left to say. The status line itself belongs to the round status: this
// writes into it.
#include <QObject>
#include <QString>

class RoundStatus;

class ConnectAttempt : public QObject {
    Q_OBJECT
public:
    enum class State {
        Idle,    // nothing asked for yet
        Waiting, // connecting (or hosting and connecting)
        Failed,  // it did not work; the player decides what next
        Done,    // logged in
    };

    explicit ConnectAttempt(RoundStatus& status, QObject* parent = nullptr);

    State state() const { return m_state; }
    bool failed() const { return m_state == State::Failed; }
    // After a failure: whether trying the same again makes sense (not when the command
    // line named no game at all).
    bool canRetry() const { return m_canRetry; }

    // An attempt begins; the status line shows `waitingText` meanwhile.
    void start(const QString& waitingText);
    // It failed: the status line shows `reason`.
    void fail(const QString& reason, bool canRetry = true);
    // This player is logged in: the waiting text, if still shown, makes way for the
    // status line's greeting.
    void succeed();

signals:
    void changed();

private:
    void set(State state, bool canRetry);

    RoundStatus& m_status;
    State m_state = State::Idle;
    bool m_canRetry = false;
    QString m_waitingText;
};
