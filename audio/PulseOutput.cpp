#include "audio/PulseOutput.h"

#include "audio/PulseMainloop.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/operation.h>
#include <pulse/stream.h>

#include <algorithm>

namespace {

// A sound starts once this much is with the server (or at once when it is shorter): a
// short buffer keeps a new sound close to the click that asked for it, and cutting a
// sound off drops no more than this.
constexpr pa_usec_t BufferUsec = 80 * 1000;

} // namespace

PulseOutput::PulseOutput(Server server, QObject* parent)
    : QObject(parent), m_silent(server == Server::None), m_loop(new PulseMainloop(this))
{
}

PulseOutput::~PulseOutput()
{
    closeStream();
    dropServer();
    // The loop (a child) frees whatever the library left with it.
}

void PulseOutput::sayOnceSilent()
{
    if (m_silenceReported)
        return;
    m_silenceReported = true;
    qInfo("No audio output device: sounds are silent.");
}

bool PulseOutput::connectServer()
{
    if (m_context) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state != PA_CONTEXT_FAILED && state != PA_CONTEXT_TERMINATED)
            return true;
        dropServer(); // it went away: ask again
    }
    m_context = pa_context_new(m_loop->api(), "Quillor");
    if (!m_context)
        return false;
    pa_context_set_state_callback(m_context, &PulseOutput::contextChanged, this);
    // A game never starts a sound server of its own.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropServer();
        return false;
    }
    return true;
}

void PulseOutput::dropServer()
{
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

void PulseOutput::contextChanged(pa_context* context, void* self)
{
    auto* out = static_cast<PulseOutput*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        if (out->m_sound && !out->m_stream)
            out->openStream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // Released at the next sound, outside the library's own call.
        out->closeStream();
        out->m_sound.reset();
        out->sayOnceSilent();
        break;
    default:
        break;
    }
}

void PulseOutput::start(const SoundPtr& sound)
{
    stop();
    if (!sound || sound->pcm.isEmpty())
        return;
    if (m_silent || !connectServer()) {
        sayOnceSilent();
        return;
    }
    m_sound = sound;
    m_sent = 0;
    if (pa_context_get_state(m_context) == PA_CONTEXT_READY)
        openStream();
    // else the stream opens once the server has answered (contextChanged)
}

void PulseOutput::openStream()
{
    const PcmFormat& pcm = m_sound->format;
    pa_sample_spec spec {};
    spec.format = pcm.sample == PcmFormat::Sample::UInt8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = uint32_t(std::max(pcm.sampleRate, 0));
    spec.channels = uint8_t(std::clamp(pcm.channels, 0, 255));
    if (!pa_sample_spec_valid(&spec)) {
        m_sound.reset(); // a layout no server plays: silence
        return;
    }
    m_stream = pa_stream_new(m_context, qUtf8Printable(m_sound->name), &spec, nullptr);
    if (!m_stream) {
        m_sound.reset();
        return;
    }
    pa_stream_set_state_callback(m_stream, &PulseOutput::streamChanged, this);
    pa_stream_set_write_callback(m_stream, &PulseOutput::streamWants, this);

    pa_buffer_attr buffer {};
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(BufferUsec, &spec));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        closeStream();
        m_sound.reset();
    }
}

void PulseOutput::streamChanged(pa_stream* stream, void* self)
{
    auto* out = static_cast<PulseOutput*>(self);
    if (stream != out->m_stream)
        return;
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED) {
        // No output device, or the device refused the sound: silence, said once.
        out->m_sound.reset();
        out->sayOnceSilent();
    }
}

void PulseOutput::streamWants(pa_stream* stream, size_t bytes, void* self)
{
    auto* out = static_cast<PulseOutput*>(self);
    if (stream != out->m_stream || !out->m_sound || out->m_drain)
        return;
    const QByteArray& pcm = out->m_sound->pcm;
    const size_t left = size_t(pcm.size() - out->m_sent);
    const size_t n = std::min(bytes, left);
    // The library copies the samples (no free callback), so the sound may go any time.
    if (n > 0 && pa_stream_write(stream, pcm.constData() + out->m_sent, n, nullptr, 0, PA_SEEK_RELATIVE) == 0)
        out->m_sent += qsizetype(n);
    if (out->m_sent == pcm.size())
        out->m_drain = pa_stream_drain(stream, &PulseOutput::streamDrained, out);
}

void PulseOutput::streamDrained(pa_stream* stream, int, void* self)
{
    auto* out = static_cast<PulseOutput*>(self);
    if (stream != out->m_stream)
        return;
    // Every sample has been played (or the stream failed meanwhile): the sound is over.
    // The stream leaves the server too, once the library's call has returned: a stream
    // left waiting for samples would keep the output device from its idle sleep.
    out->m_sound.reset();
    QMetaObject::invokeMethod(
        out,
        [out, stream] {
            if (out->m_stream == stream && !out->m_sound)
                out->closeStream();
        },
        Qt::QueuedConnection);
}

void PulseOutput::closeStream()
{
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(m_drain);
        m_drain = nullptr;
    }
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        // Leaving the server drops what it still holds: the sound ends now.
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
}

void PulseOutput::stop()
{
    closeStream();
    m_sound.reset();
    m_sent = 0;
}

SoundPtr PulseOutput::playing() const
{
    return m_sound;
}
