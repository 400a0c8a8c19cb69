#pragma once
// Decoding of one complete sound file held in memory, with libsndfile.
#include "client/DecodedSound.h"

#include <optional>

// The sound as PCM; nothing when libsndfile cannot read it.
std::optional<DecodedSound> decodeSound(const QByteArray& fileBytes, const QString& name);
