#pragma once
// The sounds carried inside the program: RIFF WAVE files in a resource folder, found by
// name without regard to case ("TICK", "tick" and "Tick" are the same sound), decoded on
// first use into PCM that the audio output can play, and kept decoded. The decoding is
// the audio plugin's (libsndfile), unless the bank is given a decoder of its own.
#include "client/DecodedSound.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class AudioPlugin;

class SoundBank {
public:
    // The built-in sounds.
    static constexpr const char* BuiltIn = ":/sounds";

    // Turns one complete sound file into PCM; nothing when it cannot.
    using Decoder = std::function<std::optional<DecodedSound>(const QByteArray& fileBytes, const QString& name)>;

    // Every "*.wav" file of the folder (a resource path or a directory) is a sound named
    // after its file name without the extension; the audio plugin decodes them.
    explicit SoundBank(const QString& folder = QString::fromLatin1(BuiltIn));
    SoundBank(const QString& folder, Decoder decoder);
    // Decoding through the given plugin, which the caller keeps while the bank lives.
    SoundBank(const QString& folder, AudioPlugin& plugin);

    // The lower-case names of all sounds, sorted.
    QStringList names() const;
    bool contains(const QString& name) const;

    // The decoded sound, or null for a name the bank does not hold or a file it cannot
    // decode (reported once on stderr).
    SoundPtr find(const QString& name);

    // Decodes every sound now rather than on first use.
    void preload();

private:
    Decoder m_decode;
    QHash<QString, QString> m_files;   // lower-case name -> path
    QHash<QString, SoundPtr> m_decoded;
    QSet<QString> m_broken;    // reported once, not tried again
};
