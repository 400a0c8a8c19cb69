#pragma once
// This player's part in the current turn: who may pick letters now, whether the word
// lies straight or scrambled, whether this player only watches, and whether his Clear
// button is offered. Each of these has its writer here and nowhere else; the word entry
// reads them to judge a click.
#include "client/ClientContext.h"

#include <QObject>

class TurnState : public QObject {
    Q_OBJECT
public:
    explicit TurnState(const ClientContext& context, QObject* parent = nullptr);

    // Slot that may pick letters now; 0 nobody.
    int activeplayer() const { return m_activeplayer; }
    bool myTurn() const { return m_activeplayer != 0 && m_activeplayer == m_context.state.myslot; }
    // 0 straight, 1 scrambled.
    int gametype() const { return m_straight ? 0 : 1; }
    bool straight() const { return m_straight; }
    // The "Just Watch" tick, which only the host's answer sets.
    bool justWatching() const { return m_justWatching; }
    bool clearShown() const { return m_clearShown; }
    // This player holds no seat: he only watches the game (the spy list names him).
    bool spectating() const { return m_spectating; }
    // He watches, from beyond the seats or from a seat set to just watch.
    bool watching() const { return m_spectating || m_justWatching; }
    // A game runs: from its start (or a latecomer's arrival in it) to its winner. The host
    // lets a seat start watching only then.
    bool gameRunning() const { return m_gameRunning; }

    // A search begins (CMD_nextplayer): the slot may pick, and this player's Clear button
    // shows when it is his own.
    void startSearch(int slot);
    // This player's word was refused: a seated player picks again in the time left.
    void retry();
    // A latecomer's state: his turn is running, or not.
    void resume(bool myTurn);
    // The clock ran out: nobody picks any more; the Clear button stays.
    void endPicking();
    // This player's word went to the host.
    void wordSent();
    // His word was found, the round ended or the game was won.
    void hideClear();
    void setStraight(bool straight);
    // A seat set to just watch is offered no Clear button.
    void setJustWatching(bool watching);
    void setSpectating(bool spectating);
    void setGameRunning(bool running);

signals:
    void changed();
    // A search began; `mine` when this player may pick.
    void searchStarted(bool mine);

private:
    void setActive(int slot, bool clearShown);

    const ClientContext& m_context;
    int m_activeplayer = 0;
    bool m_straight = false;
    bool m_justWatching = false;
    bool m_clearShown = false;
    bool m_spectating = false;
    bool m_gameRunning = false;
};
