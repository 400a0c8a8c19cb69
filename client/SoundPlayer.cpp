#include "client/SoundPlayer.h"

#include "client/AudioPlugin.h"
#include "client/Preferences.h"

#include <QLoggingCategory>

// Every sound asked for, for checking which one a game event chose:
// QT_LOGGING_RULES="quillor.sounds.debug=true".
Q_LOGGING_CATEGORY(lcSounds, "quillor.sounds", QtInfoMsg)

SoundPlayer::SoundPlayer(const Preferences& prefs, Alert alert, QObject* parent)
    : SoundPlayer(prefs, std::make_unique<AudioPlugin>(), std::move(alert), parent)
{
}

SoundPlayer::SoundPlayer(const Preferences& prefs, std::unique_ptr<AudioPlugin> plugin, Alert alert, QObject* parent)
    : QObject(parent)
    , m_prefs(prefs)
    , m_plugin(std::move(plugin))
    , m_bank(std::make_unique<SoundBank>(QString::fromLatin1(SoundBank::BuiltIn), *m_plugin))
    , m_alert(std::move(alert))
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

SoundOutput* SoundPlayer::output()
{
    if (!m_output && m_plugin && m_plugin->backend())
        m_output = m_plugin->createOutput(AudioBackend::Device::SystemDefault);
    return m_output.get();
}

void SoundPlayer::play(const QString& name)
{
    qCDebug(lcSounds).noquote() << "play" << name;
    SoundOutput* out = output();
    if (!out)
        return; // no audio plugin: every sound is silent
    if (const SoundPtr sound = m_bank->find(name)) {
        out->start(sound);
        return;
    }
    // The alert takes the place of the missing sound, so what played before stops too.
    out->stop();
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
