#pragma once
// Where decoded sounds go. One sound at a time: starting a sound stops the one playing.
// The audio plugin makes the real outputs (AudioBackend::createOutput).
#include "client/DecodedSound.h"

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the sound without waiting for it, cutting off whatever plays.
    virtual void start(const SoundPtr& sound) = 0;
    virtual void stop() = 0;
    // The sound whose samples are still being played out, or null.
    virtual SoundPtr playing() const = 0;
};
