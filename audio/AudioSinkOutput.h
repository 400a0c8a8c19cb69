#pragma once
// Plays decoded sounds through Qt Multimedia, one at a time. The audio system pulls the
// samples in the background, so starting returns at once. Without an output device, or
// when the device refuses the sound, nothing is heard and nothing is reported to the
// player; the first sound asked for without a device says once on stderr that sounds are
// silent.
#include "client/SoundOutput.h"

#include <QAudioDevice>
#include <QObject>

class QAudioSink;
class QBuffer;

class AudioSinkOutput : public QObject, public SoundOutput {
    Q_OBJECT

public:
    // Plays on the system's default output as it is at each start.
    explicit AudioSinkOutput(QObject* parent = nullptr);
    // Plays on the given device; a null device means silence.
    explicit AudioSinkOutput(const QAudioDevice& device, QObject* parent = nullptr);
    ~AudioSinkOutput() override;

    void start(const SoundPtr& sound) override;
    void stop() override;
    SoundPtr playing() const override;

private:
    QAudioDevice device();
    void release();

    bool m_followDefault = true;
    bool m_devicesLookedUp = false;
    bool m_silenceReported = false;
    QAudioDevice m_device;
    QAudioSink* m_sink = nullptr;
    QBuffer* m_buffer = nullptr;
    SoundPtr m_sound;
};
