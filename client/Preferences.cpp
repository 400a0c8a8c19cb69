#include "client/Preferences.h"

Preferences::Preferences(QObject* parent)
    : QObject(parent)
{
    const QStringList defaults = defaultPhrases();
    for (int i = 0; i < PhraseCount; ++i)
        m_phrases[i] = defaults.at(i);
}

QStringList Preferences::defaultPhrases()
{
    return {
        QStringLiteral("Way To Go!"),
        QStringLiteral("Good One!"),
        QStringLiteral("Nice Try!"),
        QStringLiteral("Excellent!"),
        QStringLiteral("Brilliant!"),
        QStringLiteral("Wow, WTG!"),
        QStringLiteral("Thanks!"),
        QStringLiteral("Way To Go Teamie!"),
        QStringLiteral("Good Game Everyone!"),
        QStringLiteral("/me waves \"Good-Bye\""),
    };
}

template <typename T>
void Preferences::set(T& field, const T& value, Key key)
{
    if (field == value)
        return;
    field = value;
    emit changed(key);
}

void Preferences::setTextSize(int points)
{
    set(m_textSize, isTextSize(points) ? points : DefaultTextSize, Key::TextSize);
}

void Preferences::setChatColour(ColorValue colour)
{
    set(m_chatColour, colour, Key::ChatColour);
}

void Preferences::setActionColour(ColorValue colour)
{
    set(m_actionColour, colour, Key::ActionColour);
}

void Preferences::setPlaySounds(bool on)
{
    set(m_playSounds, on, Key::PlaySounds);
}

void Preferences::setChatterSounds(bool on)
{
    set(m_chatterSounds, on, Key::ChatterSounds);
}

void Preferences::setTurnSoundNew(bool on)
{
    set(m_turnSoundNew, on, Key::TurnSound);
}

void Preferences::setHighContrast(bool on)
{
    set(m_highContrast, on, Key::HighContrast);
}

void Preferences::setTiles(const QString& name)
{
    set(m_tiles, name, Key::Tiles);
}

void Preferences::setStartOptions(const GameStartOptions& options)
{
    set(m_startOptions, options, Key::StartOptions);
}

QString Preferences::phrase(int n) const
{
    return n >= 1 && n <= PhraseCount ? m_phrases[n - 1] : QString();
}

void Preferences::setPhrase(int n, const QString& text)
{
    if (n >= 1 && n <= PhraseCount)
        set(m_phrases[n - 1], text, Key::Phrases);
}

QStringList Preferences::phrases() const
{
    return QStringList(m_phrases.begin(), m_phrases.end());
}

void Preferences::setPlacement(const QRect& rect)
{
    set(m_placement, rect, Key::Placement);
}
