#pragma once
// What the audio plugin gives the client: sound files decoded from memory, and outputs
// that play decoded sounds. The plugin (audio/: Qt Multimedia, PulseAudio and libsndfile
// behind it) is loaded when the first sound is wanted (AudioPlugin), so the program
// starts and draws its window without those libraries.
//
// Header only, and only virtual calls cross it: the plugin needs none of the program's
// own code.
#include "client/DecodedSound.h"
#include "client/SoundOutput.h"

#include <QtPlugin>
#include <memory>
#include <optional>

class AudioBackend {
public:
    enum class Device {
        SystemDefault, // the system's default output as it is at each start
        None,          // no device: every sound is silent
    };

    virtual ~AudioBackend() = default;

    // Decodes one complete sound file (RIFF WAVE with PCM or MPEG Layer III data) held in
    // memory; nothing when it cannot be read.
    virtual std::optional<DecodedSound> decode(const QByteArray& fileBytes, const QString& name) const = 0;
    // A new output. Without an output device nothing is heard and nothing is reported to
    // the player; the first sound asked for without one says once on stderr that sounds
    // are silent.
    virtual std::unique_ptr<SoundOutput> createOutput(Device device) const = 0;
};

#define QuillorAudioBackend_iid "org.example.quillor.AudioBackend/1"
Q_DECLARE_INTERFACE(AudioBackend, QuillorAudioBackend_iid)
