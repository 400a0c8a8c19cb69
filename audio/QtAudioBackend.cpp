#include "audio/QtAudioBackend.h"

#include "audio/AudioSinkOutput.h"
#include "audio/SoundDecoder.h"

std::optional<DecodedSound> QtAudioBackend::decode(const QByteArray& fileBytes, const QString& name) const
{
    return decodeSound(fileBytes, name);
}

std::unique_ptr<SoundOutput> QtAudioBackend::createOutput(Device device) const
{
    if (device == Device::None)
        return std::make_unique<AudioSinkOutput>(QAudioDevice());
    return std::make_unique<AudioSinkOutput>();
}
