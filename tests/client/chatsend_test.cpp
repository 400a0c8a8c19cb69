// What a player sends from the chat pane: typed lines and actions (`sendit`), the quick
// phrases with their two-second rest, and the chatter sounds from the note button's menu.
// The bytes are checked as they go on the wire.
#include "client/GameClient.h"
#include "net/Sock.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

class ChatSendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        client.connection.timer1().stop();
        client.ctx.out.send = [this](const Message& m) { sent.append(m.bytes()); };
        client.phrases.send = [this](const Message& m) {
            if (!socketUp)
                throw ESockException("Send - Socket Not Connected");
            sent.append(m.bytes());
        };
        client.ctx.out.addlinetochat = [this](const QString& l, const QColor& c) {
            lines.append(l);
            colours.append(c);
        };
        client.ctx.state.myslot = 3;
        client.ctx.state.connected = true;
    }

    static QByteArray wire(const char* text) { return QByteArray(text) + '\xFF'; }

    GameClient client;
    QList<QByteArray> sent;
    QStringList lines;
    QList<QColor> colours;
    bool socketUp = true;
};

} // namespace

TEST_F(ChatSendTest, TypedLinesGoAsChatOrActionWithTheirColours)
{
    EXPECT_TRUE(client.chatSender.sendit(QStringLiteral("hello")));
    client.prefs.setActionColour(0x00FF8000);
    EXPECT_TRUE(client.chatSender.sendit(QStringLiteral("/me waves")));
    client.prefs.setChatColour(colortext::Red);
    // Sent as typed: "+", "|" and spaces at either end stay, nothing is trimmed.
    EXPECT_TRUE(client.chatSender.sendit(QStringLiteral(" a+b|c ")));
    // Windows-1252 on the wire, and no 0xFF inside a message.
    EXPECT_TRUE(client.chatSender.sendit(QString::fromUtf8("café € ÿ")));
    EXPECT_EQ(sent, (QList<QByteArray>{
                        wire("CMD_chat+3+hello|clBlack"),
                        wire("CMD_action+3+waves|$00FF8000"),
                        wire("CMD_chat+3+ a+b|c |clRed"),
                        wire("CMD_chat+3+caf\xe9 \x80 ?|clRed"),
                    }));
}

TEST_F(ChatSendTest, SlashLinesOtherThanMeGoNowhereButEmptyTheBox)
{
    for (const char* text : {"/meow", "/me", "/who", "/Me waves", "/ME waves", "/", ""}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(client.chatSender.sendit(QString::fromLatin1(text)));
    }
    EXPECT_TRUE(sent.isEmpty());
    // "/me " alone is an empty action.
    EXPECT_TRUE(client.chatSender.sendit(QStringLiteral("/me ")));
    EXPECT_EQ(sent, QList<QByteArray>{wire("CMD_action+3+|clBlack")});
}

TEST_F(ChatSendTest, BeforeTheLoginNothingIsSentAndTheTextStays)
{
    client.ctx.state.connected = false;
    EXPECT_FALSE(client.chatSender.sendit(QStringLiteral("hello")));
    EXPECT_FALSE(client.chatSender.sendit(QStringLiteral("/me waves")));
    EXPECT_TRUE(sent.isEmpty());
}

TEST_F(ChatSendTest, TheLongestTypedLineStillFitsWhatTheHostTakes)
{
    // The longest colour text and the highest slot on the longest line.
    client.prefs.setChatColour(*colortext::TextToColor(QStringLiteral("clInactiveCaptionText")));
    client.ctx.state.myslot = 9;
    client.chatSender.sendit(QString(ChatSender::MaxTyped, u'x'));
    ASSERT_EQ(sent.size(), 1);
    const qsizetype withoutTerminator = sent[0].size() - 1;
    EXPECT_LE(withoutTerminator, MessageFramer::MaxTail);
    // And so does the host's relay of it under a name of a few hundred bytes.
    const QByteArray said = sent[0].mid(qsizetype(strlen("CMD_chat+9+")), withoutTerminator - qsizetype(strlen("CMD_chat+9+")));
    EXPECT_LE(proto::chatRelay(QByteArray(400, 'n'), said).message().text().size(), MessageFramer::MaxTail);
    // The host's own framer takes the message whole.
    MessageFramer host;
    EXPECT_EQ(host.feed(sent[0]).size(), 1);
}

TEST_F(ChatSendTest, PhrasesGoAsActionsThenTheButtonsRest)
{
    client.ctx.state.myslot = 2;
    QuickPhrases& phrases = client.phrases;
    EXPECT_TRUE(phrases.ready());
    phrases.b_phrase1Click(1);
    EXPECT_FALSE(phrases.ready());
    EXPECT_TRUE(phrases.pauseTimer().isActive());
    EXPECT_TRUE(phrases.pauseTimer().isSingleShot());
    EXPECT_EQ(phrases.pauseTimer().interval(), 2000);
    // A second click while the buttons rest is ignored without a sign.
    phrases.b_phrase1Click(2);
    phrases.b_phrase1Click(1);
    EXPECT_EQ(sent, QList<QByteArray>{wire("CMD_action+2+says: Way To Go!|clBlack")});
    EXPECT_TRUE(lines.isEmpty());

    // Once the rest is over a click sends again, with the phrases and colour of now.
    phrases.endPause();
    client.prefs.setPhrase(4, QStringLiteral("/me cheers"));
    client.prefs.setActionColour(0x00FF8000);
    phrases.b_phrase1Click(4);
    phrases.endPause();
    client.prefs.setPhrase(5, QStringLiteral("/mecheers"));
    phrases.b_phrase1Click(5);
    phrases.endPause();
    client.prefs.setPhrase(6, QString());
    phrases.b_phrase1Click(6);
    phrases.endPause();
    // The tenth phrase, and one longer than the editor lets anybody type, go whole.
    phrases.b_phrase1Click(10);
    phrases.endPause();
    const QString longPhrase(80, u'z');
    client.prefs.setPhrase(7, longPhrase);
    phrases.b_phrase1Click(7);
    ASSERT_EQ(sent.size(), 6);
    EXPECT_EQ(sent[1], wire("CMD_action+2+cheers|$00FF8000"));
    EXPECT_EQ(sent[2], wire("CMD_action+2+says: /mecheers|$00FF8000"));
    EXPECT_EQ(sent[3], wire("CMD_action+2+says: |$00FF8000"));
    EXPECT_EQ(sent[4], wire("CMD_action+2+waves \"Good-Bye\"|$00FF8000"));
    EXPECT_EQ(sent[5], "CMD_action+2+says: " + longPhrase.toLatin1() + "|$00FF8000\xFF");
}

TEST_F(ChatSendTest, APhraseNeedsNoLoginButASocket)
{
    // Connected to the host but not yet logged in: the phrase goes.
    client.ctx.state.connected = false;
    client.ctx.state.myslot = 0;
    client.phrases.b_phrase1Click(3);
    EXPECT_EQ(sent, QList<QByteArray>{wire("CMD_action+0+says: Nice Try!|clBlack")});
    client.phrases.endPause();

    // No socket at all: the socket's message is a system line, and no rest starts.
    socketUp = false;
    client.phrases.b_phrase1Click(3);
    EXPECT_EQ(lines, QStringList{"Send - Socket Not Connected"});
    EXPECT_EQ(colours, QList<QColor>{ClientContext::systemColour()});
    EXPECT_TRUE(client.phrases.ready());
    EXPECT_EQ(sent.size(), 1);
}

TEST(QuickPhrases, WithoutAHostThePhraseSaysSoInTheChat)
{
    // The client's own wiring: before any connection the socket refuses.
    GameClient fresh;
    QStringList said;
    fresh.ctx.out.addlinetochat = [&](const QString& l, const QColor&) { said.append(l); };
    fresh.phrases.b_phrase1Click(1);
    EXPECT_EQ(said, QStringList{"Send - Socket Not Connected"});
    EXPECT_TRUE(fresh.phrases.ready());
}

TEST_F(ChatSendTest, ChatterSoundsFromTheMenu)
{
    client.ctx.state.myslot = 2;
    client.chatter.wave14Click(3);
    client.chatter.wave14Click(14);
    // "<Cancel>" and numbers outside the menu send nothing.
    client.chatter.wave14Click(0);
    client.chatter.wave14Click(15);
    EXPECT_EQ(sent, (QList<QByteArray>{wire("CMD_playasound+2+wave3+"), wire("CMD_playasound+2+wave14+")}));

    // A spectator sends nothing, and neither does a player not yet logged in.
    sent.clear();
    client.ctx.state.myslot = 7;
    client.chatter.wave14Click(1);
    client.ctx.state.myslot = 2;
    client.ctx.state.seatcount = 1;
    client.chatter.wave14Click(1);
    client.ctx.state.seatcount = 6;
    client.ctx.state.connected = false;
    client.chatter.wave14Click(1);
    EXPECT_TRUE(sent.isEmpty());
}

TEST_F(ChatSendTest, ChatterSoundsArriveByTheChatterSwitchAlone)
{
    QStringList played;
    QStringList events;
    client.chatter.play = [&](const QString& n) { played.append(n); };
    client.ctx.out.playsounds = [&](const QString& n) { events.append(n); };
    FieldReader seat(QByteArray("2+Ann"));
    client.game.newplayerinfo(proto::NewPlayerInfo::read(seat));
    lines.clear();
    events.clear();
    auto arrive = [&](const char* rest) {
        FieldReader f{QByteArray(rest)};
        client.chatter.playasound(proto::PlayASound::read(f));
    };

    // "Play Sounds" off, chatter on: the chatter sound is heard.
    client.prefs.setPlaySounds(false);
    client.prefs.setChatterSounds(true);
    arrive("2+wave3+");
    EXPECT_EQ(played, QStringList{"wave3"});
    EXPECT_TRUE(lines.isEmpty());

    // Chatter off: named in the chat, with the sender's name in bold, whatever "Play Sounds" says.
    client.prefs.setPlaySounds(true);
    client.prefs.setChatterSounds(false);
    arrive("2+wave3+");
    arrive("2+wave4+");
    arrive("8+wave3+"); // a spectator's slot has no name label on the scoreboard
    arrive("2+honk+");  // no such item
    EXPECT_EQ(lines, (QStringList{"Ann: <Chatter Sound> Hello", "Ann: <Chatter Sound> Thank You"}));
    EXPECT_EQ(colours.value(0), ClientContext::systemColour());
    EXPECT_EQ(played.size(), 1);
    EXPECT_TRUE(events.isEmpty()); // never through the event sounds
}
