// The built program loads its plugins when their work is first wanted, and only then: a
// copy of the program with its plugins beside it joins a stand-in host by address without
// the network plugin and by name with it, and maps the audio plugin with its first sound.
// None of Qt's image-format plugins is ever loaded: the program reads only its own PNGs.
#include "client/AudioPlugin.h"
#include "client/NetworkBackend.h"
#include "client/ProjectPlugin.h"
#include "common/EventLoop.h"
#include "common/FakeHost.h"
#include "common/Mappings.h"
#include "common/ServeProcess.h"
#include "net/Protocol.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList kAudio = {"libquillor_audio", "libsndfile", "libpulse"};
const QStringList kNetwork = {"libquillor_network", "libQt6Network"};

bool copyInto(const QString& folder, const QString& file)
{
    const QString target = QDir(folder).filePath(QFileInfo(file).fileName());
    return QFile::copy(file, target) && QFile::setPermissions(target, QFile::permissions(file));
}

} // namespace

TEST(ProgramPlugins, AnAddressNeedsNoNetworkPluginANameLoadsItAndTheFirstSoundLoadsTheAudioOne)
{
    // A copy of its own, so that it keeps its own settings (sounds on, as by default).
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(copyInto(folder.path(), testutil::programBinary()));
    for (const char* plugin : {AudioPlugin::LibraryName, NetworkBackend::LibraryName})
        ASSERT_TRUE(copyInto(folder.path(), QStringLiteral(QUILLOR_BINARY_DIR "/") + ProjectPlugin::fileName(plugin)));

    const struct {
        const char* host;
        bool needsNetwork;
    } cases[] = {{"127.0.0.1", false}, {"localhost", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.host);
        testutil::FakeHost host;
        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(folder.filePath("quillor"), {"--port", host.port(), "--", "Ann", c.host, "false"});
        ASSERT_TRUE(program.waitForStarted(10000));
        const qint64 pid = program.processId();

        ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }, 15000)) << "the program did not connect";
        EXPECT_EQ(!testutil::mappedLibraries(pid, kNetwork).isEmpty(), c.needsNetwork);
        EXPECT_EQ(testutil::mappedLibraries(pid, kAudio), QStringList()) << "loaded before any sound";

        // The host confirms the arrival, which is announced with a sound.
        host.conn->Send(proto::SendLoginInfo{2}.message().bytes());
        ASSERT_TRUE(testutil::waitFor([&] { return host.received.contains("CMD_logininfo+2+"); }, 10000));
        host.conn->Send(proto::NewPlayerInfo{2, "Ann"}.message().bytes());
        EXPECT_TRUE(testutil::waitFor([&] { return !testutil::mappedLibraries(pid, {"libquillor_audio"}).isEmpty(); },
                                      10000))
            << "the first sound did not load the audio plugin";
        // Sounds bring neither Qt Network nor Qt Multimedia along.
        EXPECT_EQ(!testutil::mappedLibraries(pid, kNetwork).isEmpty(), c.needsNetwork);
        EXPECT_EQ(testutil::mappedLibraries(pid, {"libQt6Multimedia"}), QStringList());
        // Its pictures are read without any of Qt's image-format plugins.
        EXPECT_EQ(testutil::mappedLibraries(pid, {"/imageformats/", "/iconengines/", "libQt6Svg"}), QStringList());

        program.terminate();
        if (!program.waitForFinished(10000)) {
            program.kill();
            program.waitForFinished();
        }
    }
}
