// Text that comes from other players (names, the winner, the leader's options) is shown
// exactly as written wherever it appears: never rendered as markup, cut with an ellipsis
// when it is too long for its place, and then shown whole, still as written, in a
// tooltip.
#include "client/ui/BoardPanel.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/RoundBar.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/WinnerBanner.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "common/HostMessages.h"
#include "widgets/ElidedItemDelegate.h"
#include "widgets/ElidedLabel.h"
#include "widgets/TagListBox.h"
#include "windows/spylistform.h"
#include "windows/tallylistform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// Names that Qt would take for markup: a local picture, and another seat's look.
const QString Picture = QStringLiteral("<img src=\"/any/local/picture.png\"> file");
const QString Impostor = QStringLiteral("<u><font color=#c00000>Host</font></u>");
const QString LongName = QStringLiteral("Bartholomew-Maximilian Fotheringham-Smythe");

// What the tooltip at `at` reads as, once Qt has shown it; empty when none is shown.
// A tooltip that is put away stays on screen for a moment, so a marker tooltip shown
// first tells whether the widget showed one of its own.
QString toolTipShown(QWidget* widget, QPoint at)
{
    const QString marker = QStringLiteral("no tooltip of its own");
    QToolTip::showText(widget->mapToGlobal(at), marker, widget);
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    if (QToolTip::text() == marker)
        return QString();
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    return shown.toPlainText();
}

bool plain(const QLabel* label)
{
    return label->textFormat() == Qt::PlainText;
}

// The main window and the windows that show names, with the local player in seat 2.
class PeerText : public ::testing::Test {
protected:
    void SetUp() override
    {
        TallyDialogs dialogs;
        dialogs.ask = [this](const QString& q) {
            questions.append(q);
            return false;
        };
        dialogs.showError = [](const QString&) {};
        tally = std::make_unique<Ttallylist>(dir.path(), nullptr, dialogs);
        Tchat::Windows windows;
        windows.spylist = &spylist;
        windows.tally = tally.get();
        window.setWindows(windows);
        window.prefs().setPlaySounds(false);
        window.client().ctx.state.myslot = 2;
        window.client().ctx.state.connected = true;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        testutil::spin(30);
    }

    void arrive(const QByteArray& text) { testutil::arrive(window.client().connection, text); }
    static QByteArray wire(const QString& text) { return text.toLatin1(); }

    QTemporaryDir dir;
    Tspylist spylist;
    std::unique_ptr<Ttallylist> tally;
    Tchat window{QStringList{"Tester"}};
    QStringList questions;
};

} // namespace

TEST_F(PeerText, NamesThatLookLikeMarkupAreShownAsWrittenEverywhere)
{
    ASSERT_TRUE(Qt::mightBeRichText(Picture));
    ASSERT_TRUE(Qt::mightBeRichText(Impostor));
    ScorePanel& scores = *window.scorePanel();
    RoundBar& bar = *window.roundBar();
    BoardPanel& board = *window.boardPanel();

    arrive("CMD_newplayerinfo+1+" + wire(Picture));
    arrive("CMD_newplayerinfo+3+" + wire(Impostor));
    arrive("CMD_newplayerinfo+7+" + wire(Impostor));
    arrive("CMD_startgame+" + wire(Impostor) + "+" + wire(Picture) + "+" + wire(Impostor) + "+t+f+");

    // The scoreboard, and the leader's options beside it.
    EXPECT_EQ(scores.label_playername[0]->text(), Picture);
    EXPECT_EQ(scores.label_playername[2]->text(), Impostor);
    for (const QLabel* l : {static_cast<const QLabel*>(scores.label_playername[0]),
                            static_cast<const QLabel*>(scores.label_playername[2]),
                            static_cast<const QLabel*>(scores.label_playtoscore),
                            static_cast<const QLabel*>(scores.label_timeperturn)})
        EXPECT_TRUE(plain(l)) << l->objectName().toStdString();
    EXPECT_EQ(scores.label_playtoscore->text(), "Play To Score: " + Picture);

    // The status line names the seat whose turn it is, then who found the word.
    arrive("CMD_nextplayer+3+");
    EXPECT_EQ(bar.label_status->text(), Impostor + "'s turn.");
    arrive("CMD_hefoundit+1+5+5+");
    EXPECT_EQ(bar.label_status->text(), Picture + " has found the word!");
    EXPECT_TRUE(plain(bar.label_status));
    EXPECT_TRUE(plain(bar.label_round));

    // The chat history keeps every line as written.
    const QString history = window.history().view()->toPlainText();
    EXPECT_TRUE(history.contains(Picture + " is Connected."));
    EXPECT_TRUE(history.contains(Impostor + " is spying."));
    EXPECT_TRUE(history.contains(Impostor + " has started a SCRAMBLED game."));

    // The spy list.
    EXPECT_EQ(spylist.lines(), QStringList{"7: " + Impostor});

    // The winner banner, both of its lines.
    arrive("CMD_winner+" + wire(Picture) + "+");
    EXPECT_EQ(board.label_winner1->text(), Picture + " has Won the Game!");
    EXPECT_TRUE(plain(board.label_winner1));
    EXPECT_TRUE(plain(board.label_winner2));

    // The tally window: the game's players, a followed player's record, the question
    // before dropping him.
    ASSERT_EQ(tally->checklist->count(), 2);
    EXPECT_EQ(tally->checklist->item(0)->text(), Picture);
    EXPECT_EQ(tally->checklist->item(1)->text(), Impostor);
    tally->checklist->item(1)->setCheckState(Qt::Checked);
    ASSERT_EQ(tally->listbox_tally->count(), 1);
    tally->listbox_tally->setCurrentRow(0);
    EXPECT_EQ(tally->label_hisnametop->text(), Impostor + "'s Tally");
    EXPECT_EQ(tally->label_hisname->text(), Impostor + " Wins:");
    EXPECT_TRUE(plain(tally->label_hisnametop));
    EXPECT_TRUE(plain(tally->label_hisname));
    tally->listbox_tally->item(0)->setCheckState(Qt::Unchecked);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith("This will delete " + Impostor));
}

TEST_F(PeerText, LongNamesEndInAnEllipsisAndShowWholeInTheirTooltips)
{
    ScorePanel& scores = *window.scorePanel();
    arrive("CMD_newplayerinfo+1+" + wire(LongName));
    arrive("CMD_newplayerinfo+3+Ann");
    arrive("CMD_newplayerinfo+4+" + wire(Picture + " " + LongName));

    ElidedLabel* seat1 = scores.label_playername[0];
    EXPECT_EQ(seat1->text(), LongName);
    EXPECT_TRUE(seat1->isElided());
    EXPECT_TRUE(seat1->shownText().endsWith(QChar(0x2026)));
    EXPECT_TRUE(LongName.startsWith(seat1->shownText().chopped(1)));
    EXPECT_LE(seat1->fontMetrics().horizontalAdvance(seat1->shownText()), seat1->width());
    EXPECT_EQ(toolTipShown(seat1, QPoint(5, 5)), LongName);

    // A short name is shown whole, without a tooltip.
    ElidedLabel* seat3 = scores.label_playername[2];
    EXPECT_FALSE(seat3->isElided());
    EXPECT_EQ(seat3->shownText(), "Ann");
    EXPECT_EQ(toolTipShown(seat3, QPoint(5, 5)), QString());

    // The tooltip of a cut name that looks like markup shows it as written.
    EXPECT_EQ(toolTipShown(scores.label_playername[3], QPoint(5, 5)), Picture + " " + LongName);

    // The status line and the banner cut long texts the same way.
    arrive("CMD_nextplayer+4+");
    RoundBar& bar = *window.roundBar();
    EXPECT_EQ(bar.label_status->text(), Picture + " " + LongName + "'s turn.");
    EXPECT_LE(bar.label_status->fontMetrics().horizontalAdvance(bar.label_status->shownText()),
              bar.label_status->width());
    arrive("CMD_winner+" + wire(LongName + " " + LongName) + "+");
    ElidedLabel* banner = window.boardPanel()->label_winner1;
    EXPECT_TRUE(banner->isElided());
    EXPECT_EQ(toolTipShown(banner, QPoint(10, 10)), LongName + " " + LongName + " has Won the Game!");
}

TEST_F(PeerText, ListsCutLongLinesAndShowThemWholeInTheirTooltips)
{
    spylist.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&spylist));
    spylist.addSpy(7, LongName + " " + LongName);
    spylist.addSpy(8, Impostor + " " + LongName);
    spylist.addSpy(9, QStringLiteral("Eve"));
    QListWidget* list = spylist.listbox_spys;
    auto* delegate = qobject_cast<ElidedItemDelegate*>(list->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    QWidget* viewport = list->viewport();

    // Each line is as wide as the list, with no scroll bar to reach the rest.
    for (int i = 0; i < list->count(); ++i)
        EXPECT_LE(list->visualItemRect(list->item(i)).right(), viewport->width()) << i;
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());

    const QPoint line1 = list->visualItemRect(list->item(0)).center();
    const QPoint line2 = list->visualItemRect(list->item(1)).center();
    const QPoint line3 = list->visualItemRect(list->item(2)).center();
    EXPECT_EQ(toolTipShown(viewport, line1), "7: " + LongName + " " + LongName);
    EXPECT_EQ(toolTipShown(viewport, line2), "8: " + Impostor + " " + LongName);
    EXPECT_EQ(toolTipShown(viewport, line3), QString());

    // A whole tooltip is bounded, so a name of many thousand characters stays on screen.
    spylist.addSpy(7, QString(20000, QLatin1Char('W')));
    const QPoint line4 = list->visualItemRect(list->item(3)).center();
    EXPECT_LE(toolTipShown(viewport, line4).size(), 400);
    QToolTip::hideText();
}

TEST_F(PeerText, AHugeNameDoesNotStretchTheTallyWindow)
{
    const QSize usual = tally->sizeHint();
    const QString huge(5000, QLatin1Char('M'));
    tally->refillchecklist({huge});
    tally->checklist->item(0)->setCheckState(Qt::Checked);
    tally->listbox_tally->setCurrentRow(0);
    EXPECT_EQ(tally->label_hisnametop->text(), huge + "'s Tally");
    EXPECT_LE(tally->sizeHint().width(), usual.width() + 20);
}

TEST_F(PeerText, TheTallyWindowsOwnQuestionShowsTheNameAsWritten)
{
    // The default question box, not the scripted one.
    QTemporaryDir folder;
    Ttallylist own(folder.path());
    own.refillchecklist({Impostor});
    own.checklist->item(0)->setCheckState(Qt::Checked);
    ASSERT_EQ(own.listbox_tally->count(), 1);

    QString seenText;
    Qt::TextFormat seenFormat = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenText = box->text();
        seenFormat = box->textFormat();
        box->button(QMessageBox::No)->click();
    });
    own.listbox_tally->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(seenFormat, Qt::PlainText);
    EXPECT_TRUE(seenText.startsWith("This will delete " + Impostor));
    EXPECT_EQ(own.listbox_tally->count(), 1); // answered No
}
