#include "client/GameStartOptions.h"

#include "net/Protocol.h"
#include "net/Wire.h"

#include <algorithm>

SteppedValue::SteppedValue(int minimum, int maximum, int increment, int position)
    : m_min(minimum), m_max(std::max(minimum, maximum)), m_increment(increment), m_position(minimum)
{
    setPosition(position);
}

void SteppedValue::setPosition(int position)
{
    m_position = std::clamp(position, m_min, m_max);
}

void SteppedValue::setTyped(int value)
{
    if (m_increment <= 0) {
        setPosition(value);
        return;
    }
    // The nearest step from the minimum, a half step rounding up; computed wide.
    const long long offset = std::clamp<long long>(value, m_min, m_max) - m_min;
    const long long steps = (offset + m_increment / 2) / m_increment;
    m_position = static_cast<int>(std::clamp<long long>(m_min + steps * m_increment, m_min, m_max));
}

void SteppedValue::stepBy(int steps)
{
    // Computed wide so that a large step count cannot overflow before the clamp.
    const long long target = static_cast<long long>(m_position) + static_cast<long long>(steps) * m_increment;
    m_position = static_cast<int>(std::clamp<long long>(target, m_min, m_max));
}

void GameStartOptions::checkscram(int which)
{
    m_scrambled = which != 2;
}

void GameStartOptions::checkonly(int state)
{
    m_onlyLetters = state != 0;
}

void GameStartOptions::clickPair(const QString& hint)
{
    checkscram(hint == StraightHint ? 2 : 1);
}

void GameStartOptions::toggleOnlyLetters()
{
    checkonly(m_onlyLetters ? 0 : 1);
}

Message GameStartOptions::startMessage(const QString& playerName) const
{
    QString name = playerName;
    name.replace(QLatin1Char('+'), QLatin1Char('?'));
    proto::StartGame start;
    start.starter = wire::toWire(name);
    start.playTo = playToScore.text().toLatin1();
    start.secondsPerTurn = creationTime.text().toLatin1();
    start.scrambledFlag = m_scrambled ? "t" : "f";
    start.onlyLettersFlag = m_onlyLetters ? "t" : "f";
    return start.message();
}

void GameStartOptions::setLanguage(const QString& code)
{
    if (wordlanguages::isKnown(code))
        m_language = code;
}

Message GameStartOptions::languageMessage() const
{
    return proto::ChooseLanguage{m_language.toLatin1()}.message();
}
