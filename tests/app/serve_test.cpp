// The headless host: the --port option, and `quillor --serve` run as its own process
// and played against with plain socket clients.
#include "app/PortOption.h"
#include "app/ServeMode.h"
#include "common/EventLoop.h"
#include "common/ServeProcess.h"
#include "host/RawClient.h"
#include "host/WordCells.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <csignal>

using hosttest::cellsSpelling;
using hosttest::RawClient;
using testutil::ServeProcess;

// --- the --port option --------------------------------------------------------------

TEST(PortOption, TakesThePortOutAndKeepsTheRestInOrder)
{
    const PortOption p = PortOption::extract({"Ann", "--port", "8001", "10.0.0.2", "false"});
    EXPECT_TRUE(p.ok());
    EXPECT_TRUE(p.given);
    EXPECT_EQ(p.port, 8001);
    EXPECT_EQ(p.remaining, (QStringList{"Ann", "10.0.0.2", "false"}));

    const PortOption q = PortOption::extract({"Ann", "host", "true", "--port=9000"});
    EXPECT_EQ(q.port, 9000);
    EXPECT_EQ(q.remaining, (QStringList{"Ann", "host", "true"}));

    const PortOption last = PortOption::extract({"--port", "1", "--port", "65535"});
    EXPECT_EQ(last.port, 65535);
    EXPECT_TRUE(last.remaining.isEmpty());
}

TEST(PortOption, WithoutTheOptionTheDefaultHolds)
{
    const PortOption p = PortOption::extract({"Ann", "host", "true"});
    EXPECT_TRUE(p.ok());
    EXPECT_FALSE(p.given);
    EXPECT_EQ(p.port, 7772);
    EXPECT_EQ(PortOption::extract({}, 1234).port, 1234);
}

TEST(PortOption, BadNumbersAndAMissingNumberAreErrors)
{
    for (const QStringList& args : {QStringList{"--port"}, QStringList{"--port", "65536"}, QStringList{"--port", "-1"},
                                    QStringList{"--port", "80a"}, QStringList{"--port", ""}, QStringList{"--port="},
                                    QStringList{"--port", " 80"}, QStringList{"--port", "99999999999"}}) {
        const PortOption p = PortOption::extract(args);
        EXPECT_FALSE(p.ok()) << args.join(' ').toStdString();
        EXPECT_FALSE(p.error.isEmpty());
    }
    // A bad value is not taken for a positional argument.
    EXPECT_TRUE(PortOption::extract({"--port", "x", "Ann"}).remaining == QStringList{"Ann"});
}

// --- quillor --serve ------------------------------------------------------------------

TEST(ServeMode, AWholeGameIsPlayedAgainstTheHeadlessHost)
{
    ServeProcess serve({"--port", "0"});
    ASSERT_TRUE(serve.waitForLog("listening on port")) << serve.log.constData();
    const quint16 port = serve.port();
    ASSERT_NE(port, 0);

    RawClient ann;
    ASSERT_TRUE(ann.connectTo(port));
    ASSERT_TRUE(ann.waitForMessage("CMD_sendlogininfo"));
    ann.send("CMD_logininfo+1+1.0.4+Ann");
    ASSERT_TRUE(ann.waitForMessage("CMD_newplayerinfo"));
    RawClient bob;
    ASSERT_TRUE(bob.connectTo(port));
    ASSERT_TRUE(bob.waitForMessage("CMD_sendlogininfo"));
    EXPECT_EQ(bob.bytes(), QByteArray("CMD_sendlogininfo+2\xFF"));
    bob.send("CMD_logininfo+2+1.0.3+Bob");
    ASSERT_TRUE(bob.waitForMessage("CMD_leader"));
    EXPECT_EQ(bob.messages(), (QList<QByteArray>{"CMD_sendlogininfo+2", "CMD_newplayerinfo+2+Bob",
                                                 "CMD_existingplayers+1+Ann", "CMD_wrongversion+", "CMD_leader+1+"}));
    ASSERT_TRUE(ann.waitForMessage("CMD_havewrongversion"));
    EXPECT_EQ(ann.messages("CMD_havewrongversion"), QList<QByteArray>{"CMD_havewrongversion+Bob"});

    // One second a turn and a target of 0: Bob's one point in the first second wins.
    ann.send("CMD_startgame+Ann+0+1+f+f+");
    ASSERT_TRUE(bob.waitForMessage("CMD_nextplayer"));
    const QByteArray board = bob.messages("CMD_loadboard").value(0);
    const QByteArray word = bob.messages("CMD_theword").value(0);
    ASSERT_EQ(board.count('+'), 1 + 270);
    EXPECT_EQ(bob.messages("CMD_nextplayer"), QList<QByteArray>{"CMD_nextplayer+2+"});
    bob.send("CMD_myword+2" + cellsSpelling(board, word));
    ASSERT_TRUE(ann.waitForMessage("CMD_hefoundit"));
    const QByteArray found = ann.messages("CMD_hefoundit").value(0);
    EXPECT_TRUE(found == "CMD_hefoundit+2+1+1+" || found == "CMD_hefoundit+2+0+0+") << found.constData();

    // Ann never finds it: the turn runs out, and after the pause Bob wins (unless the
    // word reached the host a second late and scored nothing, which ties with Ann).
    ASSERT_TRUE(ann.waitForMessage("CMD_outoftime", 1, 8000));
    ASSERT_TRUE(bob.waitForMessage("CMD_outoftime"));
    EXPECT_EQ(bob.messages("CMD_outoftime"), QList<QByteArray>{"CMD_outoftime+***+"});
    EXPECT_NE(ann.messages("CMD_outoftime").value(0), "CMD_outoftime+***+");
    if (found == "CMD_hefoundit+2+1+1+") {
        ASSERT_TRUE(ann.waitForMessage("CMD_winner", 1, 10000));
        ASSERT_TRUE(bob.waitForMessage("CMD_winner"));
        EXPECT_EQ(ann.messages("CMD_winner"), QList<QByteArray>{"CMD_winner+Bob+"});
        EXPECT_EQ(bob.messages("CMD_winner"), QList<QByteArray>{"CMD_winner+Bob+"});
        ASSERT_TRUE(serve.waitForLog("winner: Bob"));
    }
    serve.collect();
    EXPECT_TRUE(serve.log.contains("connection from 127.0.0.1 in slot 1")) << serve.log.constData();
    EXPECT_TRUE(serve.log.contains("login: slot 2 is Bob"));
    EXPECT_TRUE(serve.log.contains("game started"));
    EXPECT_TRUE(serve.log.contains("round 1 over"));
}

TEST(ServeMode, TheProcessBecomesTheSmallHostProgram)
{
    ServeProcess serve({"--port", "0"});
    ASSERT_TRUE(serve.waitForLog("listening on port")) << serve.log.constData();
    const QString proc = QStringLiteral("/proc/%1/").arg(serve.process.processId());
    EXPECT_EQ(QFileInfo(proc + "exe").symLinkTarget(), QFileInfo(QUILLOR_BINARY_DIR "/quillor-host").canonicalFilePath());
    QFile maps(proc + "maps");
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly)) << maps.errorString().toStdString();
    const QByteArray mapped = maps.readAll();
    EXPECT_TRUE(mapped.contains("libQt6Core")) << mapped.constData();
    // Qt Network is there for the Agones SDK client, which runs only when switched on.
    for (const char* library : {"libQt6Gui", "libQt6Widgets", "libQt6Multimedia", "libX11", "libGL",
                                "libpulse", "libsndfile", "libjpeg"})
        EXPECT_FALSE(mapped.contains(library)) << library;

    // The options are handed over: the same ones, "--serve" taken out.
    ServeProcess help({"--help"});
    ASSERT_TRUE(help.waitForExit());
    EXPECT_EQ(help.process.exitCode(), 0);
    EXPECT_TRUE(help.process.readAllStandardOutput().startsWith("Usage: quillor-host"));
}

TEST(ServeMode, TheHostProgramIsLookedForBesideTheProgramThenWhereItIsInstalled)
{
    const struct {
        std::string self;
        std::string bindir;
        std::vector<std::string> candidates;
    } cases[] = {
        {"/opt/q/build/quillor", "/usr/local/bin", {"/opt/q/build/quillor-host", "/usr/local/bin/quillor-host"}},
        {"/usr/bin/quillor", "/usr/bin/", {"/usr/bin/quillor-host"}}, // installed: once
        {"", "/usr/bin", {"/usr/bin/quillor-host"}},                  // its own path unknown
    };
    for (const auto& c : cases)
        EXPECT_EQ(serve::hostProgramCandidates(c.self, c.bindir), c.candidates) << c.self;

    const char* argv[] = {"quillor", "--port", "0", "--serve", "--port=9", "--", "--serve"};
    EXPECT_EQ(serve::hostArguments(7, const_cast<char**>(argv)),
              (std::vector<std::string>{"--port", "0", "--port=9", "--", "--serve"}));
}

TEST(ServeMode, SigtermAndSigintEndItCleanly)
{
    for (int signo : {SIGTERM, SIGINT}) {
        ServeProcess serve({"--port", "0"});
        ASSERT_TRUE(serve.waitForLog("listening on port"));
        RawClient ann;
        ASSERT_TRUE(ann.connectTo(serve.port()));
        ASSERT_TRUE(ann.waitForMessage("CMD_sendlogininfo"));
        serve.signal(signo);
        ASSERT_TRUE(serve.waitForExit());
        EXPECT_EQ(serve.process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(serve.process.exitCode(), 0);
        EXPECT_TRUE(serve.log.contains("stopped"));
        EXPECT_TRUE(ann.waitForClose());
    }
}

TEST(ServeMode, BadCommandLinesAndATakenPortFail)
{
    ServeProcess bad({"--port", "70000"});
    ASSERT_TRUE(bad.waitForExit());
    EXPECT_EQ(bad.process.exitCode(), 2);
    EXPECT_TRUE(bad.log.contains("--port: \"70000\" is not a port number")) << bad.log.constData();
    EXPECT_TRUE(bad.log.contains("Usage: quillor-host [--port N] [--hold-seat SECONDS] [--words LANG] [--name TEXT] [--agones[=PORT]]\n"
                                 "       quillor --serve [--port N] [--hold-seat SECONDS] [--words LANG] [--name TEXT] [--agones[=PORT]]\n"))
        << bad.log.constData();

    // A language the host has no words for is refused with the ones it has.
    ServeProcess words({"--words", "xx"});
    ASSERT_TRUE(words.waitForExit());
    EXPECT_EQ(words.process.exitCode(), 2);
    EXPECT_TRUE(words.log.contains("--words: \"xx\" is not a language of the game's words "
                                   "(en, fr, de, es, it, pt, nl, sv)"))
        << words.log.constData();

    ServeProcess extra({"Ann"});
    ASSERT_TRUE(extra.waitForExit());
    EXPECT_EQ(extra.process.exitCode(), 2);

    ServeProcess first({"--port", "0"});
    ASSERT_TRUE(first.waitForLog("listening on port"));
    ServeProcess second({"--port", QString::number(first.port())});
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.process.exitCode(), 1);
    EXPECT_TRUE(second.log.contains("cannot listen on port"));
}
