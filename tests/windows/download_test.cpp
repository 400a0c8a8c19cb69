// The lobby download window: its look and texts, what its four buttons and its border do,
// a download shown through it, and the advert read with libjpeg.
#include "common/EventLoop.h"
#include "common/LocalHttpServer.h"
#include "common/Printers.h"
#include "windows/JpegPicture.h"
#include "windows/downloadform.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using testutil::waitFor;

class DownloadWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        window.setDownloadFolder(folder.path());
        window.setUrl(server.url());
        window.showMessage = [this](const QString& m) { messages.append(m); };
        window.askQuestion = [this](const QString& q) {
            questions.append(q);
            return true;
        };
        window.download().openFile = [this](const QUrl& url) {
            opened.append(url);
            return true;
        };
        window.launcher().start = [this](const QString& program) {
            started.append(program);
            return true;
        };
        QObject::connect(&window, &Tdownload::exitRequested, [this] { ++exits; });
        QObject::connect(&window, &Tdownload::playWithOthersRequested, [this] { ++others; });
    }

    testutil::LocalHttpServer server;
    QTemporaryDir folder;
    Tdownload window;
    QStringList messages, started, questions;
    QList<QUrl> opened;
    int exits = 0;
    int others = 0;
};

TEST_F(DownloadWindowTest, LooksAsTheGameShowsIt)
{
    EXPECT_EQ(window.windowTitle(), "Download The Pelk22 Lobby");
    // A window of its own, never above the game's windows and dialogs.
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(window.minimumSize(), QSize(724, 500));
    EXPECT_EQ(window.maximumSize(), QSize(724, 500));
    EXPECT_TRUE(window.hasPicture());
    EXPECT_FALSE(window.isVisible());

    EXPECT_EQ(window.Panel1->size(), QSize(450, 487));
    EXPECT_EQ(window.Panel2->size(), QSize(257, 228));
    EXPECT_EQ(window.Panel3->size(), QSize(257, 257));
    for (QFrame* panel : {window.Panel1, window.Panel2, window.Panel3}) {
        EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_TRUE(window.rect().contains(panel->geometry()));
    }
    EXPECT_FALSE(window.Panel1->geometry().intersects(window.Panel2->geometry()));
    EXPECT_FALSE(window.Panel2->geometry().intersects(window.Panel3->geometry()));

    ASSERT_FALSE(window.Image1->pixmap().isNull());
    EXPECT_EQ(window.Image1->pixmap().size(), QSize(400, 339));
    EXPECT_EQ(window.Label1->text(),
              "Download The Pelk22 Lobby Now to play this  and other exciting games online with other players!");
    EXPECT_EQ(window.Label2->text(),
              "To proceed to the game without the ability to play against others click the button below.");
    EXPECT_EQ(window.Label3->text(), "Note: Even if you are playing offline, you will need to configure your FIREWALL "
                                     "to allow the game to access the internet components.");
    EXPECT_EQ(window.Label4->text(),
              "If you already have The Pelk22 Lobby and you wish to play with others then click the button below to "
              "close this game and open The Pelk22 Lobby.");
    EXPECT_EQ(window.getbutton->text(), "Download And Install The Pelk22 Lobby Now");
    EXPECT_EQ(window.abortbutton->text(), "Stop Download");
    EXPECT_EQ(window.Button1->text(), "Play Solo Game");
    EXPECT_EQ(window.Button2->text(), "Play with Others");
    for (QPushButton* red : {window.getbutton, window.Button1, window.Button2})
        EXPECT_EQ(red->palette().color(QPalette::Active, QPalette::ButtonText).red(), 200) << red->text().toStdString();
    EXPECT_EQ(window.Label3->palette().color(QPalette::WindowText).red(), 200);

    // Every control inside its panel, none over another.
    for (QFrame* panel : {window.Panel1, window.Panel2, window.Panel3}) {
        QList<QRect> taken;
        for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isHidden() && child == window.infolabel2)
                continue;
            EXPECT_TRUE(panel->rect().contains(child->geometry())) << child->metaObject()->className();
            for (const QRect& other : taken)
                EXPECT_FALSE(other.intersects(child->geometry())) << child->metaObject()->className();
            taken.append(child->geometry());
        }
    }

    EXPECT_TRUE(window.infolabel->text().isEmpty());
    EXPECT_TRUE(window.infolabel3->text().isEmpty());
    EXPECT_TRUE(window.infolabel2->isHidden());
    EXPECT_TRUE(window.getbutton->isEnabled());
    EXPECT_TRUE(window.abortbutton->isEnabled());
}

TEST_F(DownloadWindowTest, PlaySoloAndTheBorderOnlyCloseTheWindow)
{
    window.show();
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());

    // The border's close button, as the window system reports it.
    window.show();
    ASSERT_NE(window.windowHandle(), nullptr);
    EXPECT_TRUE(window.windowHandle()->close());
    EXPECT_FALSE(window.isVisible());

    EXPECT_EQ(exits, 0);
    EXPECT_EQ(others, 0);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(server.connections, 0);
}

TEST_F(DownloadWindowTest, PlayWithOthersStartsTheInstalledLobby)
{
    // None installed: the game asks for its own way to other players.
    QTest::mouseClick(window.Button2, Qt::LeftButton);
    EXPECT_EQ(others, 1);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(started.isEmpty());

    const QString lobby = folder.filePath(QStringLiteral("pelk22-lobby"));
    QFile file(lobby);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    window.setLobbyProgram(lobby);
    QTest::mouseClick(window.Button2, Qt::LeftButton);
    EXPECT_EQ(started, QStringList{lobby});
    EXPECT_EQ(exits, 1);

    // A lobby that does not start leaves the game open and says so.
    window.launcher().start = [](const QString&) { return false; };
    QTest::mouseClick(window.Button2, Qt::LeftButton);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(others, 1);
    EXPECT_EQ(messages, QStringList{"An Error has Occurred."});
}

TEST_F(DownloadWindowTest, DownloadShowsItsProgressAndInstalls)
{
    server.answer.body = QByteArray(2048, 'q');
    server.answer.holdAt = 512;
    window.show();
    QTest::mouseClick(window.getbutton, Qt::LeftButton);
    EXPECT_FALSE(window.getbutton->isEnabled());
    EXPECT_TRUE(window.abortbutton->isEnabled());
    EXPECT_EQ(window.infolabel2->text(), "qvxsetup.exe");
    ASSERT_TRUE(waitFor([this] { return window.infolabel->text() == "512 bytes"; }));
    EXPECT_EQ(window.infolabel3->text(), "Downloading: qvxsetup.exe");
    EXPECT_EQ(window.infolabel->property("Tag").toInt(), 1);
    // The size was announced: a quarter of it has come.
    EXPECT_TRUE(window.progress->isVisible());
    EXPECT_EQ(window.progress->value(), Tdownload::ProgressSteps / 4);

    server.sendMore();
    ASSERT_TRUE(waitFor([this] { return exits == 1; }));
    EXPECT_EQ(window.infolabel->text(), "Received 2048 bytes");
    EXPECT_EQ(window.infolabel3->text(), "Installing");
    EXPECT_TRUE(window.getbutton->isEnabled());
    EXPECT_FALSE(window.abortbutton->isEnabled());
    EXPECT_FALSE(window.progress->isVisible());
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(folder.filePath(QStringLiteral("qvxsetup.exe")))});
    // It came over plain http: the player was asked before it was opened.
    EXPECT_EQ(questions, QStringList{"The installer was downloaded without encryption from 127.0.0.1. Open it?"});
}

TEST_F(DownloadWindowTest, StopAndFailuresShowInTheWindow)
{
    server.answer.body = QByteArray(4096, 'z');
    server.answer.holdAt = 100;
    QTest::mouseClick(window.getbutton, Qt::LeftButton);
    ASSERT_TRUE(waitFor([this] { return window.infolabel->text() == "100 bytes"; }));
    QTest::mouseClick(window.abortbutton, Qt::LeftButton);
    EXPECT_EQ(window.infolabel->text(), "Download has been aborted.");
    ASSERT_TRUE(waitFor([this] { return window.getbutton->isEnabled(); }));
    EXPECT_EQ(window.infolabel->text(), "Download Aborted");
    EXPECT_EQ(window.infolabel3->text(), "Download Aborted");
    EXPECT_EQ(window.infolabel->property("Tag").toInt(), 2);
    EXPECT_FALSE(window.abortbutton->isEnabled());
    EXPECT_TRUE(messages.isEmpty());

    // A destination that cannot be made: the message, and the window as it was.
    window.setDownloadFolder(folder.filePath(QStringLiteral("missing")));
    QTest::mouseClick(window.getbutton, Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{"Cannot create file " + folder.filePath(QStringLiteral("missing/qvxsetup.exe"))});
    EXPECT_EQ(window.infolabel->text(), "Download Aborted");
    EXPECT_TRUE(window.getbutton->isEnabled());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(exits, 0);
}

TEST_F(DownloadWindowTest, AnInstallerThatCannotBeOpenedLeavesTheWindowReadyAgain)
{
    window.download().openFile = [this](const QUrl& url) {
        opened.append(url);
        return false;
    };
    server.answer.body = QByteArray(300, 'q');
    window.show();
    QTest::mouseClick(window.getbutton, Qt::LeftButton);
    ASSERT_TRUE(waitFor([this] { return !messages.isEmpty(); }));
    EXPECT_EQ(messages, QStringList{"An Error has Occurred."});
    // Not "Installing" for ever: the player may download again or close the window.
    EXPECT_EQ(window.infolabel3->text(), "Not installed");
    EXPECT_TRUE(window.getbutton->isEnabled());
    EXPECT_FALSE(window.abortbutton->isEnabled());
    EXPECT_EQ(exits, 0);
    QTest::mouseClick(window.getbutton, Qt::LeftButton);
    ASSERT_TRUE(waitFor([this] { return messages.size() == 2; }));
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(DownloadWindowTest, ShowThisAtStartIsThePlayersChoice)
{
    // Ticked unless the player unticked it; unticked, a solo game does not offer it.
    EXPECT_TRUE(window.check_showatstart->isChecked());
    EXPECT_EQ(window.check_showatstart->text(), "Show this at start");
    QSignalSpy changed(&window, &Tdownload::showAtStartChanged);
    window.offerAtStart();
    EXPECT_TRUE(window.isVisible());
    window.close();
    QTest::mouseClick(window.check_showatstart, Qt::LeftButton, {}, QPoint(8, 12));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toBool(), false);
    window.offerAtStart();
    EXPECT_FALSE(window.isVisible());
    // The stored choice is shown as it is, without announcing a change.
    window.setShowAtStart(true);
    EXPECT_TRUE(window.showAtStart());
    EXPECT_EQ(changed.count(), 1);
}

TEST(JpegPicture, ReadsTheAdvertAndRefusesOtherData)
{
    const QImage advert = jpeg::load(Tdownload::AdvertPath);
    ASSERT_FALSE(advert.isNull());
    EXPECT_EQ(advert.size(), QSize(400, 339));
    // The banner across the top is green, the parchment below it warm: a decoded picture,
    // not a blank one.
    const QColor banner = advert.pixelColor(40, 45);
    EXPECT_GT(banner.green(), banner.red());
    EXPECT_GT(banner.green(), banner.blue());

    EXPECT_TRUE(jpeg::decode(QByteArray()).isNull());
    EXPECT_TRUE(jpeg::decode(QByteArray("GIF89a not a jpeg at all")).isNull());
    QFile png(QStringLiteral(":/pictures/background.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(jpeg::decode(png.readAll()).isNull());
    EXPECT_TRUE(jpeg::load(QStringLiteral(":/pictures/no_such.jpg")).isNull());

    // A picture cut short still decodes to its full size (libjpeg fills the rest).
    QFile file(Tdownload::AdvertPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    EXPECT_EQ(jpeg::decode(whole.left(whole.size() / 2)).size(), QSize(400, 339));
    // Only the start of the header: refused, without a crash.
    EXPECT_TRUE(jpeg::decode(whole.left(20)).isNull());
}

} // namespace
