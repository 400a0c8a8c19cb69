#pragma once
// Plays decoded sounds on the sound server (PulseAudio, or PipeWire speaking its
// protocol), one at a time, through the server's default output as it is at each sound.
// The client library runs in the Qt event loop (PulseMainloop): starting a sound returns
// at once, the samples are handed over as the server asks for them, and the sound is over
// once the server has played them out.
//
// The server is first asked for at the first sound; no server is ever started. Without
// one, or without an output device, nothing is heard and nothing is reported to the
// player; the first sound asked for then says once on stderr that sounds are silent. A
// server that went away is asked for again at the next sound.
#include "client/SoundOutput.h"

#include <QObject>

struct pa_context;
struct pa_stream;
struct pa_operation;
class PulseMainloop;

class PulseOutput : public QObject, public SoundOutput {
    Q_OBJECT

public:
    enum class Server {
        Default, // the one the environment names (PULSE_SERVER), else the session's
        None,    // none: every sound is silent
    };

    explicit PulseOutput(Server server = Server::Default, QObject* parent = nullptr);
    ~PulseOutput() override;

    void start(const SoundPtr& sound) override;
    void stop() override;
    SoundPtr playing() const override;

private:
    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void streamWants(pa_stream* stream, size_t bytes, void* self);
    static void streamDrained(pa_stream* stream, int success, void* self);

    bool connectServer();
    void dropServer();
    void openStream();
    void closeStream();
    void sayOnceSilent();

    const bool m_silent;
    PulseMainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    pa_operation* m_drain = nullptr;
    SoundPtr m_sound;      // asked for and not yet played out
    qsizetype m_sent = 0;  // bytes of it handed to the server
    bool m_silenceReported = false;
};
