#include "client/AudioPlugin.h"

#include <QtDebug>

AudioPlugin::AudioPlugin() : m_plugin(QString::fromLatin1(LibraryName)) {}

AudioPlugin::AudioPlugin(const QStringList& folders) : m_plugin(QString::fromLatin1(LibraryName), folders) {}

const AudioBackend* AudioPlugin::backend()
{
    if (m_looked)
        return m_backend;
    m_looked = true;
    QObject* root = m_plugin.instance();
    m_backend = qobject_cast<AudioBackend*>(root);
    if (!m_backend) {
        m_failure = root ? QStringLiteral("the audio plugin is of another version") : m_plugin.failure();
        qWarning("Sounds are silent: %s", qPrintable(m_failure));
    }
    return m_backend;
}

QString AudioPlugin::failure() const
{
    return m_failure;
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
