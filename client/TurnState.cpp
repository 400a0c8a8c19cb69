#include "client/TurnState.h"

TurnState::TurnState(const ClientContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
{
}

void TurnState::setActive(int slot, bool clearShown)
{
    m_activeplayer = slot;
    m_clearShown = clearShown;
    emit changed();
}

void TurnState::startSearch(int slot)
{
    const bool mine = slot == m_context.state.myslot;
    setActive(slot, mine && !m_justWatching);
    emit searchStarted(mine);
}

void TurnState::retry()
{
    // A spectator is told his word was wrong, but may not pick.
    if (game::isSeat(m_context.state.myslot))
        setActive(m_context.state.myslot, !m_justWatching);
}

void TurnState::resume(bool myTurn)
{
    m_activeplayer = myTurn ? m_context.state.myslot : 0;
    emit changed();
}

void TurnState::endPicking()
{
    m_activeplayer = 0;
    emit changed();
}

void TurnState::wordSent()
{
    setActive(0, false);
}

void TurnState::hideClear()
{
    m_clearShown = false;
    emit changed();
}

void TurnState::setStraight(bool straight)
{
    m_straight = straight;
    emit changed();
}

void TurnState::setJustWatching(bool watching)
{
    m_justWatching = watching;
    if (watching)
        m_clearShown = false;
    emit changed();
}

void TurnState::setGameRunning(bool running)
{
    m_gameRunning = running;
    emit changed();
}

void TurnState::setSpectating(bool spectating)
{
    m_spectating = spectating;
    emit changed();
}
