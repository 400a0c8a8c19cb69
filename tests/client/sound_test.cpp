// The sound bank (every built-in sound decodes to its stored layout), decoding of PCM data
// held in memory, and the player's rules: one sound at a time, the alert for unknown
// names, the "Play Sounds" switch, and silence without an output device. Decoding and
// playing go through the audio plugin, loaded as the game loads it.
#include "client/AudioPlugin.h"
#include "client/Preferences.h"
#include "client/ProjectPlugin.h"
#include "client/SoundBank.h"
#include "client/SoundOutput.h"
#include "client/SoundPlayer.h"
#include "common/EventLoop.h"

#include <QDir>
#include <QFile>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <gtest/gtest.h>
#include <cmath>
#include <vector>

namespace {

struct Expected {
    const char* name;
    int channels;
    int rate;
    DecodedSound::Encoding encoding;
};

constexpr auto P8 = DecodedSound::Encoding::Pcm8;
constexpr auto U8 = PcmFormat::Sample::UInt8;
constexpr auto P16 = DecodedSound::Encoding::Pcm16;
constexpr auto MP3 = DecodedSound::Encoding::MpegLayer3;

const std::vector<Expected> kBank = {
    {"clear", 1, 11025, P16},      {"entered", 1, 11025, P8},   {"gameover", 1, 22050, P8},
    {"goodword", 1, 22050, P8},    {"goodwordthem", 1, 11025, P8}, {"invalid", 2, 11025, P16},
    {"roundover", 1, 22050, P8},   {"sendword", 1, 44100, P16}, {"tick", 1, 44100, P16},
    {"timeup", 1, 11025, P8},      {"turn", 2, 11025, P16},     {"turnnew", 1, 44100, P8},
    {"valid", 1, 11025, P8},       {"wave1", 1, 11025, P8},     {"wave2", 1, 11025, P8},
    {"wave3", 1, 11025, P8},       {"wave4", 1, 22254, P8},     {"wave5", 1, 11025, P8},
    {"wave6", 1, 11025, MP3},      {"wave7", 1, 11025, P8},     {"wave8", 1, 22254, P8},
    {"wave9", 1, 22050, P8},       {"wave10", 1, 11025, P8},    {"wave11", 1, 11025, P8},
    {"wave12", 1, 22050, P8},      {"wave13", 1, 8000, P8},     {"wave14", 1, 22050, P8},
};

// A canonical PCM WAVE file around the given sample bytes.
QByteArray waveFile(int channels, int rate, int bits, const QByteArray& data)
{
    auto le16 = [](QByteArray& b, quint16 v) { v = qToLittleEndian(v); b.append(reinterpret_cast<const char*>(&v), 2); };
    auto le32 = [](QByteArray& b, quint32 v) { v = qToLittleEndian(v); b.append(reinterpret_cast<const char*>(&v), 4); };
    QByteArray f("RIFF");
    le32(f, 36 + data.size());
    f += "WAVEfmt ";
    le32(f, 16);
    le16(f, 1);
    le16(f, channels);
    le32(f, rate);
    le32(f, rate * channels * bits / 8);
    le16(f, channels * bits / 8);
    le16(f, bits);
    f += "data";
    le32(f, data.size());
    return f + data;
}

// The audio plugin's decoding, as the game uses it.
std::optional<DecodedSound> decodeSound(const QByteArray& fileBytes, const QString& name = QString())
{
    AudioPlugin plugin;
    EXPECT_TRUE(plugin.backend()) << plugin.failure().toStdString();
    return plugin.decode(fileBytes, name);
}

// An output of the audio plugin; the test fails when the plugin is not there.
std::unique_ptr<SoundOutput> pluginOutput(AudioBackend::Device device)
{
    AudioPlugin plugin;
    std::unique_ptr<SoundOutput> output = plugin.createOutput(device);
    EXPECT_TRUE(output) << plugin.failure().toStdString();
    return output;
}

QByteArray int16Bytes(const std::vector<qint16>& samples)
{
    QByteArray out;
    for (qint16 s : samples) {
        const qint16 le = qToLittleEndian(s);
        out.append(reinterpret_cast<const char*>(&le), 2);
    }
    return out;
}

class RecordingOutput : public SoundOutput {
public:
    void start(const SoundPtr& sound) override { m_now = sound; started.push_back(sound ? sound->name : QString()); }
    void stop() override { m_now.reset(); ++stops; }
    SoundPtr playing() const override { return m_now; }

    std::vector<QString> started;
    int stops = 0;

private:
    SoundPtr m_now;
};

struct PlayerRig {
    Preferences prefs;
    RecordingOutput* output = new RecordingOutput;
    int alerts = 0;
    SoundPlayer player{prefs, std::make_unique<SoundBank>(), std::unique_ptr<SoundOutput>(output), [this] { ++alerts; }};
    QString nowPlaying() const { return output->playing() ? output->playing()->name : QString(); }
};

} // namespace

TEST(SoundBank, HoldsExactlyTheTwentySevenSounds)
{
    SoundBank bank;
    QStringList expected;
    for (const Expected& e : kBank)
        expected << QString::fromLatin1(e.name);
    expected.sort();
    EXPECT_EQ(bank.names(), expected);
}

TEST(SoundBank, EverySoundDecodesToItsStoredLayout)
{
    SoundBank bank;
    for (const Expected& e : kBank) {
        SCOPED_TRACE(e.name);
        const SoundPtr s = bank.find(QString::fromLatin1(e.name));
        ASSERT_TRUE(s);
        EXPECT_EQ(s->encoding, e.encoding);
        EXPECT_EQ(s->format.channels, e.channels);
        EXPECT_EQ(s->format.sampleRate, e.rate);
        EXPECT_EQ(s->format.sample, e.encoding == P8 ? U8 : PcmFormat::Sample::Int16);
        EXPECT_EQ(s->pcm.size() % s->format.bytesPerFrame(), 0);
        EXPECT_GE(s->durationMs(), 30);
        EXPECT_LE(s->durationMs(), 2000);
    }
}

TEST(SoundBank, SoundsShareOneLoudnessWithoutClipping)
{
    // Every sound is clearly audible and none is much louder than another: the average
    // level of each lies within 2 dB of -18 dBFS and its peaks stay below -1 dBFS.
    SoundBank bank;
    for (const Expected& e : kBank) {
        SCOPED_TRACE(e.name);
        const SoundPtr s = bank.find(QString::fromLatin1(e.name));
        ASSERT_TRUE(s);
        std::vector<double> samples;  // full scale is 1
        if (s->format.sample == U8) {
            for (char c : s->pcm)
                samples.push_back((int(static_cast<unsigned char>(c)) - 128) / 128.0);
        } else {
            const auto* p = reinterpret_cast<const qint16*>(s->pcm.constData());
            for (qint64 i = 0; i < s->pcm.size() / 2; ++i)
                samples.push_back(p[i] / 32768.0);
        }
        ASSERT_FALSE(samples.empty());
        double sum = 0, peak = 0;
        for (double v : samples) {
            sum += v * v;
            peak = std::max(peak, std::abs(v));
        }
        const double rmsDb = 10 * std::log10(sum / double(samples.size()));
        const double peakDb = 20 * std::log10(peak);
        EXPECT_NEAR(rmsDb, -18.0, 2.0);
        EXPECT_LT(peakDb, -1.0);
    }
}

TEST(SoundBank, NamesIgnoreLetterCaseAndDecodedSoundsAreKept)
{
    SoundBank bank;
    const SoundPtr lower = bank.find("tick");
    ASSERT_TRUE(lower);
    EXPECT_EQ(bank.find("TICK"), lower);
    EXPECT_EQ(bank.find("Tick"), lower);
    EXPECT_TRUE(bank.contains("WaVe6"));
    EXPECT_EQ(lower->name, "tick");
}

TEST(SoundBank, UnknownNamesFindNothing)
{
    SoundBank bank;
    for (const char* name : {"", "wave0", "wave15", "tick.wav", "../sounds/tick", "words"}) {
        EXPECT_FALSE(bank.contains(name)) << name;
        EXPECT_FALSE(bank.find(name)) << name;
    }
}

TEST(SoundBank, UnreadableFileIsSkippedAndOthersStillPlay)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile bad(dir.filePath("broken.wav"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("RIFF\x10\0\0\0WAVEjunkjunkjunk");
    bad.close();
    QFile good(dir.filePath("BEEP.WAV"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(waveFile(1, 8000, 8, QByteArray(400, char(200))));
    good.close();

    SoundBank bank(dir.path());
    EXPECT_EQ(bank.names(), QStringList({"beep", "broken"}));
    EXPECT_FALSE(bank.find("broken"));
    EXPECT_FALSE(bank.find("broken")); // asked again: still nothing, no crash
    const SoundPtr beep = bank.find("beep");
    ASSERT_TRUE(beep);
    EXPECT_EQ(beep->frames(), 400);
    EXPECT_EQ(beep->durationMs(), 50);
}

TEST(DecodeSound, EightBitMonoKeepsItsSamples)
{
    const QByteArray samples("\x00\x40\x80\xC0\xFF\x7F", 6);
    const auto s = decodeSound(waveFile(1, 11025, 8, samples), "x");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->encoding, DecodedSound::Encoding::Pcm8);
    EXPECT_EQ(s->format.sample, U8);
    EXPECT_EQ(s->pcm, samples);
    EXPECT_EQ(s->frames(), 6);
}

TEST(DecodeSound, SixteenBitStereoKeepsChannelOrder)
{
    const std::vector<qint16> samples = {1000, -1000, 32767, -32768, 0, 12345};
    const auto s = decodeSound(waveFile(2, 44100, 16, int16Bytes(samples)));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->encoding, DecodedSound::Encoding::Pcm16);
    EXPECT_EQ(s->format.channels, 2);
    EXPECT_EQ(s->format.sampleRate, 44100);
    EXPECT_EQ(s->frames(), 3);
    EXPECT_EQ(s->pcm, int16Bytes(samples));
}

TEST(DecodeSound, RejectsWhatIsNoSound)
{
    EXPECT_FALSE(decodeSound(QByteArray()));
    EXPECT_FALSE(decodeSound("hello, this is no wave file at all, just text"));
    // A header that promises data and holds none.
    EXPECT_FALSE(decodeSound(waveFile(1, 8000, 8, QByteArray()).left(44)));
}

TEST(SoundPlayer, ANewSoundCutsOffTheOnePlaying)
{
    PlayerRig rig;
    rig.player.play("wave5");
    EXPECT_EQ(rig.nowPlaying(), "wave5");
    rig.player.playsounds("goodword");
    EXPECT_EQ(rig.nowPlaying(), "goodword");
    EXPECT_EQ(rig.output->started, (std::vector<QString>{"wave5", "goodword"}));
    EXPECT_EQ(rig.alerts, 0);
}

TEST(SoundPlayer, UnknownNameSoundsTheAlertInstead)
{
    PlayerRig rig;
    rig.player.play("wave3");
    rig.player.play("wave99");
    EXPECT_EQ(rig.alerts, 1);
    EXPECT_EQ(rig.nowPlaying(), QString()); // the alert replaced the chatter sound
    EXPECT_EQ(rig.output->started.size(), 1u);
    rig.player.playsounds("nosuchsound");
    EXPECT_EQ(rig.alerts, 2);
}

TEST(SoundPlayer, PlaySoundsOffSilencesEveryEventSoundButNotChatter)
{
    PlayerRig rig;
    EXPECT_TRUE(rig.player.soundsOn());
    int changes = 0;
    QObject::connect(&rig.prefs, &Preferences::changed, [&](Preferences::Key) { ++changes; });
    rig.prefs.setPlaySounds(false);
    rig.prefs.setPlaySounds(false);
    EXPECT_EQ(changes, 1);
    for (const Expected& e : kBank)
        rig.player.playsounds(QString::fromLatin1(e.name));
    rig.player.playsounds("unknown");
    EXPECT_TRUE(rig.output->started.empty());
    EXPECT_EQ(rig.alerts, 0);

    rig.player.play("wave13");
    EXPECT_EQ(rig.nowPlaying(), "wave13");
    rig.prefs.setPlaySounds(true);
    rig.player.playsounds("TIMEUP");
    EXPECT_EQ(rig.nowPlaying(), "timeup");
}

TEST(PulseOutput, NoDeviceMeansSilenceWithoutError)
{
    SoundBank bank;
    const auto out = pluginOutput(AudioBackend::Device::None);
    ASSERT_TRUE(out);
    SoundOutput& output = *out;
    EXPECT_NO_THROW(output.start(bank.find("turn")));
    EXPECT_FALSE(output.playing());
    EXPECT_NO_THROW(output.start(nullptr));
    EXPECT_NO_THROW(output.stop());
}

TEST(PulseOutput, DefaultOutputPlaysOrStaysSilentAndCanBeReplaced)
{
    // Whatever this machine has (often no sound card at all), starting and replacing
    // sounds must neither throw nor leave two sounds going.
    SoundBank bank;
    const auto out = pluginOutput(AudioBackend::Device::SystemDefault);
    ASSERT_TRUE(out);
    SoundOutput& output = *out;
    EXPECT_NO_THROW(output.start(bank.find("wave6")));
    EXPECT_NO_THROW(output.start(bank.find("tick")));
    const SoundPtr now = output.playing();
    EXPECT_TRUE(!now || now->name == "tick");
    output.stop();
    EXPECT_FALSE(output.playing());
}

namespace {

// A PulseAudio daemon of the test's own, in its own runtime folder, with one null sink:
// an output device that plays into nothing, whose monitor records what it plays. It
// touches none of the machine's sound servers and goes with the test.
class PrivateSoundServer {
public:
    static constexpr const char* Sink = "quillor_test";

    PrivateSoundServer()
    {
        const QString dir = m_dir.path();
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_RUNTIME_DIR", "HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            m_env.insert(QString::fromLatin1(name), dir);
        m_env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket());
        m_env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        m_daemon.setProcessEnvironment(m_env);
        m_daemon.setProcessChannelMode(QProcess::MergedChannels);
        m_daemon.start(QStringLiteral("pulseaudio"),
                       {"--daemonize=no", "--system=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
                        "--disable-shm=yes", "--log-target=stderr",
                        QStringLiteral("--load=module-null-sink sink_name=%1 rate=44100 channels=1").arg(Sink),
                        QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1").arg(socket())});
        if (!m_daemon.waitForStarted(5000)) {
            m_failure = QStringLiteral("pulseaudio cannot be started (%1); scripts/install-deps installs it")
                            .arg(m_daemon.errorString());
            return;
        }
        // Ready once a client gets an answer from it.
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            QProcess info;
            info.setProcessEnvironment(m_env);
            info.start(QStringLiteral("pactl"), {"info"});
            if (!info.waitForStarted(5000)) {
                m_failure = QStringLiteral("pactl cannot be started; scripts/install-deps installs it");
                return;
            }
            info.waitForFinished(5000);
            if (info.exitCode() == 0)
                return;
            if (m_daemon.state() != QProcess::Running)
                break;
            QThread::msleep(50);
        }
        m_failure = QStringLiteral("the private sound server did not come up: ")
            + QString::fromLocal8Bit(m_daemon.readAll()).trimmed();
    }
    ~PrivateSoundServer()
    {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
        m_daemon.waitForFinished(1000);
    }

    QString failure() const { return m_failure; }
    // The environment in which a program finds this server and no other.
    const QProcessEnvironment& environment() const { return m_env; }

private:
    QString socket() const { return m_dir.filePath(QStringLiteral("native")); }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    QProcess m_daemon;
    QString m_failure;
};

// Seconds of the recording (mono 16-bit) louder than -40 dBFS, in 10 ms windows.
double audibleSeconds(const QByteArray& pcm, int rate)
{
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    const qsizetype window = rate / 100;
    int loud = 0;
    for (qsizetype at = 0; at + window <= count; at += window) {
        double sum = 0;
        for (qsizetype i = at; i < at + window; ++i)
            sum += double(samples[i]) * samples[i];
        if (std::sqrt(sum / window) > 32768.0 / 100)
            ++loud;
    }
    return loud / 100.0;
}

} // namespace

TEST(PulseOutput, OnARealDeviceTheNewSoundPlaysOut)
{
    const PrivateSoundServer server;
    ASSERT_TRUE(server.failure().isEmpty()) << server.failure().toStdString();

    // What the sink plays, as the speakers would get it.
    constexpr int Rate = 44100;
    QProcess recorder;
    recorder.setProcessEnvironment(server.environment());
    recorder.start(QStringLiteral("parec"), {QStringLiteral("--device=%1.monitor").arg(PrivateSoundServer::Sink),
                                             "--format=s16le", QStringLiteral("--rate=%1").arg(Rate),
                                             "--channels=1", "--raw", "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForStarted(5000)) << "parec cannot be started; scripts/install-deps installs it";
    // Recording has begun once the silence before the sound arrives.
    ASSERT_TRUE(recorder.waitForReadyRead(10000))
        << "the recorder gets nothing: " << recorder.readAllStandardError().toStdString();

    // The applause (1.5 s), cut off at once by the short "valid" (0.08 s).
    // PulseAudio's client library aborts now and then in its own dispatcher when a stream is
    // torn down under heavy load ("Assertion 'pd' failed at ../src/pulsecore/pdispatch.c");
    // that one abort, inside the library and nowhere else, is tried once more.
    QByteArray played;
    int exitCode = -1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QProcess player;
        player.setProcessEnvironment(server.environment());
        player.setProcessChannelMode(QProcess::MergedChannels);
        player.start(QCoreApplication::applicationDirPath() + QStringLiteral("/sound_playout"), QStringList());
        ASSERT_TRUE(player.waitForFinished(15000));
        exitCode = player.exitStatus() == QProcess::NormalExit ? player.exitCode() : -1;
        played = player.readAll();
        if (exitCode == 0 || !played.contains("pulsecore/pdispatch.c"))
            break;
    }
    EXPECT_EQ(exitCode, 0) << played.toStdString();

    // What is still on its way to the speakers arrives, then the recording ends.
    QByteArray recorded = recorder.readAllStandardOutput();
    const QDeadlineTimer tail(600);
    while (!tail.hasExpired()) {
        recorder.waitForReadyRead(int(tail.remainingTime()));
        recorded += recorder.readAllStandardOutput();
    }
    recorder.terminate();
    ASSERT_TRUE(recorder.waitForFinished(5000));
    recorded += recorder.readAllStandardOutput();
    ASSERT_GT(recorded.size(), Rate * 2 / 2)
        << "less than half a second was recorded: " << recorder.readAllStandardError().toStdString();
    const double heard = audibleSeconds(recorded, Rate);
    // The new sound was heard, and the applause it replaced was not.
    EXPECT_GE(heard, 0.02) << "nothing reached the speakers";
    EXPECT_LT(heard, 0.5) << heard << " s were heard: the applause was not cut off";
}

TEST(SoundPlayer, RealPlayerCopesWithAnyMachine)
{
    Preferences prefs;
    SoundPlayer player(prefs);
    EXPECT_NO_THROW(player.playsounds("entered"));
    EXPECT_NO_THROW(player.play("wave1"));
    EXPECT_TRUE(player.bank().contains("wave1"));
}

namespace {

// Collects the messages the code under test logs, for the lifetime of one test.
class LogCapture {
public:
    LogCapture()
    {
        s_active = this;
        s_previous = qInstallMessageHandler(&collect);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(s_previous);
        s_active = nullptr;
    }
    QStringList lines;

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& message) { s_active->lines << message; }
    static inline LogCapture* s_active = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
};

} // namespace

TEST(PulseOutput, WithoutADeviceSaysOnceThatSoundsAreSilentAndOnlyWhenOneIsAskedFor)
{
    SoundBank bank;
    LogCapture log;
    const auto out = pluginOutput(AudioBackend::Device::None);
    ASSERT_TRUE(out);
    SoundOutput& output = *out;
    output.stop();
    output.start(nullptr);
    EXPECT_TRUE(log.lines.isEmpty()) << log.lines.join('\n').toStdString();
    output.start(bank.find("entered"));
    output.start(bank.find("tick"));
    output.start(bank.find("wave6"));
    EXPECT_EQ(log.lines, QStringList{"No audio output device: sounds are silent."});
}

TEST(ProjectPlugin, IsTakenFromTheFirstFolderThatHoldsItAndSaysWhyWhenItCannot)
{
    QTemporaryDir empty;
    QTemporaryDir broken; // holds a file of the plugin's name that is no library
    ASSERT_TRUE(empty.isValid() && broken.isValid());
    QFile junk(QDir(broken.path()).filePath(ProjectPlugin::fileName(AudioPlugin::LibraryName)));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    const QString built = QStringLiteral(QUILLOR_BINARY_DIR);

    const struct {
        const char* what;
        QStringList folders;
        bool loads;
        QString failureHas;
    } cases[] = {
        {"after a folder without it", {empty.path(), built}, true, {}},
        {"a broken file first stops the search", {broken.path(), built}, false, broken.path() + "/libquillor_audio.so cannot be loaded"},
        {"in no folder", {empty.path()}, false, "libquillor_audio.so is in none of " + empty.path()},
        {"no folder at all", {}, false, "libquillor_audio.so is in none of "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProjectPlugin plugin(QString::fromLatin1(AudioPlugin::LibraryName), c.folders);
        QObject* root = plugin.instance();
        EXPECT_EQ(root != nullptr, c.loads);
        EXPECT_EQ(plugin.instance(), root); // asked again: the same answer, nothing tried twice
        EXPECT_EQ(qobject_cast<AudioBackend*>(root) != nullptr, c.loads);
        if (c.loads)
            EXPECT_TRUE(plugin.failure().isEmpty()) << plugin.failure().toStdString();
        else
            EXPECT_TRUE(plugin.failure().startsWith(c.failureHas)) << plugin.failure().toStdString();
    }
}

TEST(ProjectPlugin, AnInstalledProgramFindsThePluginsWhereTheyWereInstalled)
{
    // From the installed program's folder, wherever the install was staged or moved to.
    EXPECT_EQ(ProjectPlugin::installedFolderFrom(QStringLiteral(QUILLOR_INSTALL_BINDIR)),
              QStringLiteral(QUILLOR_INSTALL_PLUGINDIR));
    EXPECT_EQ(ProjectPlugin::installedFolderFrom(QStringLiteral("/stage" QUILLOR_INSTALL_BINDIR)),
              QStringLiteral("/stage" QUILLOR_INSTALL_PLUGINDIR));
    // Beside the program (the build folder) comes first.
    const QStringList folders = ProjectPlugin::defaultFolders();
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_LT(folders.indexOf(QCoreApplication::applicationDirPath()), folders.indexOf(QUILLOR_INSTALL_PLUGINDIR));
    EXPECT_GE(folders.indexOf(QCoreApplication::applicationDirPath()), 0);
}

TEST(SoundPlayer, WithoutTheAudioPluginEverySoundIsSilentAndThatIsSaidOnce)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    Preferences prefs;
    int alerts = 0;
    LogCapture log;
    SoundPlayer player(prefs, std::make_unique<AudioPlugin>(QStringList{empty.path()}), [&alerts] { ++alerts; });
    EXPECT_TRUE(log.lines.isEmpty()); // nothing is looked for before a sound is wanted
    for (const char* name : {"entered", "tick", "nosuchsound", "wave6"})
        EXPECT_NO_THROW(player.play(QString::fromLatin1(name)));
    EXPECT_EQ(alerts, 0); // no alert in place of every sound
    ASSERT_EQ(log.lines.size(), 1) << log.lines.join('\n').toStdString();
    EXPECT_TRUE(log.lines[0].startsWith("Sounds are silent: libquillor_audio.so is in none of " + empty.path()))
        << log.lines[0].toStdString();
}
