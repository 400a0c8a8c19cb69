// The limit on the host's lines about connections, per source address, under a test's clock.
#include "host/ConnectionLog.h"

#include <gtest/gtest.h>

TEST(ConnectionLog, EachAddressHasAFewLinesInFullPerWindowAndThenOneCount)
{
    ConnectionLog log;
    ASSERT_EQ(ConnectionLog::kWindowMs, 10000);
    const int n = ConnectionLog::kLinesPerWindow;
    const QString a = QStringLiteral("192.0.2.1");
    const QString b = QStringLiteral("2001:db8::7");
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(log.line(a, "a" + QString::number(i), i), QStringList{"a" + QString::number(i)});

    // (time, address, line) and what is written there and then.
    const struct {
        qint64 ms;
        QString address;
        QString text;
        QStringList written;
    } steps[] = {
        {100, a, "held 1", {}},
        {101, b, "b1", {"b1"}}, // another address has its own window
        {9999, a, "held 2", {}},
        {10000, a, "again", {"2 more connection lines from 192.0.2.1 not shown (10 s)", "again"}},
        {10001, a, "and again", {"and again"}},
        {16005, b, "b2", {"b2"}}, // b's window ended with nothing held: no count
    };
    for (const auto& s : steps)
        EXPECT_EQ(log.line(s.address, s.text, s.ms), s.written) << "at " << s.ms;
    EXPECT_FALSE(log.nextFlushAt().has_value());

    // A count held back is written when its window ends, even if the address says no more.
    for (int shown = 2; shown < n; ++shown)
        ASSERT_EQ(log.line(a, "more", 10002).size(), 1);
    EXPECT_TRUE(log.line(a, "more", 10003).isEmpty());
    EXPECT_EQ(log.nextFlushAt(), 20000);
    EXPECT_TRUE(log.flush(19999).isEmpty());
    EXPECT_EQ(log.flush(20000), QStringList{"1 more connection line from 192.0.2.1 not shown (10 s)"});
    EXPECT_FALSE(log.nextFlushAt().has_value());
}

TEST(ConnectionLog, AMinuteOfChurnFromOneAddressWritesAFewKilobytes)
{
    ConnectionLog log;
    const QString address = QStringLiteral("198.51.100.23");
    qint64 bytes = 0;
    qint64 linesShown = 0;
    qint64 linesCounted = 0;
    auto write = [&](const QStringList& lines) {
        for (const QString& l : lines) {
            bytes += l.size() + 15; // with the program's prefix and line end
            const qsizetype more = l.indexOf(QLatin1String(" more connection line"));
            if (more > 0)
                linesCounted += l.left(more).toLongLong();
            else
                ++linesShown;
        }
    };
    // 250,000 connections a minute, each accepted and closed: two lines apiece.
    const qint64 connections = 250000;
    for (qint64 i = 0; i < connections; ++i) {
        const qint64 now = i * 60000 / connections;
        if (const auto at = log.nextFlushAt(); at && *at <= now)
            write(log.flush(now));
        write(log.line(address, QStringLiteral("connection from %1 in slot 1").arg(address), now));
        write(log.line(address, QStringLiteral("slot 1 closed ()"), now));
    }
    write(log.flush(60000 + ConnectionLog::kWindowMs));
    EXPECT_LT(bytes, 8192);
    EXPECT_EQ(linesShown + linesCounted, 2 * connections); // every line is shown or counted
}

TEST(ConnectionLog, ManyAddressesCannotGrowTheMemoryOrTheLog)
{
    ConnectionLog log;
    int written = 0;
    for (int i = 0; i < 100000; ++i) {
        const QString address = QStringLiteral("10.%1.%2.%3").arg(i >> 16).arg((i >> 8) & 255).arg(i & 255);
        written += int(log.line(address, QStringLiteral("connection from %1 in slot 1").arg(address), qint64(i) * 10).size());
        ASSERT_LE(log.followed(), ConnectionLog::kAddresses + 1);
    }
    // 1,000 s of lines from ever new addresses: per window at most a full share for each
    // address followed and for the shared rest, and one count each.
    const int windows = 1000 / int(ConnectionLog::kWindowMs / 1000) + 1;
    EXPECT_LE(written, windows * (ConnectionLog::kAddresses + 1) * (ConnectionLog::kLinesPerWindow + 1));
    EXPECT_GT(written, ConnectionLog::kAddresses);
}
