#pragma once
// Plays the client's sounds by name, one at a time and without waiting.
//
// A new sound cuts off the one playing. A name the bank does not hold sounds the platform's
// alert instead. `playsounds` is the way the game's event sounds go: it plays only while
// the preferences have "Play Sounds" on; chatter sounds use `play`.
//
// The built-in player loads the audio plugin with its first sound: until then the program
// has mapped no audio library. Without the plugin every sound is silent (said once).
#include "client/SoundBank.h"
#include "client/SoundOutput.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AudioPlugin;
class Preferences;

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    using Alert = std::function<void()>;

    // The built-in sounds on the default audio output; the window passes the desktop's
    // beep as the alert (without one a missing sound is simply not heard).
    explicit SoundPlayer(const Preferences& prefs, Alert alert = {}, QObject* parent = nullptr);
    // The built-in sounds through the given plugin.
    SoundPlayer(const Preferences& prefs, std::unique_ptr<AudioPlugin> plugin, Alert alert, QObject* parent = nullptr);
    SoundPlayer(const Preferences& prefs, std::unique_ptr<SoundBank> bank, std::unique_ptr<SoundOutput> output,
                Alert alert, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Plays the named sound (any letter case) whatever the option says.
    void play(const QString& name);
    // Plays the named event sound if sounds are on.
    void playsounds(const QString& name);

    // "Play Sounds", as the preferences hold it.
    bool soundsOn() const;

    SoundBank& bank() { return *m_bank; }

private:
    // The output, made by the audio plugin on the first call; null without the plugin.
    SoundOutput* output();

    const Preferences& m_prefs;
    // Declared first, so that it outlives the bank and the output it serves.
    std::unique_ptr<AudioPlugin> m_plugin; // null when bank and output were given
    std::unique_ptr<SoundBank> m_bank;
    std::unique_ptr<SoundOutput> m_output;
    Alert m_alert;
};
