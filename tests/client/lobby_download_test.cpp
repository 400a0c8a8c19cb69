// The lobby download against a real HTTP server on this machine: what the player reads
// while it runs and after it ends, the file it leaves, stopping it, and the installer
// handed to the desktop. Also the HTTP client underneath, and the lobby program's start.
#include "client/HttpDownload.h"
#include "client/LobbyDownload.h"
#include "client/LobbyLauncher.h"
#include "common/EventLoop.h"
#include "common/Files.h"
#include "common/LocalHttpServer.h"
#include "common/Printers.h"
#include "common/SmallDisk.h"

#include <QBuffer>
#include <QDir>
#include <QNetworkReply>
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
        download.confirm = [this](const QString& question) {
            questions.append(question);
            return playerSaysYes;
        };
        download.clock = [this] { return now; };
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
    QStringList filesLeft() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

    QList<QUrl> opened;
    bool openerAccepts = true;
    QStringList questions;
    bool playerSaysYes = true;
    qint64 now = 0; // the download's clock, in milliseconds
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
    // It came over plain http: the player was asked first.
    EXPECT_EQ(questions, QStringList{"The installer was downloaded without encryption from 127.0.0.1. Open it?"});

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
    now += 300; // the count is shown at most every 250 ms
    server.sendMore(1500);
    ASSERT_TRUE(waitFor([this] { return view().infolabel == "2500 bytes"; }));
    now += 300;
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
    EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(' ').toStdString(); // no error page as an installer
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
    EXPECT_TRUE(filesLeft().isEmpty()); // no partial file
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
    ASSERT_FALSE(QFile::exists(file()));

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
    EXPECT_TRUE(filesLeft().isEmpty());
}

TEST_F(LobbyDownloadTest, InstallerTheDesktopRefusesKeepsTheGameOpen)
{
    openerAccepts = false;
    server.answer.body = "MZ";
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    // Back at rest, not "Installing" for ever: the player may try again or close.
    EXPECT_EQ(view().infolabel3, LobbyDownload::NotInstalled);
    EXPECT_FALSE(view().abortEnabled);
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
    EXPECT_TRUE(filesLeft().isEmpty());
}

TEST_F(LobbyDownloadTest, AnEndlessDownloadStopsAtTheLimitAndLeavesNoFile)
{
    // The cap is lowered for the test; the server sends for as long as anybody reads.
    download.setMaxSize(2 * 1024 * 1024);
    server.answer.body = bodyOf(64 * 1024, 'z');
    server.answer.endless = true;
    int progress = 0;
    QObject::connect(&download, &LobbyDownload::changed, [this, &progress] {
        progress += view().infolabel.endsWith(" bytes") && !view().infolabel.startsWith("Received");
    });
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    EXPECT_EQ(view().infolabel, "Download Aborted");
    EXPECT_EQ(view().infolabel3, "The download is larger than 2 MiB");
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(' ').toStdString();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(failures.isEmpty());
    // The clock stood still: the count was shown once, however many pieces came.
    EXPECT_EQ(progress, 1);
    // The client stopped reading at the limit: the server could not get far beyond it.
    EXPECT_TRUE(waitFor([this] { return server.clientLeftEarly; }));
    EXPECT_LT(server.endlessSent, 32 * 1024 * 1024);

    // A body announced larger than the limit is refused before any of it is written.
    server.answer.endless = false;
    server.answer.body = "MZ";
    server.answer.contentLength = 3LL * 1024 * 1024;
    progress = 0;
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    EXPECT_EQ(view().infolabel3, "The download is larger than 2 MiB");
    EXPECT_EQ(progress, 0);
    EXPECT_TRUE(filesLeft().isEmpty());
}

TEST_F(LobbyDownloadTest, StopDuringAnEndlessDownloadTakesEffectAtOnce)
{
    server.answer.body = bodyOf(64 * 1024, 'e');
    server.answer.endless = true;
    qint64 lastCount = 0;
    QObject::connect(&download, &LobbyDownload::changed, [this, &lastCount] {
        if (view().infolabel.endsWith(" bytes"))
            lastCount = view().infolabel.section(' ', 0, 0).toLongLong();
    });
    download.getbuttonClick();
    ASSERT_TRUE(waitFor([&] {
        now += 300;
        return lastCount > 1024 * 1024;
    }));
    download.abortbuttonClick();
    // At once: no partial file, and not one more byte counted or written.
    EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(' ').toStdString();
    const qint64 counted = lastCount;
    now += 1000;
    ASSERT_TRUE(finished());
    EXPECT_EQ(lastCount, counted);
    EXPECT_EQ(view().infolabel, "Download Aborted");
    EXPECT_EQ(view().infolabel3, "Download Aborted");
    EXPECT_TRUE(filesLeft().isEmpty());
    EXPECT_TRUE(waitFor([this] { return server.clientLeftEarly; }));
}

TEST_F(LobbyDownloadTest, StopWhenTheAnswerHasArrivedButIsNotHandledYetWins)
{
    server.answer.body = bodyOf(3000, 'w');
    download.getbuttonClick();
    QNetworkReply* reply = download.findChild<QNetworkReply*>();
    ASSERT_NE(reply, nullptr);
    // The player's click lands between the transfer's end and its handling.
    QObject::connect(reply, &QNetworkReply::finished, &download, [this] { download.abortbuttonClick(); },
                     Qt::DirectConnection);
    ASSERT_TRUE(finished());
    testutil::spin(20);
    EXPECT_EQ(view().infolabel, "Download Aborted");
    EXPECT_EQ(view().infolabel3, "Download Aborted");
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    EXPECT_FALSE(shown.contains("Received 3000 bytes")) << shown.join(" | ").toStdString();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(filesLeft().isEmpty());
}

TEST_F(LobbyDownloadTest, OnlyHttpAndHttpsAddressesAreDownloaded)
{
    const struct {
        const char* url;
        const char* reason;
    } cases[] = {
        {"file:///etc/hostname", "Not an http: or https: address (file:)"},
        {"FILE:///etc/hostname", "Not an http: or https: address (file:)"},
        {"ftp://127.0.0.1/lobby/qvxsetup.exe", "Not an http: or https: address (ftp:)"},
        {"qrc:/words.txt", "Not an http: or https: address (qrc:)"},
        {"data:,MZ", "Not an http: or https: address (data:)"},
        {"quillor.example.org/lobby/qvxsetup.exe", "Not an http: or https: address"},
        {"http:///qvxsetup.exe", "Not an http: or https: address"},
    };
    for (const auto& c : cases) {
        download.setUrl(QString::fromLatin1(c.url));
        download.getbuttonClick();
        EXPECT_FALSE(download.downloading()) << c.url;
        EXPECT_EQ(view().infolabel, "Download Aborted") << c.url;
        EXPECT_EQ(view().infolabel3, c.reason) << c.url;
        EXPECT_EQ(view().tag, LobbyDownload::Failed);
        EXPECT_TRUE(view().getEnabled);
    }
    testutil::spin(20);
    EXPECT_TRUE(filesLeft().isEmpty());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(server.connections, 0);

    // A redirection to such an address ends the same way.
    server.redirects.insert("/lobby/qvxsetup.exe", "file:///etc/hostname");
    download.setUrl(server.url());
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    EXPECT_TRUE(filesLeft().isEmpty());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(LobbyDownloadTest, AnInstallerWithoutEncryptionIsOpenedOnlyWhenThePlayerSaysSo)
{
    playerSaysYes = false;
    server.answer.body = "MZ-installer";
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    EXPECT_EQ(questions, QStringList{LobbyDownload::plainQuestion("127.0.0.1")});
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(view().infolabel, "Received 12 bytes");
    EXPECT_EQ(view().infolabel3, "Not installed");
    EXPECT_EQ(readFile(file()), "MZ-installer"); // kept, for the player to look at
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(LobbyDownloadTest, OnAFullDiskTheEarlierInstallerStays)
{
    testutil::SmallDisk disk(64 * 1024);
    ASSERT_TRUE(disk.ok()) << disk.error().toStdString();
    download.setFolder(disk.path());
    testutil::writeFile(disk.filePath("qvxsetup.exe"), "MZ-earlier");
    ASSERT_TRUE(disk.fill());
    server.answer.body = bodyOf(200000, 'd');
    download.getbuttonClick();
    ASSERT_TRUE(finished());
    EXPECT_EQ(view().tag, LobbyDownload::Failed);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains("No space left")) << failures[0].toStdString();
    EXPECT_TRUE(opened.isEmpty());
    disk.empty();
    EXPECT_EQ(readFile(disk.filePath("qvxsetup.exe")), "MZ-earlier");
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"qvxsetup.exe"});
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

TEST(HttpDownload, WithoutTheNetworkPluginATransferEndsSayingWhy)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    HttpDownload http(QStringList{empty.path()});
    std::optional<HttpResult> result;
    QObject::connect(&http, &HttpDownload::finished, [&result](const HttpResult& r) { result = r; });
    ASSERT_TRUE(http.get(QUrl("http://127.0.0.1:9/lobby/qvxsetup.exe"), &sink));
    EXPECT_TRUE(http.running());
    EXPECT_FALSE(result.has_value()); // announced from the event loop, as every end is
    ASSERT_TRUE(waitFor([&result] { return result.has_value(); }));
    EXPECT_TRUE(result->failed());
    EXPECT_FALSE(result->httpFailure());
    EXPECT_EQ(result->error, "No network access: libquillor_network.so is in none of " + empty.path())
        << result->error.toStdString();
    EXPECT_EQ(result->plainHost, "127.0.0.1");
    EXPECT_FALSE(http.running());
    EXPECT_TRUE(sink.data().isEmpty());
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
