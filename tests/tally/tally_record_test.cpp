// The rules of the tally record and its plain layout, without any window.
#include "tally/TallyRecord.h"

#include "tally/lz_test_helpers.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The counts of one followed opponent: games, his wins, my wins, neither; then the
// same four for this run.
std::vector<int> countsOf(const TallyRecord& record, const QString& name)
{
    const int line = record.indexOfFollowed(name);
    std::vector<int> out;
    if (line < 0)
        return out;
    for (int column = 1; column < TallyRecord::Columns; ++column)
        out.push_back(record.count(line + 1, column));
    return out;
}

using V = std::vector<int>;

} // namespace

TEST(TallyRecord, StartsEmpty)
{
    const TallyRecord record;
    EXPECT_EQ(record.rowCount(), 1);
    for (int column = 0; column < TallyRecord::Columns; ++column)
        EXPECT_EQ(record.cell(0, column), "0");
    EXPECT_TRUE(record.followed().isEmpty());
}

TEST(TallyRecord, CountsEachOutcomeForFollowedPlayersInTheGame)
{
    TallyRecord record;
    record.follow("Ann");
    record.follow("Bob");
    record.follow("Cid");
    const QStringList seats = {"Ann", "Bob", "<Waiting>", "Dee", "<Waiting>"};

    record.addgame(seats, "Me", "Me");   // I won
    record.addgame(seats, "Ann", "Me");  // a followed opponent won
    record.addgame(seats, "Dee", "Me");  // a third player won

    EXPECT_EQ(record.count(0, TallyRecord::Games), 3);
    EXPECT_EQ(record.count(0, TallyRecord::HisWins), 1); // the own row's wins column
    EXPECT_EQ(countsOf(record, "Ann"), V({3, 1, 1, 1, 3, 1, 1, 1}));
    EXPECT_EQ(countsOf(record, "Bob"), V({3, 0, 1, 2, 3, 0, 1, 2}));
    // Cid did not play: not counted at all.
    EXPECT_EQ(countsOf(record, "Cid"), V({0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(TallyRecord, NamesMatchWithoutCaseButTheWinnerExactly)
{
    TallyRecord record;
    record.follow("Ann");
    EXPECT_FALSE(record.follow("ANN"));
    EXPECT_EQ(record.rowCount(), 2);
    // "ann" plays as the followed Ann; the winner text "ann" is not "Ann".
    record.addgame({"ann"}, "ann", "Me");
    EXPECT_EQ(countsOf(record, "Ann"), V({1, 0, 0, 1, 1, 0, 0, 1}));
    // Being "Me" exactly is what makes a win mine.
    record.addgame({"Ann"}, "me", "Me");
    EXPECT_EQ(record.count(0, TallyRecord::HisWins), 0);
    // The same followed player seen twice in one game counts once.
    record.addgame({"Ann", "ANN"}, "Me", "Me");
    EXPECT_EQ(countsOf(record, "Ann"), V({3, 0, 1, 2, 3, 0, 1, 2}));
}

TEST(TallyRecord, AnOpponentNamedLikeTheMarkerGetsNoCreditForMyWin)
{
    TallyRecord record;
    record.follow("addtomine");
    record.addgame({"addtomine"}, "Me", "Me");
    EXPECT_EQ(countsOf(record, "addtomine"), V({1, 0, 1, 0, 1, 0, 1, 0}));
}

TEST(TallyRecord, DropMovesLaterRowsUp)
{
    TallyRecord record;
    for (const char* name : {"Ann", "Bob", "Cid"})
        record.follow(name);
    record.addgame({"Cid"}, "Cid", "Me");
    record.drop(1); // Bob
    EXPECT_EQ(record.followed(), QStringList({"Ann", "Cid"}));
    EXPECT_EQ(countsOf(record, "Cid"), V({1, 1, 0, 0, 1, 1, 0, 0}));
    record.drop(1);
    record.drop(0);
    EXPECT_EQ(record.rowCount(), 1);
    record.drop(0); // nothing left to drop: the own row stays
    record.drop(-1);
    EXPECT_EQ(record.rowCount(), 1);
}

TEST(TallyRecord, ResetKeepsOnlyAZeroOwnRow)
{
    TallyRecord record;
    record.follow("Ann");
    record.addgame({"Ann"}, "Me", "Me");
    record.reset();
    EXPECT_EQ(record, TallyRecord());
    record.addgame({"Ann"}, "Me", "Me");
    EXPECT_EQ(record.count(0, TallyRecord::Games), 1);
    EXPECT_EQ(record.count(0, TallyRecord::HisWins), 1);
}

TEST(TallyRecord, PlainLayoutIsColumnByColumn)
{
    TallyRecord record;
    record.follow("Ann");
    record.addgame({"Ann"}, "Ann", "Me");
    const QByteArray expected =
        "9\r\n2\r\n"
        "0\r\nAnn\r\n"  // column 0
        "1\r\n1\r\n"    // games
        "0\r\n1\r\n"    // own wins / his wins
        "0\r\n0\r\n"
        "0\r\n0\r\n"
        "0\r\n1\r\n"    // this run
        "0\r\n1\r\n"
        "0\r\n0\r\n"
        "0\r\n0\r\n";
    EXPECT_EQ(record.toPlain(), expected);
    const auto back = TallyRecord::fromPlain(expected);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, record);
}

TEST(TallyRecord, PlainLayoutKeepsAccentedNamesAndOneCellPerLine)
{
    TallyRecord record;
    record.follow(QString::fromUtf8("Zoë €uro"));
    record.follow("two\r\nlines");
    const QByteArray plain = record.toPlain();
    EXPECT_TRUE(plain.contains("Zo\xEB \x80uro\r\n"));
    const auto back = TallyRecord::fromPlain(plain);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->followed(), QStringList({QString::fromUtf8("Zoë €uro"), "two  lines"}));
}

TEST(TallyRecord, RefusesWhatIsNotAPlainLayout)
{
    const QByteArray good = TallyRecord().toPlain();
    EXPECT_TRUE(TallyRecord::fromPlain(good).has_value());
    EXPECT_FALSE(TallyRecord::fromPlain("").has_value());
    EXPECT_FALSE(TallyRecord::fromPlain("9\r\n").has_value());
    EXPECT_FALSE(TallyRecord::fromPlain("8\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n").has_value());
    EXPECT_FALSE(TallyRecord::fromPlain("9\r\n0\r\n").has_value());
    EXPECT_FALSE(TallyRecord::fromPlain("9\r\nmany\r\n").has_value());
    EXPECT_FALSE(TallyRecord::fromPlain("9\r\n2000000000\r\n0\r\n").has_value());
    EXPECT_FALSE(TallyRecord::fromPlain(good.left(good.size() - 6)).has_value());
    // Lines ended by LF alone are read as well.
    QByteArray lf = good;
    lf.replace("\r\n", "\n");
    EXPECT_TRUE(TallyRecord::fromPlain(lf).has_value());
}

TEST(TallyRecord, DamagedCountsReadAsZeroAndEmptyCellsBecomeZero)
{
    QByteArray plain = "9\r\n2\r\n0\r\nAnn\r\n";
    plain += "0\r\nlots\r\n";          // games: not a number
    plain += "0\r\n\r\n";              // his wins: empty
    for (int column = 3; column < 9; ++column)
        plain += "0\r\n0\r\n";
    auto record = TallyRecord::fromPlain(plain);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->count(1, TallyRecord::Games), 0);
    record->addgame({"Ann"}, "Ann", "Me");
    EXPECT_EQ(record->cell(1, TallyRecord::Games), "1");
    EXPECT_EQ(record->cell(1, TallyRecord::HisWins), "1");
}

TEST(TallyRecord, StartSessionZeroesOnlyThisRunsCounts)
{
    TallyRecord record;
    record.follow("Ann");
    record.addgame({"Ann"}, "Me", "Me");
    record.startSession();
    EXPECT_EQ(countsOf(record, "Ann"), V({1, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(record.count(0, TallyRecord::Games), 1);
}

TEST(TallyRecord, EveryCellKeepsItsTextExactly)
{
    // Plain counts are held as numbers, everything else as text: both must read back as
    // written, count as before, and survive the plain layout.
    struct Case {
        const char* text;
        int count;
    };
    const std::vector<Case> cases = {
        {"0", 0},          {"17", 17},       {"-3", -3},         {"2147483647", 2147483647}, {"-2147483648", INT_MIN},
        {"007", 7},        {"-0", 0},        {" 7", 7},          {"7 ", 7},                  {"+7", 7},
        {"2147483648", 0}, {"", 0},          {"lots", 0},        {"12345678901", 0},         {"-", 0},
    };
    for (const Case& c : cases) {
        QByteArray plain = "9\r\n2\r\n0\r\n";
        plain += QByteArray(c.text) + "\r\n"; // the name
        for (int column = 1; column < TallyRecord::Columns; ++column)
            plain += "0\r\n" + QByteArray(c.text) + "\r\n";
        const auto record = TallyRecord::fromPlain(plain);
        ASSERT_TRUE(record.has_value()) << c.text;
        for (int column = 0; column < TallyRecord::Columns; ++column) {
            EXPECT_EQ(record->cell(1, column), QString::fromLatin1(c.text)) << c.text << " column " << column;
            EXPECT_EQ(record->count(1, column), c.count) << c.text << " column " << column;
        }
        EXPECT_EQ(record->followed(), QStringList{QString::fromLatin1(c.text)}) << c.text;
        EXPECT_EQ(record->toPlain(), plain) << c.text;
        EXPECT_EQ(TallyRecord::fromPlain(record->toPlain()), record) << c.text;
    }

    // A name that spells a number is followed, found and dropped like any other.
    TallyRecord record;
    record.follow("42");
    record.follow("Ann");
    EXPECT_EQ(record.indexOfFollowed("42"), 0);
    EXPECT_TRUE(record.heldText(1, TallyRecord::Name).isNull());
    EXPECT_EQ(record.heldText(2, TallyRecord::Name), u"Ann");
    record.addgame({"42"}, "42", "Me");
    EXPECT_EQ(countsOf(record, "42"), V({1, 1, 0, 0, 1, 1, 0, 0}));
    // A count at the largest number stays there rather than turning negative.
    auto full = TallyRecord::fromPlain("9\r\n1\r\n0\r\n2147483647\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    ASSERT_TRUE(full.has_value());
    full->addgame({}, "Me", "Me");
    EXPECT_EQ(full->cell(0, TallyRecord::Games), "2147483647");
    EXPECT_EQ(full->cell(0, TallyRecord::HisWins), "1");
}

TEST(TallyRecord, NamesStayWholeWhileOthersComeAndGo)
{
    // Names share one store, which is tidied as rows go: the names kept must not move.
    TallyRecord record;
    QStringList kept;
    for (int i = 0; i < 400; ++i) {
        const QString name = QStringLiteral("Player number %1 with a long name").arg(i);
        record.follow(name);
        if (i % 10 == 0)
            kept.append(name);
    }
    for (int line = record.rowCount() - 2; line >= 0; --line) {
        if (line % 10 != 0)
            record.drop(line);
    }
    EXPECT_EQ(record.followed(), kept);
    record.addgame(kept, kept[3], "Me");
    EXPECT_EQ(countsOf(record, kept[3]), V({1, 1, 0, 0, 1, 1, 0, 0}));
    record.startSession();
    const auto back = TallyRecord::fromPlain(record.toPlain());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, record);
    record.reset();
    EXPECT_EQ(record, TallyRecord());
}

TEST(TallyPlainReader, PiecesCutAnywhereReadAsTheWhole)
{
    TallyRecord record;
    for (const char* name : {"Ann", "Zo\xc3\xab", "Bartholomew", "12", "Cid"})
        record.follow(QString::fromUtf8(name));
    record.addgame(record.followed(), "Ann", "Me");
    const QByteArray plain = record.toPlain();
    QByteArray lfOnly = plain;
    lfOnly.replace("\r\n", "\n");
    const QByteArray cut = plain.left(plain.size() - 5);

    for (const QByteArray& text : {plain, lfOnly, cut}) {
        const std::optional<TallyRecord> whole = TallyRecord::fromPlain(text);
        // Pieces of every size from one byte, so every line, and every CR LF, is cut.
        for (qsizetype piece = 1; piece <= 40; ++piece) {
            TallyPlainReader reader(text.size());
            for (qsizetype at = 0; at < text.size(); at += piece)
                reader.feed(QByteArrayView(text).sliced(at, std::min(piece, text.size() - at)));
            EXPECT_EQ(reader.finish(), whole) << "pieces of " << piece;
        }
    }
    EXPECT_EQ(TallyRecord::fromPlain(plain), record);
    EXPECT_EQ(TallyRecord::fromPlain(lfOnly), record);
    EXPECT_FALSE(TallyRecord::fromPlain(cut).has_value());
}
