#include "client/SoundPlayer.h"

#include "client/Preferences.h"

#include <QLoggingCategory>

// Every sound asked for, for checking which one a game event chose:
// QT_LOGGING_RULES="quillor.sounds.debug=true".
Q_LOGGING_CATEGORY(lcSounds, "quillor.sounds", QtInfoMsg)

SoundPlayer::SoundPlayer(const Preferences& prefs, Alert alert, QObject* parent)
    : SoundPlayer(prefs, std::make_unique<SoundBank>(), std::make_unique<AudioSinkOutput>(), std::move(alert), parent)
{
}

SoundPlayer::SoundPlayer(const Preferences& prefs, std::unique_ptr<SoundBank> bank,
                         std::unique_ptr<SoundOutput> output, Alert alert, QObject* parent)
    : QObject(parent)
    , m_prefs(prefs)
    , m_bank(std::move(bank))
    , m_output(std::move(output))
    , m_alert(std::move(alert))
{
    Q_ASSERT(m_bank && m_output);
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& name)
{
    qCDebug(lcSounds).noquote() << "play" << name;
    if (const SoundPtr sound = m_bank->find(name)) {
        m_output->start(sound);
        return;
    }
    // The alert takes the place of the missing sound, so what played before stops too.
    m_output->stop();
    if (m_alert)
        m_alert();
}

bool SoundPlayer::soundsOn() const
{
    return m_prefs.playSounds();
}

void SoundPlayer::playsounds(const QString& name)
{
    if (soundsOn())
        play(name);
}
