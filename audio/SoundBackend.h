#pragma once
// The audio plugin's root object: libsndfile decodes, the sound server (PulseOutput) plays.
#include "client/AudioBackend.h"

#include <QObject>

class SoundBackend : public QObject, public AudioBackend {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuillorAudioBackend_iid)
    Q_INTERFACES(AudioBackend)

public:
    std::optional<DecodedSound> decode(const QByteArray& fileBytes, const QString& name) const override;
    std::unique_ptr<SoundOutput> createOutput(Device device) const override;
};
