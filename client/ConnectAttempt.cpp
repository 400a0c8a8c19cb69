#include "client/ConnectAttempt.h"

#include "client/RoundStatus.h"

ConnectAttempt::ConnectAttempt(RoundStatus& status, QObject* parent)
    : QObject(parent)
    , m_status(status)
{
}

void ConnectAttempt::set(State state, bool canRetry)
{
    m_state = state;
    m_canRetry = canRetry;
    emit changed();
}

void ConnectAttempt::start(const QString& waitingText)
{
    m_waitingText = waitingText;
    m_status.setStatus(waitingText);
    set(State::Waiting, false);
}

void ConnectAttempt::fail(const QString& reason, bool canRetry)
{
    m_status.setStatus(reason);
    set(State::Failed, canRetry);
}

void ConnectAttempt::succeed()
{
    if (m_state == State::Waiting && m_status.status() == m_waitingText)
        m_status.setStatus(RoundStatus::welcomeText());
    set(State::Done, false);
}
