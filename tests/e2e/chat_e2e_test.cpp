// Two players on a real host talk to each other with the keyboard and the mouse: a typed
// line, an action, a quick phrase and a chatter sound each reach both chat histories in
// the sender's colour, the speaker part in bold.
#include "client/ui/ChatEntry.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/ChatPane.h"
#include "client/ui/ChatView.h"
#include "client/ui/MainMenus.h"
#include "client/ui/OptionsMenu.h"
#include "client/ui/ScorePanel.h"
#include "client/ui/chatform.h"
#include "common/EventLoop.h"
#include "host/RandomSource.h"
#include "host/TServer.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Talker {
    Talker(const QStringList& params, quint16 port)
        : window(params)
    {
        window.prefs().setPlaySounds(false);
        window.client().session.port = port;
        window.menus().options().chooseColour = [this](const QColor&, const QString&) { return nextColour; };
        window.show();
    }
    ChatPane& pane() { return *window.chatPane(); }
    // The history's lines, and the colour and weight of the first run of a line.
    QStringList lines()
    {
        QStringList all;
        const QTextDocument* doc = pane().mainchat->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            if (!b.text().isEmpty())
                all.append(b.text());
        return all;
    }
    QTextCharFormat formatOf(const QString& line, int offset)
    {
        const QTextDocument* doc = pane().mainchat->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            if (b.text() == line) {
                QTextCursor c(b);
                c.setPosition(b.position() + offset + 1);
                return c.charFormat();
            }
        return {};
    }
    void type(const QString& text)
    {
        QTest::keyClicks(pane().mychat, text);
        QTest::keyClick(pane().mychat, Qt::Key_Return);
    }

    Tchat window;
    std::optional<QColor> nextColour;
};

} // namespace

TEST(EndToEndChat, TwoPlayersSeeEachOthersColouredLines)
{
    SeededRandom random(99);
    TServer server(nullptr, random, 0);
    server.startListening();

    Talker ann(QStringList{"Ann", "127.0.0.1", "false"}, server.port());
    ASSERT_TRUE(testutil::waitFor([&] { return ann.window.client().ctx.state.connected; }));
    Talker bob(QStringList{"Bob", "127.0.0.1", "false"}, server.port());
    ASSERT_TRUE(testutil::waitFor([&] {
        return ann.window.scorePanel()->label_playername[1]->text() == "Bob"
            && bob.window.scorePanel()->label_playername[0]->text() == "Ann";
    }));

    // Ann picks a green chat colour and an orange action colour from the Options menu.
    ann.nextColour = QColor(0, 128, 0);
    ann.window.menus().options().TextColor1->trigger();
    ann.nextColour = QColor(255, 128, 0);
    ann.window.menus().options().ActionColor1->trigger();
    ann.type(QStringLiteral("hello Bob, see www.example.org"));
    ann.type(QStringLiteral("/me waves"));
    bob.type(QStringLiteral("hi Ann"));

    const QString annChat = QStringLiteral("Ann chats: hello Bob, see www.example.org");
    const QString annAction = QStringLiteral("Ann waves");
    const QString bobChat = QStringLiteral("Bob chats: hi Ann");
    for (Talker* t : {&ann, &bob}) {
        ASSERT_TRUE(testutil::waitFor([&] {
            const QStringList l = t->lines();
            return l.contains(annChat) && l.contains(annAction) && l.contains(bobChat);
        })) << t->lines().join(" / ").toStdString();
        EXPECT_EQ(t->formatOf(annChat, 0).foreground().color(), QColor(0, 128, 0));
        EXPECT_GE(t->formatOf(annChat, 0).fontWeight(), QFont::Bold);          // "Ann chats:"
        EXPECT_LT(t->formatOf(annChat, 12).fontWeight(), QFont::Bold);         // " hello ..."
        EXPECT_EQ(t->formatOf(annChat, 12).foreground().color(), QColor(0, 128, 0));
        EXPECT_EQ(t->formatOf(annAction, 0).foreground().color(), QColor(255, 128, 0));
        EXPECT_LT(t->formatOf(annAction, 0).fontWeight(), QFont::Bold);        // no ":" in it
        EXPECT_EQ(t->formatOf(bobChat, 0).foreground().color(), QColor(Qt::black));
    }

    // Bob answers with a quick phrase and sends Ann a chatter sound, all by mouse.
    QTest::mouseClick(bob.pane().b_phrase[1], Qt::LeftButton);
    QTest::mouseClick(bob.pane().b_phrase[ChatPane::SoundsButton - 1], Qt::LeftButton);
    ASSERT_TRUE(testutil::waitFor([&] { return bob.pane().popup_sounds->isVisible(); }, 2000));
    for (QAction* item : bob.pane().popup_sounds->actions())
        if (item->objectName() == "wave3")
            item->trigger();
    bob.pane().popup_sounds->hide();
    ASSERT_TRUE(testutil::waitFor([&] {
        return ann.lines().contains("Bob says: Good One!") && ann.lines().contains("Bob: <Chatter Sound> Hello")
            && bob.lines().contains("Bob says: Good One!");
    })) << ann.lines().join(" / ").toStdString();
    EXPECT_GE(ann.formatOf("Bob says: Good One!", 0).fontWeight(), QFont::Bold);
}
