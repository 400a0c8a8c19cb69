#include "audio/SoundBackend.h"

#include "audio/PulseOutput.h"
#include "audio/SoundDecoder.h"

std::optional<DecodedSound> SoundBackend::decode(const QByteArray& fileBytes, const QString& name) const
{
    return decodeSound(fileBytes, name);
}

std::unique_ptr<SoundOutput> SoundBackend::createOutput(Device device) const
{
    return std::make_unique<PulseOutput>(device == Device::None ? PulseOutput::Server::None
                                                                : PulseOutput::Server::Default);
}
