// The spy list: its lines, removal by a case-blind match, the line under the mouse,
// and the removal request that the hosting player makes from the pop-up menu.
#include "widgets/TagListBox.h"
#include "windows/spylistform.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QLabel>
#include <gtest/gtest.h>
#include <vector>

// --- the window -------------------------------------------------------------------------

class SpyListForm : public ::testing::Test {
protected:
    Tspylist form;
    std::vector<int> kicked;

    void SetUp() override
    {
        QObject::connect(&form, &Tspylist::kickRequested, [this](int slot) { kicked.push_back(slot); });
    }

    void TearDown() override
    {
        form.popup_kick->hide();
    }

    void showWithSpies()
    {
        form.addSpy(7, "Ann");
        form.addSpy(8, "Bob");
        form.addSpy(9, "Cy");
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QPoint centreOfLine(int row) const
    {
        return form.listbox_spys->visualItemRect(form.listbox_spys->item(row)).center();
    }

    QPoint belowTheLines() const
    {
        const QRect last = form.listbox_spys->visualItemRect(form.listbox_spys->item(form.listbox_spys->count() - 1));
        return QPoint(last.center().x(), last.bottom() + 12);
    }

    void moveTo(const QPoint& p) { QTest::mouseMove(form.listbox_spys->viewport(), p); }
};

TEST_F(SpyListForm, CreatedHiddenOnTopWithItsControls)
{
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Quillor - Spectators");
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.popup_kickhim->text(), "Remove From Game");
    EXPECT_EQ(form.listbox_spys->tag(), -1);
    EXPECT_EQ(form.listbox_spys->count(), 0);
    form.show();
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(SpyListForm, AddAndRemoveLines)
{
    form.addSpy(7, "Ann");
    form.addSpy(8, "Bob");
    EXPECT_EQ(form.lines(), (QStringList{"7: Ann", "8: Bob"}));
    EXPECT_TRUE(form.removeSpy(7, "aNN"));
    EXPECT_EQ(form.lines(), (QStringList{"8: Bob"}));
    EXPECT_TRUE(form.removeSpy(8, "Bob"));
    EXPECT_TRUE(form.lines().isEmpty());
}

TEST_F(SpyListForm, RemovalTakesOnlyTheFirstMatch)
{
    form.addSpy(8, "Bob");
    form.addSpy(7, "Ann");
    form.addSpy(8, "BOB");
    EXPECT_TRUE(form.removeSpy(8, "bob"));
    EXPECT_EQ(form.lines(), (QStringList{"7: Ann", "8: BOB"}));
}

TEST_F(SpyListForm, RemovingAnAbsentEntryChangesNothing)
{
    form.addSpy(7, "Ann");
    form.addSpy(8, "Bob");
    EXPECT_FALSE(form.removeSpy(9, "Ann"));
    EXPECT_FALSE(form.removeSpy(7, "Bob"));
    EXPECT_FALSE(form.removeSpy(7, "An"));
    EXPECT_EQ(form.lines(), (QStringList{"7: Ann", "8: Bob"}));
}

TEST_F(SpyListForm, TagFollowsTheMouse)
{
    showWithSpies();
    moveTo(centreOfLine(1));
    EXPECT_EQ(form.listbox_spys->tag(), 1);
    moveTo(centreOfLine(2));
    EXPECT_EQ(form.listbox_spys->tag(), 2);
    moveTo(centreOfLine(0));
    EXPECT_EQ(form.listbox_spys->tag(), 0);
    moveTo(belowTheLines());
    EXPECT_EQ(form.listbox_spys->tag(), -1);
}

TEST_F(SpyListForm, RemoveFromGameAsksForTheLineUnderTheMouse)
{
    showWithSpies();
    form.setHostMode(true);
    moveTo(centreOfLine(1));
    form.popup_kickhim->trigger();
    moveTo(centreOfLine(2));
    form.popup_kickhim->trigger();
    EXPECT_EQ(kicked, (std::vector<int>{8, 9}));
}

TEST_F(SpyListForm, RemoveFromGameOverNoLineSendsNothing)
{
    showWithSpies();
    form.setHostMode(true);
    moveTo(belowTheLines());
    ASSERT_EQ(form.listbox_spys->tag(), -1);
    form.popup_kickhim->trigger();
    EXPECT_TRUE(kicked.empty());
}

TEST_F(SpyListForm, RemoveFromGameIsOfferedOnlyToTheHost)
{
    EXPECT_FALSE(form.popup_kickhim->isEnabled());
    showWithSpies();
    moveTo(centreOfLine(0));
    form.popup_kickhim->trigger(); // a disabled action does not fire
    EXPECT_TRUE(kicked.empty());
    form.setHostMode(true);
    EXPECT_TRUE(form.popup_kickhim->isEnabled());
    form.popup_kickhim->trigger();
    EXPECT_EQ(kicked, (std::vector<int>{7}));
    form.setHostMode(false);
    EXPECT_FALSE(form.popup_kickhim->isEnabled());
}

TEST_F(SpyListForm, LineWithoutANumberIsIgnored)
{
    form.listbox_spys->addItem("visitor: Dan");
    form.addSpy(7, "Ann");
    form.setHostMode(true);
    form.listbox_spys->setTag(0);
    form.popup_kickhimClick();
    EXPECT_TRUE(kicked.empty());
    form.listbox_spys->setTag(1);
    form.popup_kickhimClick();
    EXPECT_EQ(kicked, (std::vector<int>{7}));
}

TEST_F(SpyListForm, TagOfALineThatHasGoneSendsNothing)
{
    showWithSpies();
    form.setHostMode(true);
    moveTo(centreOfLine(2));
    ASSERT_EQ(form.listbox_spys->tag(), 2);
    ASSERT_TRUE(form.removeSpy(9, "Cy"));
    form.popup_kickhim->trigger();
    EXPECT_TRUE(kicked.empty());
}

TEST_F(SpyListForm, RightClickOpensTheMenuForItsOwnLine)
{
    showWithSpies();
    form.setHostMode(true);
    QWidget* viewport = form.listbox_spys->viewport();
    const QPoint at = centreOfLine(2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    EXPECT_EQ(form.listbox_spys->tag(), 2);
    EXPECT_TRUE(form.popup_kick->isVisible());
    form.popup_kick->hide();
    form.popup_kickhim->trigger();
    EXPECT_EQ(kicked, (std::vector<int>{9}));
}

TEST_F(SpyListForm, DoneHidesAndKeepsTheLines)
{
    showWithSpies();
    QTest::mouseClick(form.button_done, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.lines().size(), 3);
}

TEST_F(SpyListForm, NoKickingHandlerIsHarmless)
{
    Tspylist bare;
    bare.addSpy(7, "Ann");
    bare.setHostMode(true);
    bare.listbox_spys->setTag(0);
    bare.popup_kickhimClick();
    EXPECT_EQ(bare.lines().size(), 1);
}

TEST_F(SpyListForm, AnEmptyListSaysSoAndTheSelectedLineStandsOut)
{
    form.show();
    EXPECT_TRUE(form.label_nobody->isVisible());
    EXPECT_EQ(form.label_nobody->text(), "Nobody is watching.");
    form.addSpy(7, "Ann");
    EXPECT_FALSE(form.label_nobody->isVisible());
    form.addSpy(8, "Bob");
    // The chosen line is drawn unlike the others.
    form.listbox_spys->setCurrentRow(1);
    const QImage shot = form.listbox_spys->viewport()->grab().toImage();
    const QRect chosen = form.listbox_spys->visualItemRect(form.listbox_spys->item(1));
    const QRect other = form.listbox_spys->visualItemRect(form.listbox_spys->item(0));
    const QPoint inChosen(chosen.right() - 4, chosen.center().y());
    const QPoint inOther(other.right() - 4, other.center().y());
    EXPECT_NE(shot.pixelColor(inChosen), shot.pixelColor(inOther));
    form.removeSpy(7, "Ann");
    form.removeSpy(8, "Bob");
    EXPECT_TRUE(form.label_nobody->isVisible());
}
