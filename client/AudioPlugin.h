#pragma once
// The audio plugin (library quillor_audio, from audio/), loaded when the first sound is
// decoded or played. Without it every sound is silent, which is said once on stderr.
#include "client/AudioBackend.h"
#include "client/ProjectPlugin.h"

#include <QStringList>
#include <memory>
#include <optional>

class AudioPlugin {
public:
    static constexpr const char* LibraryName = "quillor_audio";

    AudioPlugin();
    // Looks for the plugin only in the given folders.
    explicit AudioPlugin(const QStringList& folders);

    // The plugin's backend; null when it cannot be loaded.
    const AudioBackend* backend();
    // Why there is no backend; empty while there is one or it was not yet looked for.
    QString failure() const;

    // The backend's decoding, or nothing without the plugin.
    std::optional<DecodedSound> decode(const QByteArray& fileBytes, const QString& name);
    // A new output of the backend, or null without the plugin.
    std::unique_ptr<SoundOutput> createOutput(AudioBackend::Device device);

private:
    ProjectPlugin m_plugin;
    const AudioBackend* m_backend = nullptr;
    bool m_looked = false;
};
