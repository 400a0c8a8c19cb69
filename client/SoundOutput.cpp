#include "client/SoundOutput.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace {

// 8-bit samples widened to 16 bits, for devices that take no 8-bit data.
QByteArray widenTo16(const QByteArray& pcm8)
{
    QByteArray out(pcm8.size() * 2, Qt::Uninitialized);
    auto* samples = reinterpret_cast<qint16*>(out.data());
    for (qsizetype i = 0; i < pcm8.size(); ++i)
        samples[i] = static_cast<qint16>((static_cast<unsigned char>(pcm8[i]) - 128) << 8);
    return out;
}

} // namespace

AudioSinkOutput::AudioSinkOutput(QObject* parent) : QObject(parent) {}

AudioSinkOutput::AudioSinkOutput(const QAudioDevice& device, QObject* parent)
    : QObject(parent), m_followDefault(false), m_device(device)
{
}

AudioSinkOutput::~AudioSinkOutput()
{
    stop();
}

QAudioDevice AudioSinkOutput::device() const
{
    return m_followDefault ? QMediaDevices::defaultAudioOutput() : m_device;
}

void AudioSinkOutput::start(const SoundPtr& sound)
{
    stop();
    if (!sound || sound->pcm.isEmpty())
        return;
    const QAudioDevice out = device();
    if (out.isNull())
        return;

    QAudioFormat format = sound->format;
    QByteArray pcm = sound->pcm;
    if (!out.isFormatSupported(format) && format.sampleFormat() == QAudioFormat::UInt8) {
        format.setSampleFormat(QAudioFormat::Int16);
        pcm = widenTo16(pcm);
    }
    if (!out.isFormatSupported(format))
        return;

    m_buffer = new QBuffer(this);
    m_buffer->setData(pcm);
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(out, format, this);
    connect(m_sink, &QAudioSink::stateChanged, this, [this, sink = m_sink](QAudio::State state) {
        if (sink != m_sink)
            return;
        if (state == QAudio::IdleState) {
            // Every sample has been handed to the audio system, which is still playing the
            // last of them; the sink stays until the next sound so that tail is not cut.
            m_sound.reset();
        } else if (state == QAudio::StoppedState && sink->error() != QAudio::NoError) {
            release();
        }
    });
    m_sound = sound;
    m_sink->start(m_buffer);
    if (m_sink && m_sink->error() != QAudio::NoError)
        stop();
}

void AudioSinkOutput::release()
{
    // Called from the sink's own signal: let it return before it goes.
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->deleteLater();
        m_sink = nullptr;
    }
    if (m_buffer) {
        m_buffer->deleteLater();
        m_buffer = nullptr;
    }
    m_sound.reset();
}

void AudioSinkOutput::stop()
{
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->reset(); // drop what the audio system still holds, so the sound ends now
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }
    delete m_buffer;
    m_buffer = nullptr;
    m_sound.reset();
}

SoundPtr AudioSinkOutput::playing() const
{
    return m_sound;
}
