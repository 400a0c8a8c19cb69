// "Play with Others" and the games on the network: its list shows games announced with
// avahi-publish with their fields, greys a game of another version and joins a game on a
// double-click or with OK; without a daemon it says why there is no list and the typed
// address still works. Every case runs inside avahi-netns, as ctest starts it.
#include "FixtureTools.h"
#include "client/PlayChoiceStore.h"
#include "windows/PlayWithOthersDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using fixture::DaemonMs;

namespace {

struct Published {
    QString name;
    int port;
    QStringList txt;
};

// Games announced with avahi-publish for as long as the rig lives, and the dialog.
struct DialogRig {
    explicit DialogRig(const QList<Published>& games = {})
    {
        EXPECT_TRUE(dir.isValid());
        for (const Published& g : games) {
            auto* p = new QProcess;
            p->start("avahi-publish", QStringList {"-s", g.name, GameServiceType, QString::number(g.port)} + g.txt);
            publishers.append(p);
        }
    }
    ~DialogRig()
    {
        for (QProcess* p : publishers) {
            p->terminate();
            p->waitForFinished(3000);
            delete p;
        }
    }
    QListView& list() { return *dialog.list_games; }
    QString rowText(int row) { return list().model()->index(row, 0).data().toString(); }

    QTemporaryDir dir;
    PlayChoiceStore store {dir.path() + "/pelklobby.ini"};
    PlayWithOthersDialog dialog {store};
    QList<QProcess*> publishers;
};

bool vethAddress(const QString& address) { return address == "10.77.0.1" || address == "10.77.0.2"; }

} // namespace

TEST_F(WithAvahi, DialogListsTheGamesAndJoinsOneOnADoubleClick)
{
    DialogRig rig({{"Cleo's game", 7781, {"v=1.0.4", "players=3", "seats=6", "spectators=1", "state=playing", "lead=Cleo"}},
                   {"Dee's game", 7772, {"v=1.0.4", "players=1", "seats=6", "spectators=0", "state=waiting", "lead=Dee"}},
                   {"Old game", 7782, {"v=0.9", "players=2", "seats=6", "state=waiting"}}});
    GameBrowser& browser = rig.dialog.browser();
    EXPECT_EQ(browser.rowCount(), 0) << "browsing before the dialog opens";
    rig.dialog.show();
    rig.dialog.edit_name->setText("Zed");
    ASSERT_TRUE(testutil::waitFor([&] {
        if (browser.rowCount() != 3)
            return false;
        for (int row = 0; row < 3; ++row) {
            if (!vethAddress(browser.game(row).address()))
                return false;
        }
        return true;
    }, DaemonMs)) << browser.rowCount() << " rows";
    EXPECT_TRUE(rig.dialog.label_games->isHidden()) << rig.dialog.label_games->text().toStdString();

    const QBrush grey = QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    const struct {
        const char* text; // %1: the address
        bool greyed;
    } rows[] = {
        {"Cleo's game   3 of 6, playing, at %1 port 7781", false},
        {"Dee's game   1 of 6, waiting, at %1", false},
        {"Old game   2 of 6, waiting, at %1 port 7782, version 0.9", true},
    };
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(rig.rowText(row), QString::fromUtf8(rows[row].text).arg(browser.game(row).address()));
        const QVariant foreground = rig.list().model()->index(row, 0).data(Qt::ForegroundRole);
        EXPECT_EQ(foreground.isValid() && foreground.value<QBrush>() == grey, rows[row].greyed) << row;
    }

    // A choice in the list fills in where to join; OK would join it.
    rig.list().setCurrentIndex(rig.list().model()->index(0, 0));
    EXPECT_TRUE(rig.dialog.radio_join->isChecked());
    EXPECT_EQ(rig.dialog.edit_address->text(), browser.game(0).address());
    EXPECT_EQ(rig.dialog.edit_port->value(), 7781);

    // A double-click joins with the player's name, as the relaunched game's parameters say.
    QSignalSpy play(&rig.dialog, &PlayWithOthersDialog::playRequested);
    const QString deeAddress = browser.game(1).address();
    const QRect dee = rig.list().visualRect(rig.list().model()->index(1, 0));
    ASSERT_FALSE(dee.isEmpty());
    // As a player's hand does it: a press and release, then the second press.
    QTest::mouseClick(rig.list().viewport(), Qt::LeftButton, {}, dee.center());
    QTest::mouseDClick(rig.list().viewport(), Qt::LeftButton, {}, dee.center());
    ASSERT_EQ(play.size(), 1);
    EXPECT_EQ(play.at(0).at(0).toStringList(), QStringList({"--port", "7772", "--", "Zed", deeAddress, "false"}));
    EXPECT_TRUE(rig.dialog.isHidden());
    // Closed, the dialog no longer follows the network.
    EXPECT_EQ(browser.rowCount(), 0);
}

TEST_F(WithoutAvahi, DialogSaysWhyThereIsNoListAndTheTypedAddressStillWorks)
{
    DialogRig rig;
    rig.dialog.show();
    EXPECT_EQ(rig.dialog.label_games->text(), "Games on this network cannot be listed: the Avahi service is not running.");
    EXPECT_TRUE(rig.dialog.label_games->isVisible());
    EXPECT_EQ(rig.list().model()->rowCount(), 0);

    // The hosting player's line says his game is not announced.
    rig.dialog.radio_host->setChecked(true);
    rig.dialog.setAnnouncement("This game is not announced on this network: the Avahi service is not running.");
    EXPECT_TRUE(rig.dialog.label_friends->text().endsWith("\nThis game is not announced on this network: the Avahi service is not running."))
        << rig.dialog.label_friends->text().toStdString();

    QSignalSpy play(&rig.dialog, &PlayWithOthersDialog::playRequested);
    rig.dialog.edit_name->setText("Zed");
    rig.dialog.radio_join->setChecked(true);
    rig.dialog.edit_address->setText("10.77.0.9");
    rig.dialog.edit_port->setValue(7790);
    QTest::mouseClick(rig.dialog.button_ok, Qt::LeftButton);
    ASSERT_EQ(play.size(), 1);
    EXPECT_EQ(play.at(0).at(0).toStringList(), QStringList({"--port", "7790", "--", "Zed", "10.77.0.9", "false"}));
}
