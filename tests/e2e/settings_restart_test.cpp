// Preferences across runs of the program, against one settings file beside a copy of the
// program (the program's folder decides where the file lives): the built program joins a
// stand-in host that confirms its arrival and gives it the turn, and tells which turn
// sound it chose (its sound log). Between two such runs the player chooses Turn Sound New
// in a main window of this process, kept in the same file.
#include "client/IniDocument.h"
#include "client/SettingsFile.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/FakeHost.h"
#include "common/Files.h"
#include "common/Printers.h"
#include "common/ServeProcess.h"
#include "net/Protocol.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testutil::readFile;

// The host's side of a player's arrival and first turn, for slot 2.
void confirmArrival(testutil::FakeHost& host)
{
    ASSERT_TRUE(testutil::waitFor([&] { return host.conn != nullptr; }, 10000));
    host.conn->Send(proto::SendLoginInfo{2}.message().bytes());
    ASSERT_TRUE(testutil::waitFor([&] { return host.received.contains("CMD_logininfo+2+"); }, 10000));
    host.conn->Send(proto::NewPlayerInfo{2, "Ann"}.message().bytes());
}

void giveTurn(testutil::FakeHost& host)
{
    host.conn->Send(proto::NextPlayer{2}.message().bytes());
}

// One run of the built program, copied into `folder`, joining the host as "Ann" in slot 2.
// Returns the sounds it asked for, in order.
QStringList runProgram(const QString& folder, testutil::FakeHost& host)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("XDG_CONFIG_HOME", runtime.filePath("config"));
    env.insert("QT_LOGGING_RULES", "quillor.sounds.debug=true");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(folder + "/quillor", {"Ann", "127.0.0.1", "false", "--port", host.port()});
    QByteArray log;
    const auto heard = [&](const QByteArray& start) {
        return testutil::waitFor([&] {
            log += program.readAllStandardError();
            return log.contains("quillor.sounds: play " + start);
        }, 10000);
    };
    confirmArrival(host);
    EXPECT_TRUE(heard("entered")) << log.constData();
    giveTurn(host);
    EXPECT_TRUE(heard("turn")) << log.constData();
    // The player logs out: the program ends as its Exit command ends it.
    program.terminate();
    EXPECT_TRUE(testutil::waitFor([&] { return program.state() == QProcess::NotRunning; }, 10000));
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished();
    }
    log += program.readAllStandardError();
    EXPECT_EQ(program.exitCode(), 0) << log.constData();

    QStringList sounds;
    for (const QByteArray& line : log.split('\n'))
        if (line.startsWith("quillor.sounds: play "))
            sounds.append(QString::fromUtf8(line.mid(int(sizeof("quillor.sounds: play ")) - 1)));
    return sounds;
}

} // namespace

TEST(SettingsAcrossRuns, TurnSoundNewIsHeardAtTheNextTurnAndAfterARestart)
{
    QTemporaryDir folder;
    const QString program = folder.filePath("quillor");
    ASSERT_TRUE(QFile::copy(testutil::programBinary(), program));
    ASSERT_TRUE(QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner));
    const QString ini = folder.filePath(SettingsFile::FileName);
    const QByteArray lobby = "[lobby]\r\nLobbyPath=C:\\Pelk22\\ \r\n; kept as it is\r\n\r\n";
    testutil::writeFile(ini, lobby + "[agame]\r\nTextsize=10\r\n");

    // First run: the turn is announced the classic way. The window stays where the
    // default placement put it, so it writes nothing when it closes.
    {
        testutil::FakeHost host;
        EXPECT_EQ(runProgram(folder.path(), host), (QStringList{"entered", "turn"}));
    }
    EXPECT_EQ(readFile(ini), lobby + "[agame]\r\nTextsize=10\r\n");

    // The player chooses New in a window of this process that keeps the same file; the
    // choice is heard at once at the next turn and written at once.
    {
        testutil::FakeHost host;
        Tchat window({"Ann", "127.0.0.1", "false"});
        window.client().session.port = host.portNumber();
        window.keepSettingsIn(folder.path());
        QStringList sounds;
        window.client().ctx.out.playsounds = [&sounds](const QString& name) { sounds.append(name); };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        confirmArrival(host);
        ASSERT_TRUE(testutil::waitFor([&] { return window.settings()->loaded(); }, 10000));
        EXPECT_EQ(window.history().textSize(), 10);

        window.prefs().setTurnSoundNew(true); // what Options > Turn Sound > New does
        window.prefs().requestSave();
        EXPECT_EQ(IniDocument::fromBytes(readFile(ini)).value(u"agame", u"Turnsound"), QString("1"));
        giveTurn(host);
        ASSERT_TRUE(testutil::waitFor([&] { return sounds.contains("turnnew"); }, 10000));
        EXPECT_FALSE(sounds.contains("turn"));
        window.close();
    }

    // The program started again reads the choice back.
    {
        testutil::FakeHost host;
        EXPECT_EQ(runProgram(folder.path(), host), (QStringList{"entered", "turnnew"}));
    }
    const QByteArray after = readFile(ini);
    EXPECT_TRUE(after.startsWith(lobby + "[agame]\r\nTextsize=10\r\n")) << after.constData();
    EXPECT_EQ(IniDocument::fromBytes(after).value(u"agame", u"Turnsound"), QString("1"));
}
