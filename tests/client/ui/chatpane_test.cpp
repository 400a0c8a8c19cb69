// The chat pane as a player uses it: typing and Enter, the prompt, copy and paste, links
// under the pointer, the history's bound, the phrase row and the chatter-sound menu.
#include "client/GameClient.h"
#include "client/ui/ChatEntry.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/ChatLinks.h"
#include "client/ui/ChatPane.h"
#include "client/ui/ChatView.h"
#include "common/EventLoop.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct PaneRig {
    PaneRig()
    {
        client.connection.timer1().stop();
        client.ctx.out.send = [this](const Message& m) { sent.append(m.bytes()); };
        client.phrases.send = [this](const Message& m) { sent.append(m.bytes()); };
        client.ctx.state.myslot = 3;
        client.ctx.state.connected = true;
        pane.resize(300, 260);
        pane.show();
        pane.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&pane));
    }

    // The middle of the character at a document position, in the history's viewport.
    QPoint pointAt(int position) const
    {
        QTextCursor c(pane.mainchat->document());
        c.setPosition(position);
        const QRect left = pane.mainchat->cursorRect(c);
        c.setPosition(position + 1);
        const QRect right = pane.mainchat->cursorRect(c);
        return QPoint((left.x() + right.x()) / 2, left.center().y());
    }
    int positionOf(const QString& text) const { return int(pane.mainchat->toPlainText().indexOf(text)); }

    GameClient client;
    ChatPane pane{client};
    QList<QByteArray> sent;
};

QByteArray wire(const char* text)
{
    return QByteArray(text) + '\xFF';
}

} // namespace

TEST(ChatPane, TypingAndEnterSendTheLine)
{
    PaneRig rig;
    ChatEntry* box = rig.pane.mychat;
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(box->text(), "<Enter Chat Here>");
    EXPECT_EQ(box->maxLength(), ChatSender::MaxTyped);
    // The first key removes the prompt before it takes effect.
    QTest::keyClicks(box, "hi there");
    EXPECT_EQ(box->text(), "hi there");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), QString());
    QTest::keyClicks(box, "/me waves");
    QTest::keyClick(box, Qt::Key_Enter);
    QTest::keyClicks(box, "/who");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(rig.sent, (QList<QByteArray>{wire("CMD_chat+3+hi there|clBlack"), wire("CMD_action+3+waves|clBlack")}));

    // Not logged in yet: Enter keeps the line; the prompt never comes back.
    rig.client.ctx.state.connected = false;
    QTest::keyClicks(box, "later");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "later");
    EXPECT_EQ(rig.sent.size(), 2);
    box->clear();
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QString());
}

TEST(ChatPane, PasteReplacesTheWholeEntryAndCopyTakesPlainText)
{
    PaneRig rig;
    QClipboard* clipboard = QGuiApplication::clipboard();
    ChatEntry* box = rig.pane.mychat;
    box->setText(QStringLiteral("abcdef"));
    box->setSelection(1, 2);
    clipboard->setText(QStringLiteral("pasted"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "pasted");
    // Nothing that is text on the clipboard: the entry stays.
    auto* picture = new QMimeData;
    picture->setImageData(QImage(2, 2, QImage::Format_RGB32));
    clipboard->setMimeData(picture);
    rig.pane.Paste1->trigger();
    EXPECT_EQ(box->text(), "pasted");
    EXPECT_EQ(rig.pane.popup_mychat->actions(), QList<QAction*>{rig.pane.Paste1});

    ChatHistory& history = rig.pane.history();
    history.addlinetochat(QStringLiteral("Ann chats: hello there"), QColor(Qt::blue));
    QTextCursor select(rig.pane.mainchat->document());
    select.setPosition(0);
    select.setPosition(13, QTextCursor::KeepAnchor);
    rig.pane.mainchat->setTextCursor(select);
    QTest::keyClick(rig.pane.mainchat, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "Ann chats: he");
    EXPECT_FALSE(clipboard->mimeData()->hasHtml());
    // Nothing selected puts an empty text there.
    QTextCursor none(rig.pane.mainchat->document());
    rig.pane.mainchat->setTextCursor(none);
    rig.pane.Copy1->trigger();
    EXPECT_TRUE(clipboard->mimeData()->hasText());
    EXPECT_EQ(clipboard->text(), QString());
}

TEST(ChatPane, LinksTakeTheHandAndAClickSelectsAndOpensThem)
{
    PaneRig rig;
    QSignalSpy opened(&rig.pane, &ChatPane::linkClicked);
    ChatHistory& history = rig.pane.history();
    history.addlinetochat(QStringLiteral("Ann chats: see ftp://files/x."), QColor(Qt::blue));
    history.addlinetochat(QStringLiteral("Bob chats: (HTTP://A/B) and mailto: alone"), QColor(Qt::red));
    ChatView* view = rig.pane.mainchat;
    QWidget* viewport = view->viewport();

    const int link = rig.positionOf(QStringLiteral("ftp://"));
    QTest::mouseMove(viewport, rig.pointAt(link + 3));
    EXPECT_EQ(viewport->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(viewport, rig.pointAt(rig.positionOf(QStringLiteral("see"))));
    EXPECT_EQ(viewport->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(viewport, rig.pointAt(rig.positionOf(QStringLiteral("mailto")) + 2));
    EXPECT_EQ(viewport->cursor().shape(), Qt::ArrowCursor);
    // Beside the end of a line, and below the text, there is no link.
    EXPECT_EQ(chatlinks::characterAt(view, QPoint(viewport->width() - 3, rig.pointAt(link).y())), -1);
    EXPECT_EQ(chatlinks::characterAt(view, QPoint(10, viewport->height() - 3)), -1);

    // A right click opens nothing; a left click selects the link and opens it.
    QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, rig.pointAt(link + 3));
    EXPECT_EQ(opened.count(), 0);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, rig.pointAt(link + 3));
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened[0][0].toString(), "ftp://files/x");
    EXPECT_EQ(view->textCursor().selectedText(), "ftp://files/x");

    const int caps = rig.positionOf(QStringLiteral("HTTP"));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, rig.pointAt(caps + 5));
    ASSERT_EQ(opened.count(), 2);
    EXPECT_EQ(opened[1][0].toString(), "HTTP://A/B");
    // Letting go of the mouse gives the entry box the focus back.
    EXPECT_TRUE(testutil::waitFor([&] { return rig.pane.mychat->hasFocus(); }, 1000));
}

TEST(ChatPane, TheHistoryKeepsItsLastLinesAndClears)
{
    PaneRig rig;
    ChatHistory& history = rig.pane.history();
    const QTextDocument* doc = rig.pane.mainchat->document();
    int sent = 0;
    const auto add = [&](int lines) {
        for (int i = 0; i < lines; ++i)
            history.addlinetochat(QStringLiteral("Ann chats: line %1").arg(sent++), QColor(Qt::black));
    };
    const auto line = [](int n) { return QStringLiteral("Ann chats: line %1").arg(n); };

    // Lines gather up to one short of MaxLines + DropBatch; the next one drops the oldest
    // DropBatch at once, leaving the last MaxLines.
    const int limit = ChatHistory::MaxLines + ChatHistory::DropBatch;
    add(limit - 1);
    EXPECT_EQ(history.lineCount(), limit - 1);
    EXPECT_EQ(doc->firstBlock().text(), line(0));
    add(1);
    EXPECT_EQ(history.lineCount(), ChatHistory::MaxLines);
    EXPECT_EQ(doc->firstBlock().text(), line(ChatHistory::DropBatch));
    EXPECT_EQ(doc->lastBlock().previous().text(), line(limit - 1));
    // The kept lines still have their bold speaker.
    EXPECT_TRUE(doc->firstBlock().begin().fragment().charFormat().fontWeight() >= QFont::Bold);

    // With Scroll Chat Off the caret and the view stay on the lines they were on while
    // old lines go.
    history.setScrollChatOff(true);
    QTextCursor caret(doc->findBlockByNumber(1000));
    rig.pane.mainchat->setTextCursor(caret);
    QScrollBar* bar = rig.pane.mainchat->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const QString topLine = rig.pane.mainchat->cursorForPosition(QPoint(0, 0)).block().text();
    add(ChatHistory::DropBatch);
    EXPECT_EQ(history.lineCount(), ChatHistory::MaxLines);
    EXPECT_EQ(doc->firstBlock().text(), line(2 * ChatHistory::DropBatch));
    EXPECT_EQ(rig.pane.mainchat->textCursor().block().text(), line(ChatHistory::DropBatch + 1000));
    EXPECT_EQ(rig.pane.mainchat->cursorForPosition(QPoint(0, 0)).block().text(), topLine);

    rig.pane.ClearMainChat1Click();
    EXPECT_EQ(history.lineCount(), 0);
    EXPECT_TRUE(rig.pane.mychat->hasFocus() || !rig.pane.isActiveWindow());
    history.addlinetochat(QStringLiteral("again"), QColor(Qt::black));
    EXPECT_EQ(history.lineCount(), 1);
    EXPECT_EQ(doc->firstBlock().text(), QStringLiteral("again"));
}

TEST(ChatPane, ThePhraseRowAboveTheHistory)
{
    PaneRig rig;
    ChatPane& pane = rig.pane;
    const QStringList phrases = Preferences::defaultPhrases();
    int left = -1;
    for (int n = 1; n <= ChatPane::PhraseButtons; ++n) {
        QToolButton* b = pane.b_phrase[std::size_t(n - 1)];
        SCOPED_TRACE(n);
        EXPECT_EQ(b->objectName(), QStringLiteral("b_phrase%1").arg(n));
        EXPECT_EQ(b->size(), QSize(25, 19));
        EXPECT_TRUE(b->autoRaise());
        EXPECT_FALSE(b->icon().isNull());
        // The note button says what it does; the others show the phrase they send.
        EXPECT_EQ(b->toolTip(), n == ChatPane::SoundsButton ? ChatPane::SoundsButtonTip : phrases[n - 1]);
        const QRect at(b->mapTo(&pane, QPoint(0, 0)), b->size());
        EXPECT_GT(at.left(), left);
        left = at.left();
        EXPECT_LE(at.bottom(), pane.mainchat->mapTo(&pane, QPoint(0, 0)).y());
    }
    // The tooltips follow the preferences, also when they are loaded.
    rig.client.prefs.setPhrase(4, QStringLiteral("Nice!"));
    rig.client.prefs.setPhrase(10, QStringLiteral("/me waves"));
    EXPECT_EQ(pane.b_phrase[3]->toolTip(), "Nice!");
    EXPECT_EQ(pane.b_phrase[9]->toolTip(), "Chatter sounds");

    QTest::mouseClick(pane.b_phrase[3], Qt::LeftButton);
    QTest::mouseClick(pane.b_phrase[0], Qt::LeftButton); // resting
    EXPECT_EQ(rig.sent, QList<QByteArray>{wire("CMD_action+3+says: Nice!|clBlack")});
}

TEST(ChatPane, TheNoteButtonOpensTheChatterSoundMenu)
{
    PaneRig rig;
    ChatPane& pane = rig.pane;
    QMenu* menu = pane.popup_sounds;
    QStringList captions;
    for (QAction* item : menu->actions())
        if (!item->isSeparator()) {
            captions.append(item->text());
            EXPECT_EQ(item->toolTip(), item->text());
        }
    EXPECT_EQ(captions, (QStringList{"<Cancel>", "Doh", "Cough", "Hello", "Thank You", "Where have you been?", "Snoring",
                                     "Sneezing", "Sorry", "Welcome", "Yeehaa", "Yippee", "Oh No", "Applause", "Honk"}));

    QToolButton* note = pane.b_phrase[ChatPane::SoundsButton - 1];
    QTest::mouseClick(note, Qt::LeftButton);
    ASSERT_TRUE(testutil::waitFor([&] { return menu->isVisible(); }, 1000));
    EXPECT_EQ(menu->pos(), note->mapToGlobal(QPoint(note->width(), note->height())));
    for (QAction* item : menu->actions())
        if (item->objectName() == "wave3" || item->objectName() == "Cancel1")
            item->trigger();
    menu->hide();
    EXPECT_EQ(rig.sent, QList<QByteArray>{wire("CMD_playasound+3+wave3+")});
    // The note button sends no phrase.
    EXPECT_TRUE(rig.client.phrases.ready());
}
