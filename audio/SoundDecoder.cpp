#include "audio/SoundDecoder.h"

#include <algorithm>
#include <cstring>
#include <sndfile.h>
#include <vector>

namespace {

// libsndfile reads the file from memory through these callbacks.
struct MemoryFile {
    const QByteArray* bytes;
    sf_count_t pos = 0;
};

sf_count_t memLength(void* user)
{
    return static_cast<MemoryFile*>(user)->bytes->size();
}

sf_count_t memSeek(sf_count_t offset, int whence, void* user)
{
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t size = f->bytes->size();
    sf_count_t target = offset;
    if (whence == SEEK_CUR)
        target = f->pos + offset;
    else if (whence == SEEK_END)
        target = size + offset;
    f->pos = std::clamp<sf_count_t>(target, 0, size);
    return f->pos;
}

sf_count_t memRead(void* out, sf_count_t count, void* user)
{
    auto* f = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::clamp<sf_count_t>(f->bytes->size() - f->pos, 0, count);
    if (n > 0)
        std::memcpy(out, f->bytes->constData() + f->pos, static_cast<size_t>(n));
    f->pos += n;
    return n;
}

sf_count_t memWrite(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t memTell(void* user)
{
    return static_cast<MemoryFile*>(user)->pos;
}

DecodedSound::Encoding encodingOf(int format)
{
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8:
        return DecodedSound::Encoding::Pcm8;
    case SF_FORMAT_PCM_16:
        return DecodedSound::Encoding::Pcm16;
    case SF_FORMAT_MPEG_LAYER_III:
        return DecodedSound::Encoding::MpegLayer3;
    default:
        return DecodedSound::Encoding::Other;
    }
}

// Frames are read in pieces: the frame count in a compressed file's header is only an estimate.
std::vector<short> readAllFrames(SNDFILE* file, int channels)
{
    constexpr sf_count_t kChunkFrames = 4096;
    std::vector<short> samples;
    std::vector<short> chunk(static_cast<size_t>(kChunkFrames * channels));
    for (;;) {
        const sf_count_t got = sf_readf_short(file, chunk.data(), kChunkFrames);
        if (got <= 0)
            break;
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + got * channels);
    }
    return samples;
}

} // namespace

std::optional<DecodedSound> decodeSound(const QByteArray& fileBytes, const QString& name)
{
    SF_VIRTUAL_IO io{memLength, memSeek, memRead, memWrite, memTell};
    MemoryFile memory{&fileBytes};
    SF_INFO info{};
    SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &memory);
    if (!file)
        return std::nullopt;
    if (info.channels < 1 || info.channels > 8 || info.samplerate <= 0) {
        sf_close(file);
        return std::nullopt;
    }
    // Samples come out at full 16-bit range whatever the source's width.
    const std::vector<short> samples = readAllFrames(file, info.channels);
    sf_close(file);
    if (samples.empty())
        return std::nullopt;

    DecodedSound sound;
    sound.name = name.toLower();
    sound.encoding = encodingOf(info.format);
    sound.format.channels = info.channels;
    sound.format.sampleRate = info.samplerate;
    if (sound.encoding == DecodedSound::Encoding::Pcm8) {
        sound.format.sample = PcmFormat::Sample::UInt8;
        sound.pcm.resize(static_cast<qsizetype>(samples.size()));
        char* out = sound.pcm.data();
        for (size_t i = 0; i < samples.size(); ++i)
            out[i] = static_cast<char>(static_cast<unsigned char>((samples[i] >> 8) + 128));
    } else {
        sound.format.sample = PcmFormat::Sample::Int16;
        sound.pcm = QByteArray(reinterpret_cast<const char*>(samples.data()),
                               static_cast<qsizetype>(samples.size() * sizeof(short)));
    }
    return sound;
}
