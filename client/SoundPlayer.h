#pragma once
// Plays the client's sounds by name, one at a time and without waiting.
//
// A new sound cuts off the one playing. A name the bank does not hold sounds the platform's
// alert instead. `playsounds` is the way the game's event sounds go: it plays only while
// the preferences have "Play Sounds" on; chatter sounds use `play`.
#include "client/SoundBank.h"
#include "client/SoundOutput.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class Preferences;

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    using Alert = std::function<void()>;

    // The built-in sounds on the default audio output; the window passes the desktop's
    // beep as the alert (without one a missing sound is simply not heard).
    explicit SoundPlayer(const Preferences& prefs, Alert alert = {}, QObject* parent = nullptr);
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
    SoundOutput& output() { return *m_output; }

private:
    const Preferences& m_prefs;
    std::unique_ptr<SoundBank> m_bank;
    std::unique_ptr<SoundOutput> m_output;
    Alert m_alert;
};
