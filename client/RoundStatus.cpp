#include "client/RoundStatus.h"

#include <QCoreApplication>
#include "net/WordLanguages.h"

RoundStatus::RoundStatus(QObject* parent)
    : QObject(parent)
    , m_status(welcomeText())
    , m_round(QCoreApplication::translate("RoundStatus", "ROUND: %1").arg(0))
    , m_gameType(QCoreApplication::translate("RoundStatus", "Game Type: Scrambled"))
    , m_playTo(QCoreApplication::translate("RoundStatus", "Play To Score: %1").arg(Unknown))
    , m_winner(QCoreApplication::translate("RoundStatus", "You Have Won The Game!"))
{
}

QString RoundStatus::welcomeText()
{
    return QCoreApplication::translate("RoundStatus", qUtf8Printable(Welcome));
}

void RoundStatus::setStatus(const QString& text)
{
    m_status = text;
    emit changed();
}

void RoundStatus::setRound(const QString& round)
{
    m_round = QCoreApplication::translate("RoundStatus", "ROUND: %1").arg(round);
    emit changed();
}

void RoundStatus::setGameType(bool straight)
{
    m_gameType = straight ? QCoreApplication::translate("RoundStatus", "Game Type: STRAIGHT") : QCoreApplication::translate("RoundStatus", "Game Type: SCRAMBLED");
    emit changed();
}

void RoundStatus::setLanguage(const QString& code)
{
    m_language = code;
    emit changed();
}

QString RoundStatus::languageText() const
{
    const QString name = wordlanguages::nameOf(m_language);
    return name.isEmpty() ? m_language : name;
}

void RoundStatus::setPlayTo(const QString& target)
{
    m_playTo = QCoreApplication::translate("RoundStatus", "Play To Score: %1").arg(target);
    emit changed();
}

void RoundStatus::showWinner(const QString& text)
{
    m_winner = text;
    m_winnerShown = true;
    emit changed();
}

void RoundStatus::newGame()
{
    m_round = QCoreApplication::translate("RoundStatus", "ROUND: %1").arg(0);
    m_winnerShown = false;
    emit changed();
}

void RoundStatus::setStartOffered(bool on)
{
    m_leads = on;
    emit changed();
}

void RoundStatus::setGameRunning(bool running)
{
    m_gameRunning = running;
    if (running)
        m_playAgain = false;
    emit changed();
}

void RoundStatus::setPlayAgainOffered(bool on)
{
    m_playAgain = on;
    emit changed();
}

void RoundStatus::setReconnecting(bool on)
{
    m_reconnecting = on;
    emit changed();
}
