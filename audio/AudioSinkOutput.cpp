#include "audio/AudioSinkOutput.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <cstdio>

namespace {

// Qt Multimedia looks for the audio system the first time any device is asked for, and
// its PulseAudio backend reports a missing sound server with a warning of its own. Having
// no sound server is an ordinary way to run the game (it then stays silent and says so
// once itself), so that one warning is held back while the devices are first looked up;
// every other message goes on to the handler that was in place.
class PulseNoticeFilter {
public:
    PulseNoticeFilter() { s_previous = qInstallMessageHandler(&filter); }
    ~PulseNoticeFilter()
    {
        qInstallMessageHandler(s_previous);
        s_previous = nullptr;
    }
    PulseNoticeFilter(const PulseNoticeFilter&) = delete;
    PulseNoticeFilter& operator=(const PulseNoticeFilter&) = delete;

private:
    static void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (message.startsWith(QLatin1String("PulseAudioService:")))
            return;
        if (s_previous)
            s_previous(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }

    // The handler in place while the filter is, so that other messages reach it.
    static inline QtMessageHandler s_previous = nullptr;
};

QAudioFormat audioFormatOf(const PcmFormat& pcm)
{
    QAudioFormat format;
    format.setChannelCount(pcm.channels);
    format.setSampleRate(pcm.sampleRate);
    format.setSampleFormat(pcm.sample == PcmFormat::Sample::UInt8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

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

QAudioDevice AudioSinkOutput::device()
{
    if (!m_followDefault)
        return m_device;
    if (m_devicesLookedUp)
        return QMediaDevices::defaultAudioOutput();
    m_devicesLookedUp = true;
    const PulseNoticeFilter quiet;
    return QMediaDevices::defaultAudioOutput();
}

void AudioSinkOutput::start(const SoundPtr& sound)
{
    stop();
    if (!sound || sound->pcm.isEmpty())
        return;
    const QAudioDevice out = device();
    if (out.isNull()) {
        if (!m_silenceReported) {
            m_silenceReported = true;
            qInfo("No audio output device: sounds are silent.");
        }
        return;
    }

    QAudioFormat format = audioFormatOf(sound->format);
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
