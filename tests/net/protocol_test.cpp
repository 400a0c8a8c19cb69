// Framing, receive queue, dispatch and field extraction of the game's text messages.
#include "common/Printers.h"
#include "net/Dispatcher.h"
#include "net/FieldReader.h"
#include "net/Message.h"
#include "net/MessageFramer.h"
#include "net/ReceiveQueue.h"
#include "net/Wire.h"

#include <gtest/gtest.h>

namespace {

QByteArray ff(const char* text)
{
    QByteArray b(text);
    b.replace('|', '\xFF');
    return b;
}

} // namespace

TEST(MessageTest, BuildsCommandFieldsAndTerminator)
{
    EXPECT_EQ(Message("CMD_full").add("").bytes(), ff("CMD_full+|"));
    EXPECT_EQ(Message("CMD_hefoundit").add(3).add(42).add(117).add("").bytes(), ff("CMD_hefoundit+3+42+117+|"));
    EXPECT_EQ(Message("CMD_nextplayer").add(1).add("").text(), QByteArray("CMD_nextplayer+1+"));
    EXPECT_EQ(Message("CMD_x").add(-4).flag(true).flag(false).text(), QByteArray("CMD_x+-4+t+f"));
    EXPECT_EQ(Message("CMD_theword").raw("+1+3+2+1").text(), QByteArray("CMD_theword+1+3+2+1"));
}

TEST(MessageTest, NoTerminatorByteInsideAMessage)
{
    const QByteArray sent = Message("CMD_chat").add(1).add(QByteArray("a\xFF" "b")).raw("+c\xFF").bytes();
    EXPECT_EQ(sent.count('\xFF'), 1);
    EXPECT_TRUE(sent.endsWith('\xFF'));
    EXPECT_EQ(sent, ff("CMD_chat+1+a?b+c?|"));
    // Unicode text: "ÿ" would be byte 0xFF and a character outside Windows-1252 cannot be sent.
    EXPECT_EQ(Message("CMD_chat").add(QString::fromUtf8("Zoë ÿ 中 €")).text(), QByteArray("CMD_chat+Zo\xEB ? ? \x80"));
}

TEST(WireTest, Windows1252RoundTripAndReplacement)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = wire::fromWire(all);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x99), QChar(0x2122));
    EXPECT_EQ(text.at(0xE9), QChar(0xE9));
    QByteArray back = wire::toWire(text);
    QByteArray expected = all;
    expected[0xFF] = '?';
    EXPECT_EQ(back, expected);
    EXPECT_EQ(wire::toWire(QString::fromUtf8("😀x")), QByteArray("?x"));
}

TEST(FramerTest, CutsAtTerminatorsAndKeepsEmptyEntries)
{
    MessageFramer f;
    const QList<QByteArray> got = f.feed(ff("CMD_a+1|CMD_b+2||tail"));
    ASSERT_EQ(got.size(), 3);
    EXPECT_EQ(got[0], "CMD_a+1");
    EXPECT_EQ(got[1], "CMD_b+2");
    EXPECT_EQ(got[2], "");
    EXPECT_EQ(f.pendingBytes(), 4);
}

TEST(FramerTest, MessageSplitAcrossReadsArrivesWhole)
{
    MessageFramer f;
    EXPECT_TRUE(f.feed("CMD_logininfo+2+1.").isEmpty());
    EXPECT_TRUE(f.feed("0.4+Al").isEmpty());
    const QList<QByteArray> got = f.feed(ff("ice|CMD_chat+2+hi|CMD_"));
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0], "CMD_logininfo+2+1.0.4+Alice");
    EXPECT_EQ(got[1], "CMD_chat+2+hi");
    // Byte by byte works too.
    MessageFramer g;
    QList<QByteArray> all;
    for (char c : ff("CMD_x+1|CMD_y+2|"))
        all += g.feed(QByteArray(1, c));
    EXPECT_EQ(all, (QList<QByteArray>{"CMD_x+1", "CMD_y+2"}));
}

TEST(FramerTest, OverlongUnterminatedRunIsDiscardedAndStreamRecovers)
{
    MessageFramer f;
    const QByteArray chunk(16 * 1024, 'x');
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(f.feed(chunk).isEmpty());
    EXPECT_LE(f.pendingBytes(), MessageFramer::MaxTail);
    EXPECT_GT(f.discardedBytes(), 0);
    // The rest of the overlong run up to its terminator is dropped; what follows is whole.
    const QList<QByteArray> got = f.feed(ff("xxxx|CMD_ok+1|"));
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0], "CMD_ok+1");
    EXPECT_EQ(f.pendingBytes(), 0);
}

TEST(FramerTest, TailAtExactlyTheBoundIsKept)
{
    MessageFramer f;
    QByteArray text = "CMD_big+";
    text.append(QByteArray(MessageFramer::MaxTail - text.size(), 'a'));
    EXPECT_TRUE(f.feed(text).isEmpty());
    const QList<QByteArray> got = f.feed(ff("|"));
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0].size(), MessageFramer::MaxTail);
    // One byte more in a single read is too long.
    MessageFramer g;
    EXPECT_EQ(g.feed(text + "a" + ff("|CMD_ok+|")), QList<QByteArray>{"CMD_ok+"});
}

TEST(ReceiveQueueTest, StartsWithItsInvalidEntryAndKeepsOrder)
{
    ReceiveQueue q("receivedlist");
    q.push("CMD_a+");
    q.push("CMD_b+");
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q.take(), "receivedlist");
    EXPECT_EQ(q.take(), "CMD_a+");
    EXPECT_EQ(q.bytes(), 6);
    EXPECT_EQ(q.take(), "CMD_b+");
    EXPECT_TRUE(q.isEmpty());
    EXPECT_EQ(q.bytes(), 0);
}

TEST(FieldReaderTest, NextRestAndMissingPlus)
{
    FieldReader f("3+Bob+The Great+");
    EXPECT_EQ(f.next(), "3");
    EXPECT_EQ(f.rest(), "Bob+The Great+");
    EXPECT_EQ(f.next(), "Bob");
    EXPECT_EQ(f.next(), "The Great");
    EXPECT_EQ(f.next(), "");
    // A last field without a "+" after it reads as empty and stays in the remainder.
    FieldReader g("7");
    EXPECT_EQ(g.next(), "");
    EXPECT_EQ(g.rest(), "7");
}

TEST(FieldReaderTest, StrictDecimalConversion)
{
    int v = 0;
    EXPECT_TRUE(FieldReader::toInt("0", &v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(FieldReader::toInt("-12", &v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(FieldReader::toInt("2147483647", &v));
    EXPECT_TRUE(FieldReader::toInt("-2147483648", &v));
    EXPECT_EQ(v, std::numeric_limits<int>::min());
    for (const char* bad : {"", "-", " 1", "1 ", "+1", "1a", "0x10", "$10", "2147483648", "99999999999999999999", "1.5"})
        EXPECT_FALSE(FieldReader::toInt(bad, &v)) << bad;
    FieldReader f("x+");
    EXPECT_THROW(f.nextInt(), FieldError);
}

TEST(FieldReaderTest, ListsEndAtTheAtSign)
{
    // A cell list as CMD_myword carries it after the slot.
    FieldReader f("2+3+5+4+5+5+5");
    EXPECT_EQ(f.nextInt(), 2);
    f.beginList();
    QList<QPair<int, int>> cells;
    while (!f.atListEnd())
        cells.append({f.nextInt(), f.nextInt()});
    EXPECT_EQ(cells, (QList<QPair<int, int>>{{3, 5}, {4, 5}, {5, 5}}));

    // A list cut short reaches "@" as a number and fails instead of looping.
    FieldReader g("1+2+3");
    g.beginList();
    EXPECT_THROW({
        while (!g.atListEnd()) {
            g.nextInt();
            g.nextInt();
        }
    }, FieldError);

    // A list that ends with "+" never reaches "@" alone: the empty field fails.
    FieldReader h("1+2+");
    h.beginList();
    EXPECT_EQ(h.nextInt(), 1);
    EXPECT_EQ(h.nextInt(), 2);
    EXPECT_FALSE(h.atListEnd());
    EXPECT_THROW(h.nextInt(), FieldError);
}

TEST(DispatcherTest, DropsInvalidEntriesAndRoutesByExactCommand)
{
    Dispatcher d("test");
    QList<QByteArray> seen;
    d.on("CMD_chat", [&](FieldReader& f) { seen.append("chat:" + f.rest()); });
    d.on("CMD_full", [&](FieldReader& f) { seen.append("full:" + f.rest()); });

    EXPECT_EQ(d.dispatch(""), Dispatcher::Outcome::Dropped);
    EXPECT_EQ(d.dispatch("receivedlist"), Dispatcher::Outcome::Dropped);
    EXPECT_EQ(d.dispatch("CMD_full"), Dispatcher::Outcome::Dropped);
    EXPECT_EQ(d.dispatch("+CMD_chat+x"), Dispatcher::Outcome::Dropped);
    EXPECT_EQ(d.dispatch("cmd_chat+x"), Dispatcher::Outcome::Unknown);
    EXPECT_EQ(d.dispatch("CMD_chatter+x"), Dispatcher::Outcome::Unknown);
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(d.dispatch("CMD_full+"), Dispatcher::Outcome::Handled);
    EXPECT_EQ(d.dispatch("CMD_chat+1+a+b|clRed"), Dispatcher::Outcome::Handled);
    EXPECT_EQ(seen, (QList<QByteArray>{"full:", "chat:1+a+b|clRed"}));
}

TEST(DispatcherTest, ConversionFailureEndsOnlyThatMessage)
{
    Dispatcher d("test");
    QList<int> done;
    d.on("CMD_n", [&](FieldReader& f) {
        const int a = f.nextInt();
        done.append(a);
        done.append(f.nextInt());
    });
    d.on("CMD_range", [&](FieldReader& f) {
        const int slot = f.nextInt();
        if (slot < 1 || slot > 9)
            throw std::out_of_range("slot out of range");
        done.append(slot);
    });
    EXPECT_EQ(d.dispatch("CMD_n+1+x+"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(done, QList<int>{1}); // what was done before the failure stays
    EXPECT_EQ(d.dispatch("CMD_range+12+"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(d.dispatch("CMD_n+2+3+"), Dispatcher::Outcome::Handled);
    EXPECT_EQ(done, (QList<int>{1, 2, 3}));
}

TEST(FieldReaderTest, LastFieldWithOrWithoutClosingPlus)
{
    FieldReader closed("3+1+");
    EXPECT_EQ(closed.nextInt(), 3);
    EXPECT_EQ(closed.lastField(), "1");
    FieldReader open("3+1");
    EXPECT_EQ(open.nextInt(), 3);
    EXPECT_EQ(open.lastField(), "1");
    EXPECT_EQ(open.rest(), "");
    EXPECT_EQ(open.lastField(), "");
}
