// The chat history's bold speaker parts and colours, Scroll Chat Off, and a relayed line
// on its way into the history.
#include "client/ChatReceive.h"
#include "client/ColorText.h"
#include "client/ui/ChatHistory.h"
#include "common/EventLoop.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <vector>

using namespace colortext;

namespace {

struct TextRun {
    QString text;
    bool bold;
    QColor colour;
};

// The runs of text in the history, in order, with their weight and colour.
std::vector<TextRun> runsOf(const QTextDocument& doc)
{
    std::vector<TextRun> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            runs.push_back({fragment.text(), format.fontWeight() >= QFont::Bold, format.foreground().color()});
        }
    }
    return runs;
}

struct HistoryRig {
    QTextBrowser view;
    ChatHistory history{&view};
    std::vector<TextRun> runs() const { return runsOf(*view.document()); }
};

} // namespace

TEST(ChatHistory, SpeakerPartIsBoldAndTheWholeLineIsOneColour)
{
    HistoryRig rig;
    const QColor blue(0, 0, 255);
    rig.history.addlinetochat("Ann chats: hi", blue);
    rig.history.addlinetochat("Loading Solo Game..Please wait.", QColor(0, 128, 0));
    rig.history.addlinetochat("Bob chats: see: here", QColor(128, 0, 0));

    const std::vector<TextRun> runs = rig.runs();
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].text, "Ann chats:");
    EXPECT_TRUE(runs[0].bold);
    EXPECT_EQ(runs[0].colour, blue);
    EXPECT_EQ(runs[1].text, " hi");
    EXPECT_FALSE(runs[1].bold);
    EXPECT_EQ(runs[1].colour, blue);
    EXPECT_EQ(runs[2].text, "Loading Solo Game..Please wait.");
    EXPECT_FALSE(runs[2].bold);
    EXPECT_EQ(runs[2].colour, QColor(0, 128, 0));
    EXPECT_EQ(runs[3].text, "Bob chats:"); // only up to the first ":"
    EXPECT_TRUE(runs[3].bold);
    EXPECT_EQ(runs[4].text, " see: here");
    EXPECT_FALSE(runs[4].bold);
    EXPECT_EQ(rig.view.toPlainText(), "Ann chats: hi\nLoading Solo Game..Please wait.\nBob chats: see: here\n");
}

TEST(ChatHistory, EdgeLines)
{
    HistoryRig rig;
    rig.history.addlinetochat(":", Qt::red);
    rig.history.addlinetochat("", Qt::red);
    rig.history.addlinetochat("Ann:", Qt::red);
    const std::vector<TextRun> runs = rig.runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, ":");
    EXPECT_TRUE(runs[0].bold);
    EXPECT_EQ(runs[1].text, "Ann:");
    EXPECT_TRUE(runs[1].bold);
    EXPECT_EQ(rig.view.toPlainText(), ":\n\nAnn:\n");
    EXPECT_EQ(ChatHistory::speakerPart("no colon here"), QString());
    EXPECT_EQ(ChatHistory::speakerPart("a:b:c"), "a:");
}

TEST(ChatHistory, SystemColourValuesUseThePalette)
{
    HistoryRig rig;
    rig.history.addlinetochat("plain", ColorValue(0x00FF0000));
    rig.history.addlinetochat("themed", *TextToColor("clWindowText"));
    const std::vector<TextRun> runs = rig.runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].colour, QColor(0, 0, 255));
    EXPECT_EQ(runs[1].colour, rig.view.palette().color(QPalette::Text));
}

TEST(ChatHistory, LooksLikeTheHistory)
{
    HistoryRig rig;
    EXPECT_TRUE(rig.view.isReadOnly());
    EXPECT_EQ(rig.view.palette().color(QPalette::Base), QColor(237, 207, 137));
    EXPECT_EQ(rig.view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(rig.history.textSize(), 8);
    rig.history.setTextSize(12);
    EXPECT_EQ(rig.history.textSize(), 12);
    rig.history.addlinetochat("Ann chats: x", Qt::black);
    rig.history.clear();
    EXPECT_TRUE(rig.view.toPlainText().isEmpty());
    rig.history.addlinetochat("Ann chats: again", Qt::black);
    EXPECT_EQ(rig.runs().size(), 2u);
}

TEST(ChatHistory, FollowsTheConversationUntilScrollChatOff)
{
    HistoryRig rig;
    rig.view.resize(300, 120);
    rig.view.show();
    QScrollBar* bar = rig.view.verticalScrollBar();
    for (int i = 0; i < 60; ++i)
        rig.history.addlinetochat(QString("P%1 chats: line %1").arg(i), Qt::black);
    testutil::spin(20);
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(rig.view.textCursor().position(), rig.view.document()->characterCount() - 1);

    // The reader selects a few characters, scrolls elsewhere, then holds the view.
    QTextCursor selection(rig.view.document());
    selection.setPosition(40);
    selection.setPosition(50, QTextCursor::KeepAnchor);
    rig.view.setTextCursor(selection);
    bar->setValue(bar->maximum() / 3);
    const int held = bar->value();
    ASSERT_GT(held, 0);
    int toggles = 0;
    QObject::connect(&rig.history, &ChatHistory::scrollChatOffChanged, [&](bool) { ++toggles; });
    rig.history.setScrollChatOff(true);
    EXPECT_EQ(toggles, 1);

    for (int i = 0; i < 30; ++i)
        rig.history.addlinetochat(QString("Q%1 chats: more %1").arg(i), Qt::black);
    testutil::spin(20);
    EXPECT_EQ(bar->value(), held);
    EXPECT_EQ(rig.view.textCursor().position(), 40);
    EXPECT_FALSE(rig.view.textCursor().hasSelection());
    EXPECT_LT(bar->value(), bar->maximum());

    // Switched back on, the next line brings the view to the end again.
    rig.history.setScrollChatOff(false);
    rig.history.addlinetochat("Ann chats: back", Qt::black);
    testutil::spin(20);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(toggles, 2);
}

TEST(ChatReceive, ReceivedLineLandsInTheHistory)
{
    HistoryRig rig;
    ClientContext context;
    context.out.addlinetochat = [&](const QString& text, const QColor& colour) {
        rig.history.addlinetochat(text, colour);
    };
    ChatReceiver receiver(context);
    receiver.chatrecieved("Ann chats: hi|clBlue");
    receiver.chatrecieved("Ann waves|$000000FF");

    const std::vector<TextRun> runs = rig.runs();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "Ann chats:");
    EXPECT_TRUE(runs[0].bold);
    EXPECT_EQ(runs[0].colour, QColor(0, 0, 255));
    EXPECT_EQ(runs[1].text, " hi");
    EXPECT_FALSE(runs[1].bold);
    EXPECT_EQ(runs[2].text, "Ann waves");
    EXPECT_FALSE(runs[2].bold);
    EXPECT_EQ(runs[2].colour, QColor(255, 0, 0));
}

TEST(ChatHistory, LinksAreDrawnAsLinks)
{
    // Each line's runs: text, bold, underlined (a link, in the link colour).
    struct Run {
        QString text;
        bool bold;
        bool link;
    };
    struct Case {
        QString line;
        std::vector<Run> runs;
    };
    const Case cases[] = {
        {"Ann chats: see ftp://files/x. now",
         {{"Ann chats:", true, false}, {" see ", false, false}, {"ftp://files/x", false, true}, {". now", false, false}}},
        {"Bob chats: (HTTP://A/B) and www.a.org/p",
         {{"Bob chats:", true, false},
          {" (", false, false},
          {"HTTP://A/B", false, true},
          {") and ", false, false},
          {"www.a.org/p", false, true}}},
        // A link inside the speaker part is both bold and a link.
        {"mailto:ann@x.org: hi", {{"mailto:", true, true}, {"ann@x.org", false, true}, {": hi", false, false}}},
        {"no link: www. and mailto: alone", {{"no link:", true, false}, {" www. and mailto: alone", false, false}}},
    };
    // A line of the client's own without a speaker: no bold part, whatever its colons.
    {
        QTextBrowser view;
        ChatHistory history(&view);
        history.addplainline("Friends can join at 10.0.0.5 or 2001:db8::7 port 7772", QColor(0, 0, 255));
        const QTextBlock block = view.document()->begin();
        ASSERT_FALSE(block.begin().atEnd());
        EXPECT_EQ(block.begin().fragment().text(), "Friends can join at 10.0.0.5 or 2001:db8::7 port 7772");
        EXPECT_LT(block.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    }
    const QColor ink(0, 0, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        QTextBrowser view;
        ChatHistory history(&view);
        history.addlinetochat(c.line, ink);
        std::vector<Run> runs;
        const QTextBlock block = view.document()->begin();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const bool link = f.fontUnderline();
            EXPECT_EQ(f.foreground().color(), link ? ChatHistory::LinkColour : ink) << it.fragment().text().toStdString();
            runs.push_back({it.fragment().text(), f.fontWeight() >= QFont::Bold, link});
        }
        ASSERT_EQ(runs.size(), c.runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].text, c.runs[i].text) << i;
            EXPECT_EQ(runs[i].bold, c.runs[i].bold) << i;
            EXPECT_EQ(runs[i].link, c.runs[i].link) << i;
        }
        EXPECT_EQ(view.toPlainText(), c.line + "\n");
    }
}
