// The tally window driven as the main window drives it, with scripted answers to
// its questions: the edge cases of following, counting, dropping and resetting, and
// the record's way to and from the disk.
#include "tally/TallyFile.h"
#include "windows/tallylistform.h"

#include "common/Files.h"
#include "common/SmallDisk.h"
#include "tally/lz_test_helpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

class TallyWindow : public ::testing::Test {
protected:
    std::unique_ptr<Ttallylist> open()
    {
        TallyDialogs dialogs;
        dialogs.ask = [this](const QString& question) {
            m_questions.append(question);
            return m_answer;
        };
        dialogs.showError = [this](const QString& message) { m_errors.append(message); };
        return std::make_unique<Ttallylist>(m_dir.path(), nullptr, dialogs);
    }

    static QStringList lines(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }
    static QStringList checkedLines(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->checkState() == Qt::Checked)
                out.append(list->item(i)->text());
        }
        return out;
    }
    static QStringList labels(const Ttallylist& w)
    {
        QStringList out;
        for (const QLabel* l : w.label)
            out.append(l->text());
        return out;
    }
    // Follows a player by ticking his line in "Players In Current Game".
    static void tick(Ttallylist& w, const QString& name)
    {
        const auto found = w.checklist->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        found.first()->setCheckState(found.first()->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    static void select(Ttallylist& w, const QString& name)
    {
        w.listbox_tally->setCurrentRow(lines(w.listbox_tally).indexOf(name));
    }

    QTemporaryDir m_dir;
    QStringList m_questions;
    QStringList m_errors;
    bool m_answer = true;
};

const QStringList Seats = {"Ann", "<Waiting>", "Bob", "Cid", "<Waiting>"};

} // namespace

TEST_F(TallyWindow, FirstRunStartsEmptyAndCountsAWin)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Quillor - Tally List");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->mylabel[0]->text(), "0");
    EXPECT_EQ(w->mylabel[1]->text(), "0");
    EXPECT_EQ(w->listbox_tally->count(), 0);
    EXPECT_TRUE(m_errors.isEmpty());

    w->addgame(Seats, "Me", "Me");
    EXPECT_EQ(w->mylabel[0]->text(), "1");
    EXPECT_EQ(w->mylabel[1]->text(), "1");
    // Saved at once, not only at exit.
    EXPECT_EQ(TallyFile::in(m_dir.path()).load().count(0, 1), 1);
}

TEST_F(TallyWindow, ListsTheSeatedOpponentsAndFollowsByTicking)
{
    auto w = open();
    w->viewTally(Seats);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(lines(w->checklist), QStringList({"Ann", "Bob", "Cid"}));
    EXPECT_TRUE(checkedLines(w->checklist).isEmpty());

    tick(*w, "Bob");
    EXPECT_EQ(lines(w->listbox_tally), QStringList({"Bob"}));
    EXPECT_EQ(checkedLines(w->listbox_tally), QStringList({"Bob"}));
    // Unticking him in the game's list does not stop following him.
    tick(*w, "Bob");
    EXPECT_EQ(lines(w->listbox_tally), QStringList({"Bob"}));

    // Next time the list is filled, followed players come ticked, in any letter case.
    w->refillchecklist({"ann", "BOB", "<Waiting>"});
    EXPECT_EQ(checkedLines(w->checklist), QStringList({"BOB"}));

    w->button_doneClick();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(TallyWindow, CountsOnlyFollowedPlayersWhoPlayed)
{
    auto w = open();
    w->refillchecklist(Seats);
    tick(*w, "Ann");
    tick(*w, "Cid");
    w->refillchecklist({"Dee"});
    tick(*w, "Dee");

    w->addgame(Seats, "Bob", "Me"); // a third player wins
    select(*w, "Ann");
    EXPECT_EQ(w->label_hisname->text(), "Ann Wins:");
    EXPECT_EQ(w->label_hisnametop->text(), "Ann's Tally");
    EXPECT_EQ(labels(*w), QStringList({"1", "0", "0", "1", "1", "0", "0", "1"}));

    // While Ann is shown, the display follows the next game.
    w->addgame(Seats, "Ann", "Me");
    EXPECT_EQ(labels(*w), QStringList({"2", "1", "0", "1", "2", "1", "0", "1"}));

    // Dee was not in these games.
    select(*w, "Dee");
    EXPECT_EQ(labels(*w), QStringList({"0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(w->mylabel[0]->text(), "2");
    EXPECT_EQ(w->mylabel[1]->text(), "0");
}

TEST_F(TallyWindow, RestartKeepsTotalsAndZeroesTheSession)
{
    {
        auto w = open();
        w->refillchecklist(Seats);
        tick(*w, "Ann");
        w->addgame(Seats, "Me", "Me");
        w->addgame(Seats, "Ann", "Me");
    } // destroyed: saved

    auto w = open();
    EXPECT_EQ(w->mylabel[0]->text(), "2");
    EXPECT_EQ(w->mylabel[1]->text(), "1");
    EXPECT_EQ(checkedLines(w->listbox_tally), QStringList({"Ann"}));
    select(*w, "Ann");
    EXPECT_EQ(labels(*w), QStringList({"2", "1", "1", "0", "0", "0", "0", "0"}));
}

TEST_F(TallyWindow, DroppingAsksAndDecliningChangesNothing)
{
    auto w = open();
    w->refillchecklist(Seats);
    tick(*w, "Ann");
    tick(*w, "Bob");
    w->addgame(Seats, "Bob", "Me");
    select(*w, "Bob");

    m_answer = false;
    w->listbox_tally->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(m_questions, QStringList({"This will delete Bob's Tally, Are you want to delete it?"}));
    EXPECT_EQ(checkedLines(w->listbox_tally), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(labels(*w), QStringList({"1", "1", "0", "0", "1", "1", "0", "0"}));
    EXPECT_EQ(w->record().followed(), QStringList({"Ann", "Bob"}));

    m_answer = true;
    w->listbox_tally->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(m_questions.last(), "This will delete Ann's Tally, Are you want to delete it?");
    EXPECT_EQ(lines(w->listbox_tally), QStringList({"Bob"}));
    EXPECT_EQ(w->record().followed(), QStringList({"Bob"}));
    EXPECT_EQ(w->record().count(1, 2), 1); // Bob's row moved up with his counts
    EXPECT_EQ(TallyFile::in(m_dir.path()).load().followed(), QStringList({"Bob"}));
}

TEST_F(TallyWindow, ResetForgetsEverybodyAndCountsAgainFromOne)
{
    auto w = open();
    w->refillchecklist(Seats);
    tick(*w, "Ann");
    tick(*w, "Cid");
    w->addgame(Seats, "Me", "Me");
    select(*w, "Ann");

    m_answer = false;
    w->button_resetClick();
    EXPECT_EQ(m_questions, QStringList({"Are you sure you want to reset the Tally?"}));
    EXPECT_EQ(w->listbox_tally->count(), 2);

    m_answer = true;
    w->button_resetClick();
    EXPECT_EQ(w->listbox_tally->count(), 0);
    for (QLabel* l : w->mylabel)
        EXPECT_EQ(l->text(), "0");
    EXPECT_EQ(labels(*w), QStringList(8, "0"));
    EXPECT_EQ(w->record(), TallyRecord());

    w->addgame(Seats, "Me", "Me");
    EXPECT_EQ(w->mylabel[0]->text(), "1");
    EXPECT_EQ(w->mylabel[1]->text(), "1");
}

TEST_F(TallyWindow, DamagedFileIsReportedAndReplaced)
{
    QFile damaged(TallyFile::in(m_dir.path()).path());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("WRZL\x09\0\0\0\x01\x00\x80", 11));
    damaged.close();

    auto w = open();
    EXPECT_EQ(m_errors,
              QStringList({"Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !"}));
    EXPECT_EQ(w->record(), TallyRecord());
    w->addgame(Seats, "Cid", "Me");
    EXPECT_EQ(TallyFile::in(m_dir.path()).load().count(0, 1), 1);
}

TEST(TallyWindowOnAFullDisk, ASaveThatDoesNotFitKeepsTheLastRecordAndSaysSo)
{
    testutil::SmallDisk disk(64 * 1024);
    ASSERT_TRUE(disk.ok()) << disk.error().toStdString();
    QStringList errors;
    TallyDialogs dialogs;
    dialogs.ask = [](const QString&) { return true; };
    dialogs.showError = [&errors](const QString& message) { errors.append(message); };
    const QString path = TallyFile::in(disk.path()).path();
    {
        Ttallylist window(disk.path(), nullptr, dialogs);
        window.addgame(Seats, "Me", "Me");
        ASSERT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
        const QByteArray saved = testutil::readFile(path);
        ASSERT_FALSE(saved.isEmpty());

        ASSERT_TRUE(disk.fill());
        window.addgame(Seats, "Bob", "Me");
        EXPECT_EQ(errors, QStringList{"Unable to write to " + path});
        EXPECT_EQ(testutil::readFile(path), saved);
        EXPECT_EQ(window.record().count(0, 1), 2); // the game still counts in this run
    } // closed on a full disk: nothing shown, the file as it was
    EXPECT_EQ(errors.size(), 1);
    disk.empty();
    EXPECT_EQ(TallyFile::in(disk.path()).load().count(0, 1), 1);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"agametally.tld"});
}

TEST_F(TallyWindow, AFollowedPlayerIsAlwaysShownByName)
{
    auto w = open();
    // Nobody followed: no made-up name, and the line on following.
    EXPECT_EQ(w->label_hisname->text(), "Their Wins:");
    EXPECT_EQ(w->label_hisnametop->text(), "Nobody is followed yet.");
    EXPECT_EQ(w->label_following->text(),
              "Tick a player to follow him: the games you play together count from then on.");
    // The first one followed is shown at once, and his counts follow each game.
    w->refillchecklist(Seats);
    tick(*w, "Cid");
    EXPECT_EQ(w->label_hisname->text(), "Cid Wins:");
    EXPECT_EQ(w->label_hisnametop->text(), "Cid's Tally");
    w->addgame(Seats, "Cid", "Me");
    EXPECT_EQ(labels(*w), QStringList({"1", "1", "0", "0", "1", "1", "0", "0"}));
    w->addgame(Seats, "Me", "Me");
    EXPECT_EQ(labels(*w), QStringList({"2", "1", "1", "0", "2", "1", "1", "0"}));
    // Dropping him shows the next one followed; dropping the last, nobody.
    tick(*w, "Ann");
    select(*w, "Cid");
    w->listbox_tally->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(w->label_hisname->text(), "Ann Wins:");
    w->listbox_tally->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(w->label_hisname->text(), "Their Wins:");
    // Opened again later, the first followed player is shown straight away.
    tick(*w, "Bob");
    w.reset();
    auto again = open();
    EXPECT_EQ(again->label_hisname->text(), "Bob Wins:");
}
