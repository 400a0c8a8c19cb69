#pragma once
// The sounds carried inside the program: RIFF WAVE files in a resource folder, found by
// name without regard to case ("TICK", "tick" and "Tick" are the same sound), decoded on
// first use with libsndfile into PCM that the audio output can play, and kept decoded.
#include <QAudioFormat>
#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct DecodedSound {
    // How the sound is stored in its file.
    enum class Encoding { Pcm8, Pcm16, MpegLayer3, Other };

    QString name;          // lower case
    Encoding encoding = Encoding::Other;
    QAudioFormat format;   // of pcm: 8-bit sounds stay unsigned 8-bit, all others 16-bit
    QByteArray pcm;        // interleaved frames

    qint64 frames() const { return format.bytesPerFrame() > 0 ? pcm.size() / format.bytesPerFrame() : 0; }
    qint64 durationMs() const
    {
        return format.sampleRate() > 0 ? frames() * 1000 / format.sampleRate() : 0;
    }
};

using SoundPtr = std::shared_ptr<const DecodedSound>;

// Decodes one complete WAVE file held in memory; nothing when libsndfile cannot read it.
std::optional<DecodedSound> decodeSound(const QByteArray& fileBytes, const QString& name = QString());

class SoundBank {
public:
    // The built-in sounds.
    static constexpr const char* BuiltIn = ":/sounds";

    // Every "*.wav" file of the folder (a resource path or a directory) is a sound named
    // after its file name without the extension.
    explicit SoundBank(const QString& folder = QString::fromLatin1(BuiltIn));

    // The lower-case names of all sounds, sorted.
    QStringList names() const;
    bool contains(const QString& name) const;

    // The decoded sound, or null for a name the bank does not hold or a file it cannot
    // decode (reported once on stderr).
    SoundPtr find(const QString& name);

    // Decodes every sound now rather than on first use.
    void preload();

private:
    QHash<QString, QString> m_files;   // lower-case name -> path
    QHash<QString, SoundPtr> m_decoded;
    QSet<QString> m_broken;    // reported once, not tried again
};
