#pragma once
// Plays the client's sounds by name, one at a time and without waiting.
//
// A new sound cuts off the one playing. A name the bank does not hold sounds the platform's
// alert instead. `playsounds` is the way the game's event sounds go: it plays only while
// sounds are on (the "Play Sounds" option, on by default); chatter sounds use `play`.
#include "client/SoundBank.h"
#include "client/SoundOutput.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class SoundPlayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool soundsOn READ soundsOn WRITE setSoundsOn NOTIFY soundsOnChanged)

public:
    using Alert = std::function<void()>;

    // The built-in sounds on the default audio output; the window passes the desktop's
    // beep as the alert (without one a missing sound is simply not heard).
    explicit SoundPlayer(Alert alert = {}, QObject* parent = nullptr);
    SoundPlayer(std::unique_ptr<SoundBank> bank, std::unique_ptr<SoundOutput> output,
                Alert alert, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Plays the named sound (any letter case) whatever the option says.
    void play(const QString& name);
    // Plays the named event sound if sounds are on.
    void playsounds(const QString& name);

    bool soundsOn() const { return m_soundsOn; }
    void setSoundsOn(bool on);

    SoundBank& bank() { return *m_bank; }
    SoundOutput& output() { return *m_output; }

signals:
    void soundsOnChanged(bool on);

private:
    std::unique_ptr<SoundBank> m_bank;
    std::unique_ptr<SoundOutput> m_output;
    Alert m_alert;
    bool m_soundsOn = true;
};
