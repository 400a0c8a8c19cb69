#pragma once
// What the cases run inside avahi-netns share: their check that they run in there, and
// the tools they look at the network with (avahi-browse, the fixture's own script).
#include "common/EventLoop.h"
#include "discovery/GameRecord.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace fixture {

// How long the daemon may take to confirm a name or resolve a game: its probing takes
// about a second, more on a busy machine.
constexpr int DaemonMs = 15000;

class FixtureTest : public ::testing::Test {
protected:
    explicit FixtureTest(const char* mode) : m_mode(mode) {}
    void SetUp() override
    {
        ASSERT_EQ(qEnvironmentVariable("QUILLOR_AVAHI_FIXTURE"), QLatin1String(m_mode))
            << "this case must run inside " AVAHI_NETNS " (as ctest runs it), which gives it daemons of its own; "
               "it never talks to the machine's own D-Bus or Avahi daemon";
    }
    const char* m_mode;
};

class WithAvahi : public FixtureTest {
protected:
    WithAvahi() : FixtureTest("avahi") {}
};
class WithoutAvahi : public FixtureTest {
protected:
    WithoutAvahi() : FixtureTest("dbus") {}
};
class WithoutDbus : public FixtureTest {
protected:
    WithoutDbus() : FixtureTest("none") {}
};

// Runs a tool to its end while the event loop goes on; its standard output.
inline QString run(const QString& program, const QStringList& arguments, int timeoutMs = DaemonMs)
{
    QProcess process;
    process.start(program, arguments);
    const bool ended = testutil::waitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    EXPECT_TRUE(ended) << program.toStdString() << " did not end";
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline void startAvahi() { run(QStringLiteral("sh"), {QStringLiteral(AVAHI_NETNS), QStringLiteral("--start-avahi")}); }

// One line of `avahi-browse -rtp`: a service resolved on one interface and protocol.
struct Seen {
    QString protocol, name, address;
    int port = 0;
    QStringList txt;
};

// avahi-browse writes a name's odd characters as \DDD (decimal) or \c.
inline QString unescape(const QString& text)
{
    QByteArray bytes;
    const QByteArray in = text.toUtf8();
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '\\' && i + 3 < in.size() && QByteArray("0123456789").contains(in[i + 1])) {
            bytes.append(char(in.mid(i + 1, 3).toInt()));
            i += 3;
        } else if (in[i] == '\\' && i + 1 < in.size()) {
            bytes.append(in[++i]);
        } else {
            bytes.append(in[i]);
        }
    }
    return QString::fromUtf8(bytes);
}

// What an independent browser, avahi-browse, sees of the game called `name`.
inline QList<Seen> browse(const QString& name)
{
    QList<Seen> seen;
    static const QRegularExpression quoted(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    const QStringList lines = run(QStringLiteral("avahi-browse"), {QStringLiteral("-rtp"), QLatin1String(GameServiceType)})
                                  .split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() < 10 || fields[0] != QLatin1String("=") || unescape(fields[3]) != name)
            continue;
        Seen s {fields[2], unescape(fields[3]), fields[7], fields[8].toInt(), {}};
        auto matches = quoted.globalMatch(fields.mid(9).join(QLatin1Char(';')));
        while (matches.hasNext())
            s.txt.append(matches.next().captured(1));
        seen.append(s);
    }
    return seen;
}

inline bool onlyVethAddress(const Seen& s)
{
    return s.protocol == QLatin1String("IPv4") ? s.address == QLatin1String("10.77.0.1") || s.address == QLatin1String("10.77.0.2")
                                               : s.address.startsWith(QLatin1String("fe80:"));
}

} // namespace fixture

using fixture::WithAvahi;
using fixture::WithoutAvahi;
using fixture::WithoutDbus;
