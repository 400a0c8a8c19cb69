// The lobby download against a real HTTP server on this machine: what the player reads
// while it runs and after it ends, the file it leaves, stopping it, and the installer
// handed to the desktop. Also the HTTP client underneath, and the lobby program's start.
#include "client/HttpDownload.h"
#include "client/LobbyDownload.h"
#include "client/LobbyLauncher.h"
#include "common/EventLoop.h"
#include "common/LocalHttpServer.h"
#include "common/Printers.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

using testutil::LocalHttpServer;
using testutil::waitFor;

QByteArray bodyOf(qsizetype size, char seed)
{
    QByteArray body(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        body[i] = char(seed + i * 7 % 251);
    return body;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class LobbyDownloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        download.setFolder(folder.path());
        download.setUrl(server.url());
        download.openFile = [this](const QUrl& url) {
            opened.append(url);
            return openerAccepts;
        };
        QObject::connect(&download, &LobbyDownload::changed, [this] {
            const LobbyDownload::View& v = download.view();
            if (shown.isEmpty() || shown.last() != v.infolabel)
                shown.append(v.infolabel);
            if (shown3.isEmpty() || shown3.last() != v.infolabel3)
                shown3.append(v.infolabel3);
        });
        QObject::connect(&download, &LobbyDownload::failure, [this](const QString& m) { failures.append(m); });
        QObject::connect(&download, &LobbyDownload::exitRequested, [this] { ++exits; });
    }

    bool finished() { return waitFor([this] { return !download.downloading(); }); }
    const LobbyDownload::View& view() const { return download.view(); }
    QString file() const { return folder.filePath(QStringLiteral("qvxsetup.exe")); }

    LocalHttpServer server;
    QTemporaryDir folder;
    LobbyDownload download;
    QList<QUrl> opened;
    bool openerAccepts = true;
    QStringList shown, shown3, failures;
    int exits = 0;
};

TEST_F(LobbyDownloadTest, CompleteDownloadIsWrittenAndHandedToTheDesktop)
{
    const QByteArray body = bodyOf(300000, 'a');
    server.answer.body = body;
    download.getbuttonClick();
    EXPECT_FALSE(view().getEnabled);
    EXPECT_TRUE(view().abortEnabled);
    ASSERT_TRUE(finished());

    EXPECT_EQ(readFile(file()), body);
    EXPECT_EQ(view().infolabel, "Received 300000 bytes");
    EXPECT_EQ(view().infolabel2, "qvxsetup.exe");
    EXPECT_EQ(view().infolabel3, "Installing");
    EXPECT_EQ(view().tag, LobbyDownload::Running);
    EXPECT_TRUE(view().getEnabled);
    EXPECT_FALSE(view().abortEnabled);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(file()));
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(failures.isEmpty());

    // One plain GET of the installer's path, as the agent the lobby's server expects.
    ASSERT_EQ(server.requests.size(), 1);
    const QByteArray request = server.requests[0];
    EXPECT_TRUE(request.startsWith("GET /lobby/qvxsetup.exe HTTP/1.")) << request.constData();
    EXPECT_TRUE(request.contains("\r\nUser-Agent: Mozilla/3.0 (compatible)\r\n")) << request.constData();
    EXPECT_TRUE(request.contains("\r\nAccept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"))
        << request.constData();
    EXPECT_FALSE(request.toLower().contains("gzip")) << request.constData();
}

TEST_F(LobbyDownloadTest, ProgressTextsComeInOrder)
{
    server.answer.headers = {{"Content-Type", "application/octet-stream"}, {"Server", "test"}};
    server.answer.body = bodyOf(3000, 'p');
    server.answer.holdAt = 0;
    download.getbuttonClick();
    // The status line and three fields: a dot each, then the body begins.
    ASSERT_TRUE(waitFor([this] { return view().infolabel3 == "Downloading: qvxsetup.exe"; }));
    EXPECT_EQ(view().infolabel, "Loading....");
    server.sendMore(1000);
    ASSERT_TRUE(waitFor([this] { return view().infolabel == "1000 bytes"; }));
    server.sendMore(1500);
    ASSERT_TRUE(waitFor([this] { return view().infolabel == "2500 bytes"; }));
    server.sendMore();
    ASSERT_TRUE(finished());

    const QStringList expected = {"Loading",    "Loading.",   "Loading..",  "Loading...",         "Loading....",
                                  "1000 bytes", "2500 bytes", "3000 bytes", "Received 3000 bytes"};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(shown3, (QStringList{"", "Downloading: qvxsetup.exe", "Installing"}));
}

TEST_F(LobbyDownloadTest, RedirectionIsFollowedAndOnlyTheLastAnswerCounts)
{
    server.redirects.insert("/lobby/qvxsetup.exe", "/mirror/qvxsetup-1.2.exe");
    server.answer.headers = {{"Server", "mirror"}, {"X-Mirror", "eu-1"}};
    server.answer.body = bodyOf(777, 'r');
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    EXPECT_EQ(server.requests.size(), 2);
    EXPECT_EQ(readFile(file()), server.answer.body); // still named after the URL asked for
    // The status line and three fields of the mirror's answer, none of the redirection's
    // (which has a status line and two fields).
    EXPECT_TRUE(shown.contains("Loading...."));
    EXPECT_FALSE(shown.contains("Loading....."));
    EXPECT_EQ(view().infolabel, "Received 777 bytes");
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(LobbyDownloadTest, ErrorStatusAbortsWithoutInstalling)
{
    server.answer.status = 404;
    server.answer.reason = "Not Found";
    server.answer.body = "<html>no such file</html>";
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    EXPECT_EQ(view().infolabel, "Download Aborted");
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    EXPECT_TRUE(view().getEnabled);
    EXPECT_FALSE(view().abortEnabled);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(failures.isEmpty()); // the server's answer is no error message
}

TEST_F(LobbyDownloadTest, StopDuringASlowTransferAbortsIt)
{
    server.answer.body = bodyOf(50000, 's');
    server.answer.holdAt = 1000;
    download.getbuttonClick();
    ASSERT_TRUE(waitFor([this] { return view().infolabel == "1000 bytes"; }));

    download.abortbuttonClick();
    // The stop's own texts at once; the transfer's end follows from the event loop.
    EXPECT_EQ(view().infolabel, "Download has been aborted.");
    EXPECT_EQ(view().infolabel3, "Download Aborted");
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    download.abortbuttonClick(); // pressed twice
    EXPECT_EQ(view().infolabel, "Download has been aborted.");
    ASSERT_TRUE(finished());

    EXPECT_EQ(view().infolabel, "Download Aborted");
    EXPECT_EQ(view().infolabel3, "Download Aborted");
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    EXPECT_TRUE(view().getEnabled);
    EXPECT_FALSE(view().abortEnabled);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_EQ(readFile(file()).size(), 1000); // the partial file stays
    EXPECT_TRUE(waitFor([this] { return server.clientLeftEarly; }));

    // Pressed again once the download has ended: the same texts, nothing else.
    download.abortbuttonClick();
    EXPECT_EQ(view().infolabel, "Download has been aborted.");
    EXPECT_EQ(view().infolabel3, "Download Aborted");
    EXPECT_TRUE(view().getEnabled);
    EXPECT_FALSE(view().abortEnabled);
    EXPECT_EQ(server.connections, 1);
}

TEST_F(LobbyDownloadTest, StopBeforeAnyDownloadOnlySetsTheTexts)
{
    EXPECT_TRUE(view().abortEnabled); // the button works from the start
    download.abortbuttonClick();
    EXPECT_EQ(view().infolabel, "Download has been aborted.");
    EXPECT_EQ(view().infolabel3, "Download Aborted");
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    EXPECT_TRUE(view().getEnabled);
    EXPECT_TRUE(view().abortEnabled);
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_EQ(server.connections, 0);
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(LobbyDownloadTest, SecondDownloadAfterAFailedOneStartsAfresh)
{
    server.answer.body = bodyOf(8000, 'x');
    server.answer.holdAt = 5000;
    download.getbuttonClick();
    ASSERT_TRUE(waitFor([this] { return view().infolabel == "5000 bytes"; }));
    download.abortbuttonClick();
    ASSERT_TRUE(finished());
    ASSERT_EQ(readFile(file()).size(), 5000);

    const QByteArray second = bodyOf(1200, 'y');
    server.answer.body = second;
    server.answer.holdAt = -1;
    download.getbuttonClick();
    EXPECT_EQ(view().tag, LobbyDownload::Running);
    ASSERT_TRUE(finished());
    EXPECT_EQ(readFile(file()), second); // replaced, not added to
    EXPECT_EQ(view().infolabel, "Received 1200 bytes");
    EXPECT_EQ(view().infolabel3, "Installing");
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(server.connections, 2);
}

TEST_F(LobbyDownloadTest, DestinationThatCannotBeCreatedChangesNothing)
{
    download.setFolder(folder.filePath(QStringLiteral("no/such/folder")));
    try {
        download.getbuttonClick();
        FAIL() << "no error";
    } catch (const DownloadFileError& e) {
        EXPECT_EQ(QString::fromStdString(e.what()), "Cannot create file " + download.filePath());
    }
    EXPECT_EQ(view().infolabel, "");
    EXPECT_EQ(view().infolabel2, "");
    EXPECT_EQ(view().tag, LobbyDownload::Untouched);
    EXPECT_TRUE(view().getEnabled);
    EXPECT_FALSE(download.downloading());
    testutil::spin(50);
    EXPECT_EQ(server.connections, 0);

    // A URL ending in "/" names no file at all.
    download.setFolder(folder.path());
    download.setUrl(server.url(QStringLiteral("/lobby/")));
    EXPECT_THROW(download.getbuttonClick(), DownloadFileError);
}

TEST_F(LobbyDownloadTest, FileIsNamedAfterTheUrl)
{
    download.setUrl(server.url(QStringLiteral("/elsewhere/lobby-setup.bin")));
    server.answer.body = "12345";
    download.getbuttonClick();
    EXPECT_EQ(view().infolabel2, "lobby-setup.bin");
    ASSERT_TRUE(finished());
    EXPECT_EQ(readFile(folder.filePath(QStringLiteral("lobby-setup.bin"))), "12345");
    EXPECT_TRUE(server.requests.value(0).startsWith("GET /elsewhere/lobby-setup.bin "));
    EXPECT_EQ(LobbyDownload::defaultUrl(), "http://quillor.example.org/lobby/qvxsetup.exe");
}

TEST_F(LobbyDownloadTest, OtherFailuresAreShownAndInstallNothing)
{
    // Nobody listens on this port any more.
    quint16 closedPort = 0;
    {
        LocalHttpServer gone;
        closedPort = gone.port();
    }
    download.setUrl(QStringLiteral("http://127.0.0.1:%1/lobby/qvxsetup.exe").arg(closedPort));
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    ASSERT_EQ(failures.size(), 1);
    EXPECT_FALSE(failures[0].isEmpty());
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    EXPECT_EQ(view().infolabel, "Loading");
    EXPECT_TRUE(view().getEnabled);
    EXPECT_FALSE(view().abortEnabled);
    EXPECT_TRUE(opened.isEmpty());

    // An answer that breaks off before its announced length is no complete download.
    failures.clear();
    download.setUrl(server.url());
    server.answer.body = bodyOf(4000, 'c');
    server.answer.holdAt = 1000;
    download.getbuttonClick();
    ASSERT_TRUE(waitFor([this] { return view().infolabel == "1000 bytes"; }));
    server.answer.body.truncate(1000); // the server ends early
    server.sendMore(0);
    ASSERT_TRUE(finished());
    EXPECT_EQ(failures.size(), 1);
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(LobbyDownloadTest, InstallerTheDesktopRefusesKeepsTheGameOpen)
{
    openerAccepts = false;
    server.answer.body = "MZ";
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    EXPECT_EQ(view().infolabel3, "Installing");
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(failures, QStringList{"An Error has Occurred."});
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(view().getEnabled);
}

TEST_F(LobbyDownloadTest, EndingMidDownloadClosesTheConnection)
{
    auto early = std::make_unique<LobbyDownload>();
    early->setFolder(folder.path());
    early->setUrl(server.url());
    bool announced = false;
    QObject::connect(early.get(), &LobbyDownload::failure, [&announced] { announced = true; });
    server.answer.body = bodyOf(20000, 'e');
    server.answer.holdAt = 100;
    early->getbuttonClick();
    ASSERT_TRUE(waitFor([&] { return early->view().infolabel == "100 bytes"; }));
    early.reset();
    EXPECT_TRUE(waitFor([this] { return server.clientLeftEarly; }));
    EXPECT_FALSE(announced);
    EXPECT_EQ(readFile(file()).size(), 100);
}

// ---- the HTTP client underneath ----

// A device that takes the first bytes and then refuses, like a full disk.
class FullDisk : public QBuffer {
public:
    qint64 room = 100;

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (len > room)
            return -1;
        room -= len;
        return QBuffer::writeData(data, len);
    }
};

TEST(HttpDownload, WriteFailureEndsTheTransfer)
{
    LocalHttpServer server;
    server.answer.body = bodyOf(100000, 'w');
    FullDisk sink;
    sink.open(QIODevice::WriteOnly);
    HttpDownload http;
    std::optional<HttpResult> result;
    QObject::connect(&http, &HttpDownload::finished, [&result](const HttpResult& r) { result = r; });
    ASSERT_TRUE(http.get(QUrl(server.url()), &sink));
    EXPECT_FALSE(http.get(QUrl(server.url()), &sink)); // one at a time
    ASSERT_TRUE(waitFor([&result] { return result.has_value(); }));
    EXPECT_TRUE(result->failed());
    EXPECT_FALSE(result->httpFailure());
    EXPECT_TRUE(result->error.startsWith("Cannot write the download")) << result->error.toStdString();
    EXPECT_LE(sink.data().size(), 100);
    EXPECT_FALSE(http.running());
}

TEST(HttpDownload, AbortEndsAsAnAnswerOf404)
{
    LocalHttpServer server;
    server.answer.body = bodyOf(1000, 'h');
    server.answer.holdAt = 10;
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    HttpDownload http;
    std::optional<HttpResult> result;
    QObject::connect(&http, &HttpDownload::finished, [&result](const HttpResult& r) { result = r; });
    http.abort(); // nothing running: nothing happens
    EXPECT_FALSE(http.running());
    ASSERT_TRUE(http.get(QUrl(server.url()), &sink));
    ASSERT_TRUE(waitFor([&sink] { return sink.data().size() == 10; }));
    http.abort();
    EXPECT_FALSE(result.has_value()); // announced later, from the event loop
    EXPECT_TRUE(http.running());
    ASSERT_TRUE(waitFor([&result] { return result.has_value(); }));
    EXPECT_EQ(result->status, 404);
    EXPECT_EQ(result->reason, "Connection aborted on request");
    EXPECT_TRUE(result->httpFailure());
}

// ---- the lobby program ----

TEST(LobbyLauncher, StartsOnlyAnInstalledExecutable)
{
    QTemporaryDir dir;
    LobbyLauncher launcher;
    QStringList started;
    bool starts = true;
    launcher.start = [&](const QString& program) {
        started.append(program);
        return starts;
    };
    EXPECT_EQ(launcher.launch(), LobbyLauncher::NotInstalled); // no program named

    const QString path = dir.filePath(QStringLiteral("pelk22-lobby"));
    launcher.setProgram(path);
    EXPECT_EQ(launcher.launch(), LobbyLauncher::NotInstalled); // missing

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    EXPECT_EQ(launcher.launch(), LobbyLauncher::NotInstalled); // not executable

    launcher.setProgram(dir.path());
    EXPECT_EQ(launcher.launch(), LobbyLauncher::NotInstalled); // a folder

    launcher.setProgram(path);
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    EXPECT_EQ(launcher.launch(), LobbyLauncher::Started);
    starts = false;
    EXPECT_EQ(launcher.launch(), LobbyLauncher::StartFailed);
    EXPECT_EQ(started, (QStringList{path, path}));
}

} // namespace
