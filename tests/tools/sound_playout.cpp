// Plays through the audio plugin's output on the default device of the sound server it
// finds (PULSE_SERVER): the long applause, at once replaced by the short "valid", as
// a game does when a new sound cuts one off. The sound test starts it beside a private
// sound server and records what reaches the speakers.
//
// Exit status: 0 when "valid" was playing and ran out; 3 when the new sound did not take
// the old one's place; 4 when it did not end in time (or no sound server played it); 5
// when the audio plugin cannot be loaded; 6 when a stream is left on the server after its
// sound is over.
#include "client/AudioPlugin.h"
#include "client/SoundBank.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(QUILLOR_BINARY_DIR));
    AudioPlugin plugin;
    const std::unique_ptr<SoundOutput> player = plugin.createOutput(AudioBackend::Device::SystemDefault);
    if (!player) {
        std::fprintf(stderr, "sound_playout: %s\n", qPrintable(plugin.failure()));
        return 5;
    }
    SoundOutput& output = *player;
    SoundBank bank(QString::fromLatin1(SoundBank::BuiltIn), plugin);
    output.start(bank.find(QStringLiteral("wave13")));
    output.start(bank.find(QStringLiteral("valid")));
    if (!output.playing() || output.playing()->name != QLatin1String("valid")) {
        std::fputs("sound_playout: \"valid\" is not the sound playing\n", stderr);
        return 3;
    }
    // The short sound runs out long before the applause it replaced would have.
    const QDeadlineTimer deadline(1200);
    while (output.playing() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    if (output.playing()) {
        std::fputs("sound_playout: \"valid\" was still playing after 1.2 s\n", stderr);
        return 4;
    }
    // The audio system still holds the last samples: let them reach the speakers.
    const QDeadlineTimer tail(400);
    while (!tail.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    // A sound that is over has left the server: no stream stays to keep the device awake.
    QProcess streams;
    streams.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!streams.waitForFinished(5000) || streams.exitCode() != 0) {
        std::fputs("sound_playout: pactl cannot list the server's streams\n", stderr);
        return 6;
    }
    if (const QByteArray left = streams.readAllStandardOutput().trimmed(); !left.isEmpty()) {
        std::fprintf(stderr, "sound_playout: streams left on the server: %s\n", left.constData());
        return 6;
    }
    return 0;
}
