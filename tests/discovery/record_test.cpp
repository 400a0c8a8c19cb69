// The game's TXT record both ways, records from the network that are not ours, and the
// names that must fit DNS-SD's 63 bytes.
#include "discovery/GameRecord.h"

#include "common/Printers.h"

#include <gtest/gtest.h>

namespace {

QList<QByteArray> txt(std::initializer_list<const char*> strings)
{
    QList<QByteArray> list;
    for (const char* s : strings)
        list.append(QByteArray(s));
    return list;
}

} // namespace

TEST(GameRecordTxt, OursIsWrittenInOrderAndLeadOnlyWhenThereIsOne)
{
    GameRecord record = GameRecord::ours();
    EXPECT_EQ(record.toTxt(), txt({"v=1.0.4", "players=0", "seats=6", "spectators=0", "state=waiting"}));

    record.players = 3;
    record.spectators = 1;
    record.state = GameRecord::State::Playing;
    record.leader = QStringLiteral("Zoë");
    EXPECT_EQ(record.toTxt(), txt({"v=1.0.4", "players=3", "seats=6", "spectators=1", "state=playing", "lead=Zo\xC3\xAB"}));
    EXPECT_EQ(GameRecord::fromTxt(record.toTxt()), record);
}

TEST(GameRecordTxt, ALongLeaderIsCutToOneTxtStringAtACharacterBoundary)
{
    GameRecord record = GameRecord::ours();
    record.leader = QString(200, QChar(0x00E9)); // 400 bytes of UTF-8
    const QByteArray lead = record.toTxt().last();
    EXPECT_EQ(lead.size(), 5 + 250);
    EXPECT_TRUE(lead.startsWith("lead="));
    EXPECT_EQ(QString::fromUtf8(lead.mid(5)), QString(125, QChar(0x00E9)));
}

TEST(GameRecordTxt, RecordsFromTheNetworkAreReadCarefully)
{
    struct Case {
        const char* what;
        QList<QByteArray> strings;
        QString version;
        int players, seats, spectators;
        GameRecord::State state;
        QString leader;
    };
    using S = GameRecord::State;
    const Case cases[] = {
        {"complete", txt({"v=1.0.4", "players=3", "seats=6", "spectators=2", "state=playing", "lead=Ann"}), "1.0.4", 3, 6, 2, S::Playing, "Ann"},
        {"empty record", {}, "", -1, -1, -1, S::Unknown, ""},
        {"keys in any case", txt({"V=2.0", "PLAYERS=4", "Seats=8", "State=waiting"}), "2.0", 4, 8, -1, S::Waiting, ""},
        {"first of two equal keys counts", txt({"players=2", "Players=5", "v=1", "v=2"}), "1", 2, -1, -1, S::Unknown, ""},
        {"a key without = hides a later value", txt({"players", "players=4"}), "", -1, -1, -1, S::Unknown, ""},
        {"numbers that are no counts", txt({"players=-1", "seats=1000", "spectators=2x"}), "", -1, -1, -1, S::Unknown, ""},
        {"empty and spaced numbers", txt({"players=", "seats= 6", "spectators=007"}), "", -1, -1, 7, S::Unknown, ""},
        {"state is exact", txt({"state=Playing"}), "", -1, -1, -1, S::Unknown, ""},
        {"values may hold =", txt({"lead=a=b"}), "", -1, -1, -1, S::Unknown, "a=b"},
        {"control characters are shown as ?", txt({"lead=Ann\x1B[2J\x7F", "v=1\n0"}), "1?0", -1, -1, -1, S::Unknown, "Ann?[2J?"},
        {"bad UTF-8 is replaced", txt({"lead=\xFF" "Bo"}), "", -1, -1, -1, S::Unknown, QString(QChar(0xFFFD)) + "Bo"},
        {"strings without key are skipped", txt({"=5", "", "players=1"}), "", 1, -1, -1, S::Unknown, ""},
        {"long texts are cut", {"lead=" + QByteArray(250, 'x')}, "", -1, -1, -1, S::Unknown, QString(64, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GameRecord record = GameRecord::fromTxt(c.strings);
        EXPECT_EQ(record.version, c.version);
        EXPECT_EQ(record.players, c.players);
        EXPECT_EQ(record.seats, c.seats);
        EXPECT_EQ(record.spectators, c.spectators);
        EXPECT_EQ(record.state, c.state);
        EXPECT_EQ(record.leader, c.leader);
        EXPECT_EQ(record.versionDiffers(), c.version != "1.0.4");
    }
    EXPECT_EQ(GameRecord::fromTxt(txt({"players=3", "seats=6"})).playersText(), "3 of 6");
    EXPECT_EQ(GameRecord::fromTxt(txt({"seats=6"})).playersText(), "? of 6");
}

TEST(GameNames, NamesFitSixtyThreeBytesWithoutSplittingACharacter)
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // four bytes, two UTF-16 units
    struct Case {
        QString text;
        int maxBytes;
        QString fitted;
    };
    const Case cases[] = {
        {"Ann", 63, "Ann"},
        {QString(70, 'a'), 63, QString(63, 'a')},
        {QString(31, QChar(0x00E9)) + "xy", 63, QString(31, QChar(0x00E9)) + "x"},
        {QString(32, QChar(0x00E9)), 63, QString(31, QChar(0x00E9))},
        {"ab" + clef + clef, 9, "ab" + clef},
        {"ab" + clef, 5, "ab"},
        {"", 63, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(discovery::fitUtf8(c.text, c.maxBytes), c.fitted) << c.text.toStdString();
        EXPECT_LE(discovery::fitUtf8(c.text, c.maxBytes).toUtf8().size(), c.maxBytes);
    }
}

TEST(GameNames, AGameIsNamedAfterItsPlayerAndKeepsItsEnding)
{
    EXPECT_EQ(discovery::gameNameFor("Bob"), "Bob's game");
    const QString name = discovery::gameNameFor(QString(80, QChar(0x00FC)));
    EXPECT_TRUE(name.endsWith("'s game"));
    EXPECT_LE(name.toUtf8().size(), discovery::MaxNameBytes);
    EXPECT_EQ(name, QString(28, QChar(0x00FC)) + "'s game");
}
