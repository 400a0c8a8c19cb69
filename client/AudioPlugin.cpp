#include "client/AudioPlugin.h"

#include <QtDebug>

AudioPlugin::AudioPlugin() : m_plugin(QString::fromLatin1(LibraryName)) {}

AudioPlugin::AudioPlugin(const QStringList& folders) : m_plugin(QString::fromLatin1(LibraryName), folders) {}

const AudioBackend* AudioPlugin::backend()
{
    if (m_looked)
        return m_backend;
    m_looked = true;
    m_backend = m_plugin.as<AudioBackend>();
    if (!m_backend)
        qWarning("Sounds are silent: %s", qPrintable(m_plugin.failure()));
    return m_backend;
}

QString AudioPlugin::failure() const
{
    return m_plugin.failure();
}

std::optional<DecodedSound> AudioPlugin::decode(const QByteArray& fileBytes, const QString& name)
{
    const AudioBackend* b = backend();
    return b ? b->decode(fileBytes, name) : std::nullopt;
}

std::unique_ptr<SoundOutput> AudioPlugin::createOutput(AudioBackend::Device device)
{
    const AudioBackend* b = backend();
    return b ? b->createOutput(device) : nullptr;
}
