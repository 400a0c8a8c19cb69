// What the host writes to its log about peers: fields cut and escaped, and repeated
// refusals from one connection summarised instead of written one line each.
#include "HostHarness.h"
#include "common/LogCapture.h"
#include "host/RefusalLog.h"
#include "net/LogText.h"

#include <gtest/gtest.h>

using hosttest::HostHarness;
using testutil::LogCapture;

TEST(LogText, ControlCharactersAreEscapedAndLongFieldsCut)
{
    EXPECT_EQ(logtext::escapeControls(QString::fromLatin1("a\x1b[31mb\x07\r\n\x7f\x9b\xe9")),
              QString::fromLatin1("a\\x1B[31mb\\x07\\x0D\\x0A\\x7F\\x9B\xe9"));
    EXPECT_EQ(logtext::field("B\xE9la\x81"), QString::fromUtf8("Béla\\x81"));
    const QString cut = logtext::field(QByteArray(65000, 'n'));
    EXPECT_EQ(cut, QString(80, 'n') + "... (65000 bytes)");
    EXPECT_EQ(logtext::field(QByteArray(80, 'n')), QString(80, 'n'));
}

TEST(RefusalLog, AFewLinesPerWindowThenOneSummary)
{
    RefusalLog log;
    QStringList written;
    for (int i = 0; i < 10; ++i)
        written += log.refused(2, QString("bad %1").arg(i), 1000 + i);
    EXPECT_EQ(written, (QStringList{"bad 0", "bad 1", "bad 2"}));
    // Another connection has a window of its own.
    EXPECT_EQ(log.refused(3, "other", 1100), QStringList{"other"});
    // After the window: what was held back is counted, then the line.
    EXPECT_EQ(log.refused(2, "bad 10", 1000 + RefusalLog::kWindowMs),
              (QStringList{"host: slot 2: 7 more refused messages not shown", "bad 10"}));
    log.refused(2, "bad 11", 11001);
    log.refused(2, "bad 12", 11002);
    log.refused(2, "bad 13", 11003);
    EXPECT_EQ(log.closed(2), QStringList{"host: slot 2: 1 more refused message not shown"});
    EXPECT_TRUE(log.closed(2).isEmpty());
    EXPECT_TRUE(log.closed(3).isEmpty());
    // A new connection in the slot starts afresh.
    EXPECT_EQ(log.refused(2, "new", 11004), QStringList{"new"});
}

TEST(HostLog, AFloodOfRefusedMessagesGivesAHandfulOfLines)
{
    HostHarness h;
    h.join("Ann");
    const int bob = h.join("Bob");
    LogCapture log;
    for (int i = 0; i < 1000; ++i) {
        h.nowMs += 15;
        h.send(bob, i % 2 ? "CMD_chat+1+spoofed" : "CMD_kickhim+x+1");
    }
    // 1000 messages in 15 seconds: three lines in the first 10-second window; the
    // second window opens with a summary of the rest, then three lines more.
    EXPECT_EQ(log.lines().size(), 7) << log.lines().join('\n').toStdString();
    EXPECT_EQ(LogCapture::containing("more refused messages not shown").size(), 1);
    h.disconnect(bob);
    EXPECT_EQ(LogCapture::containing("more refused messages not shown").size(), 2);
    EXPECT_TRUE(log.lines().last().startsWith(QString("host: slot %1: ").arg(bob)));
}

TEST(HostLog, NamesAndRefusedFieldsAreCutAndEscaped)
{
    HostHarness h;
    LogCapture log;
    const QByteArray longName = "\x1b]0;owned\x07" + QByteArray(65000, 'x');
    const int slot = h.join(longName);
    // The player's name is relayed whole; only the log line is cut.
    EXPECT_EQ(h.textsTo(slot, "CMD_newplayerinfo").value(0), "CMD_newplayerinfo+1+" + longName);
    // The login and the lead it takes.
    ASSERT_EQ(h.events.size(), 2);
    for (const QString& line : h.events) {
        EXPECT_LT(line.size(), 150);
        EXPECT_FALSE(line.contains(QChar(0x1b))) << line.toStdString();
    }
    EXPECT_TRUE(h.events[0].startsWith("login: slot 1 is \\x1B]0;owned\\x07xxx")) << h.events[0].toStdString();

    h.send(slot, "CMD_kickhim+1+\x1b[2J" + QByteArray(5000, '9'));
    h.send(slot, "\x1b[2J" + QByteArray(5000, 'c') + "+1");
    h.send(slot, QByteArray(5000, 'n'));
    ASSERT_EQ(log.lines().size(), 3);
    for (const QString& line : log.lines()) {
        EXPECT_LT(line.size(), 300) << line.toStdString();
        EXPECT_FALSE(line.contains(QChar(0x1b))) << line.toStdString();
    }
}
