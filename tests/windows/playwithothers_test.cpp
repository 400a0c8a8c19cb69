// The "Play with Others" dialog: it opens with the choice remembered in the settings
// file, OK remembers the new one (leaving the rest of the file alone) and asks for the
// game with the program's own parameters, and it only lets a complete choice through.
#include "client/PlayChoiceStore.h"
#include "windows/PlayWithOthersDialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct DialogRig {
    DialogRig()
    {
        EXPECT_TRUE(dir.isValid());
    }
    void writeIni(const QByteArray& text)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray readIni() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString path() const { return dir.path() + "/pelklobby.ini"; }

    QTemporaryDir dir;
    PlayChoiceStore store{path()};
    PlayWithOthersDialog dialog{store};
};

TEST(PlayWithOthersDialog, OpensWithTheRememberedChoice)
{
    DialogRig rig;
    rig.writeIni("[other]\r\nPort=1\r\n[agame]\r\nTextsize=10\r\nPlayername=Ann\r\nHostaddress=quillor.example.org\r\n"
                 "Port=7780\r\nHosting=false\r\n");
    rig.dialog.show();
    EXPECT_EQ(rig.dialog.edit_name->text(), "Ann");
    EXPECT_EQ(rig.dialog.edit_address->text(), "quillor.example.org");
    EXPECT_EQ(rig.dialog.edit_port->value(), 7780);
    EXPECT_TRUE(rig.dialog.radio_join->isChecked());
    EXPECT_TRUE(rig.dialog.edit_address->isEnabled());
    EXPECT_TRUE(rig.dialog.button_ok->isEnabled());
    EXPECT_EQ(rig.dialog.windowTitle(), "Play with Others");
}

TEST(PlayWithOthersDialog, WithoutAFileItOffersToJoinOnTheGamePort)
{
    DialogRig rig;
    rig.dialog.show();
    EXPECT_TRUE(rig.dialog.edit_name->text().isEmpty());
    EXPECT_EQ(rig.dialog.edit_port->value(), 7772);
    EXPECT_TRUE(rig.dialog.radio_join->isChecked());
    // Neither a name nor an address: nothing to start yet.
    EXPECT_FALSE(rig.dialog.button_ok->isEnabled());
    QSignalSpy started(&rig.dialog, &PlayWithOthersDialog::playRequested);
    rig.dialog.button_okClick();
    EXPECT_EQ(started.count(), 0);
    EXPECT_TRUE(rig.dialog.isVisible());
    EXPECT_FALSE(QFile::exists(rig.path()));
}

TEST(PlayWithOthersDialog, JoiningRemembersTheChoiceAndStartsWithTheJoinParameters)
{
    DialogRig rig;
    rig.writeIni("[agame]\r\nTextsize=10\r\nPhrase1=hi\r\n[other]\r\nPort=1\r\n");
    rig.dialog.show();
    QSignalSpy started(&rig.dialog, &PlayWithOthersDialog::playRequested);
    QTest::keyClicks(rig.dialog.edit_name, "Bob");
    EXPECT_FALSE(rig.dialog.button_ok->isEnabled()); // joining needs an address
    QTest::keyClicks(rig.dialog.edit_address, " 2001:db8::7 ");
    rig.dialog.edit_port->setValue(7790);
    ASSERT_TRUE(rig.dialog.button_ok->isEnabled());
    QTest::mouseClick(rig.dialog.button_ok, Qt::LeftButton);

    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started.at(0).at(0).toStringList(), (QStringList{"--port", "7790", "--", "Bob", "2001:db8::7", "false"}));
    EXPECT_FALSE(rig.dialog.isVisible());
    EXPECT_EQ(rig.readIni(), "[agame]\r\nTextsize=10\r\nPhrase1=hi\r\nPlayername=Bob\r\nHostaddress=2001:db8::7\r\n"
                             "Port=7790\r\nHosting=false\r\n[other]\r\nPort=1\r\n");
    // Shown again, it has the new choice.
    rig.dialog.setChoice(PlayChoice{});
    rig.dialog.show();
    EXPECT_EQ(rig.dialog.choice(), (PlayChoice{"Bob", "2001:db8::7", 7790, false}));
}

TEST(PlayWithOthersDialog, HostingNeedsNoAddressAndStartsAsTheHost)
{
    DialogRig rig;
    rig.dialog.show();
    QSignalSpy started(&rig.dialog, &PlayWithOthersDialog::playRequested);
    QTest::keyClicks(rig.dialog.edit_name, "Ann");
    QTest::mouseClick(rig.dialog.radio_host, Qt::LeftButton);
    EXPECT_FALSE(rig.dialog.edit_address->isEnabled());
    ASSERT_TRUE(rig.dialog.button_ok->isEnabled());
    QTest::keyClick(rig.dialog.edit_name, Qt::Key_Return);
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started.at(0).at(0).toStringList(), (QStringList{"--port", "7772", "--", "Ann", "127.0.0.1", "true"}));
    EXPECT_EQ(rig.store.load(), (PlayChoice{"Ann", "", 7772, true}));
}

TEST(PlayWithOthersDialog, CancelStartsNothingAndWritesNothing)
{
    DialogRig rig;
    rig.writeIni("[agame]\r\nPlayername=Ann\r\nHostaddress=10.0.0.5\r\n");
    rig.dialog.show();
    QSignalSpy started(&rig.dialog, &PlayWithOthersDialog::playRequested);
    rig.dialog.edit_name->setText("Zed");
    QTest::mouseClick(rig.dialog.button_cancel, Qt::LeftButton);
    EXPECT_FALSE(rig.dialog.isVisible());
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(rig.readIni(), "[agame]\r\nPlayername=Ann\r\nHostaddress=10.0.0.5\r\n");
    rig.dialog.show();
    QTest::keyClick(&rig.dialog, Qt::Key_Escape);
    EXPECT_FALSE(rig.dialog.isVisible());
}

TEST(PlayWithOthersDialog, AFileThatCannotBeWrittenStillStartsTheGame)
{
    DialogRig rig;
    QDir().mkpath(rig.path()); // a folder where the file should be
    rig.dialog.show();
    QSignalSpy started(&rig.dialog, &PlayWithOthersDialog::playRequested);
    QSignalSpy failed(&rig.dialog, &PlayWithOthersDialog::saveFailed);
    rig.dialog.setChoice(PlayChoice{"Ann", "10.0.0.5", 7772, false});
    rig.dialog.button_okClick();
    EXPECT_EQ(started.count(), 1);
    // The player is told, as for any other save that failed.
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toString(), "Unable to write to " + QDir::toNativeSeparators(rig.path()));
}

} // namespace

TEST(PlayWithOthers, HostingSaysWhereFriendsJoin)
{
    DialogRig rig;
    PlayWithOthersDialog& d = rig.dialog;
    d.show();
    d.setAddresses({"192.168.1.20", "2001:db8::7"});
    d.radio_join->setChecked(true);
    EXPECT_FALSE(d.label_friends->isVisible());
    // Hosting: the addresses and the port chosen, following the port as it changes.
    d.radio_host->setChecked(true);
    EXPECT_TRUE(d.label_friends->isVisible());
    EXPECT_EQ(d.label_friends->text(), "Friends can join at 192.168.1.20 or 2001:db8::7 port 7772");
    d.edit_port->setValue(7780);
    EXPECT_EQ(d.label_friends->text(), "Friends can join at 192.168.1.20 or 2001:db8::7 port 7780");
    d.setAddresses({});
    EXPECT_EQ(d.label_friends->text(),
              "Friends cannot join from other computers: this computer has no network address.");
    // Room for it and a second line, whatever is chosen, and the whole dialog in view.
    EXPECT_GE(d.label_friends->minimumHeight(), 2 * d.label_friends->fontMetrics().lineSpacing());
    EXPECT_TRUE(d.rect().contains(d.label_friends->geometry()));
}
