#pragma once
// A sound decoded into PCM samples that an audio output can play. Header only: the audio
// plugin fills it in, the client keeps it, and neither needs the other's code for it.
#include <QByteArray>
#include <QString>
#include <memory>

// How the decoded samples are laid out: interleaved frames of `channels` samples.
struct PcmFormat {
    enum class Sample { UInt8, Int16 };

    int channels = 0;
    int sampleRate = 0;
    Sample sample = Sample::Int16;

    int bytesPerSample() const { return sample == Sample::UInt8 ? 1 : 2; }
    int bytesPerFrame() const { return channels * bytesPerSample(); }
};

struct DecodedSound {
    // How the sound is stored in its file.
    enum class Encoding { Pcm8, Pcm16, MpegLayer3, Other };

    QString name;          // lower case
    Encoding encoding = Encoding::Other;
    PcmFormat format;      // of pcm: 8-bit sounds stay unsigned 8-bit, all others 16-bit
    QByteArray pcm;        // interleaved frames

    qint64 frames() const { return format.bytesPerFrame() > 0 ? pcm.size() / format.bytesPerFrame() : 0; }
    qint64 durationMs() const
    {
        return format.sampleRate > 0 ? frames() * 1000 / format.sampleRate : 0;
    }
};

using SoundPtr = std::shared_ptr<const DecodedSound>;
