// The quillor-tally program, run as a user would run it.
#include "tally/TallyFile.h"
#include "tally/TallyTable.h"
#include "common/SmallDisk.h"
#include "tally/lz_test_helpers.h"
#include "net/LogText.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class TallyTool : public ::testing::Test {
protected:
    static QString program()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/../quillor-tally");
    }

    ToolRun run(const QStringList& args) const
    {
        QProcess p;
        p.start(program(), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        ToolRun r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void SetUp() override { ASSERT_TRUE(QFileInfo(program()).isExecutable()) << program().toStdString(); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(TallyTool, CompressesToTheFastContainerAndBack)
{
    QByteArray plain;
    QRandomGenerator gen(1);
    while (plain.size() < 100000)
        plain += QByteArray::number(gen.bounded(1000)) + " games, ";
    write("plain", plain);

    ToolRun r = run({"compress", path("plain"), path("packed")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(read("packed").left(4), QByteArray("WRZL"));
    EXPECT_LT(read("packed").size(), plain.size() / 2);

    r = run({"decompress", path("packed"), path("back")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(read("back"), plain);

    r = run({"compress", "--good", path("plain"), path("good")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(read("good").left(4), QByteArray("!HZL"));
    r = run({"decompress", path("good"), path("back2")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(read("back2"), plain);
}

TEST_F(TallyTool, FailuresPrintTheMessageAndLeaveNoOutput)
{
    write("bad", QByteArray("WRZL\x07\0\0\0\x01\x00\x80", 11));
    ToolRun r = run({"decompress", path("bad"), path("out")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
    EXPECT_FALSE(QFile::exists(path("out")));

    write("text", "just text");
    r = run({"decompress", path("text"), path("out")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), path("text") + " : Lzrw1 decompression : this file has no valid header !");
    EXPECT_FALSE(QFile::exists(path("out")));

    r = run({"compress", path("missing"), path("out")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), "Lzrw1 compression : Failed to obtain the size of : " + path("missing"));
    EXPECT_FALSE(QFile::exists(path("out")));

    r = run({"show", path("missing")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), "Lzrw1 (de)compression : Failed to open input file : " + path("missing"));
}

TEST_F(TallyTool, WrongArgumentsShowUsage)
{
    for (const QStringList& args : {QStringList(), QStringList({"compress", "a"}), QStringList({"pack", "a", "b"}),
                                    QStringList({"decompress", "--good", "a", "b"}), QStringList({"show"})}) {
        const ToolRun r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("usage: quillor-tally")) << r.err.toStdString();
    }
}

TEST_F(TallyTool, ShowsTheRecordAsATable)
{
    TallyRecord record;
    record.follow("Ann");
    record.follow("Bartholomew");
    record.addgame({"Ann", "Bartholomew"}, "Me", "Me");
    record.addgame({"Ann", "Bartholomew"}, "Ann", "Me");
    record.addgame({"Ann"}, "Cid", "Me");
    const TallyFile file = TallyFile::in(m_dir.path());
    file.save(record);

    const ToolRun r = run({"show", file.path()});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString expected =
        "Total Games: 3\n"
        "Your Wins:   1\n"
        "\n"
        "Player       Games  His Wins  Your Wins  Neither Won\n"
        "Ann              3         1          1            1\n"
        "Bartholomew      2         0          1            1\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(QString::fromUtf8(tallyTable(record)), expected);
    EXPECT_EQ(tallyTable(TallyRecord()), "Total Games: 0\nYour Wins:   0\n\nNo players are being tallied.\n");
}

TEST_F(TallyTool, ShowEscapesControlCharactersInNames)
{
    TallyRecord record;
    // U+0081 is the control that the undefined Windows-1252 byte 0x81 stands for.
    record.follow(QString::fromLatin1("\x1b]0;owned\x07" "Eve\x1b[2J\x81"));
    record.follow(QString::fromLatin1("Zo\xeb"));
    const TallyFile file = TallyFile::in(m_dir.path());
    file.save(record);

    const ToolRun r = run({"show", file.path()});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("\\x1B]0;owned\\x07Eve\\x1B[2J\\x81  ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("Zoë")));
    for (const QChar ch : r.out)
        EXPECT_TRUE(ch == '\n' || ch.category() != QChar::Other_Control) << int(ch.unicode());
}

namespace {

// The table as a straightforward formatter writes it, to hold the fast one to.
QString referenceTable(const TallyRecord& record)
{
    QString out = QStringLiteral("Total Games: %1\nYour Wins:   %2\n")
                      .arg(record.count(0, TallyRecord::Games))
                      .arg(record.count(0, TallyRecord::HisWins));
    if (record.rowCount() < 2)
        return out + QStringLiteral("\nNo players are being tallied.\n");
    QList<QStringList> rows = {{"Player", "Games", "His Wins", "Your Wins", "Neither Won"}};
    for (int row = 1; row < record.rowCount(); ++row) {
        QStringList cells = {logtext::escapeControls(record.cell(row, TallyRecord::Name))};
        for (int column = TallyRecord::Games; column <= TallyRecord::NeitherWon; ++column)
            cells.append(QString::number(record.count(row, column)));
        rows.append(cells);
    }
    QList<int> widths(5, 0);
    for (const QStringList& cells : rows) {
        for (int c = 0; c < 5; ++c)
            widths[c] = std::max(widths[c], int(cells[c].size()));
    }
    out += QLatin1Char('\n');
    for (const QStringList& cells : rows) {
        out += cells[0].leftJustified(widths[0]);
        for (int c = 1; c < 5; ++c)
            out += QStringLiteral("  ") + cells[c].rightJustified(widths[c]);
        out += QLatin1Char('\n');
    }
    return out;
}

} // namespace

TEST(TallyTable, WritesWhatAStraightforwardFormatterWrites)
{
    QRandomGenerator random(27);
    const QStringList odd = {QString::fromUtf8("Zoë €uro"), "42", "-7", QString::fromLatin1("tab\there\x7f\x9f"),
                             QString::fromUtf8("far \U0001F600 away"), QString(QChar(0xD800)) + "lone",
                             "x", QString(300, QChar('w'))};
    for (const int players : {0, 1, 8, 5000}) {
        TallyRecord record;
        for (int i = 0; i < players; ++i)
            record.follow(i < odd.size() ? odd[i] : QStringLiteral("Player %1").arg(random.bounded(1000000)));
        const QStringList followed = record.followed();
        for (int game = 0; game < 40; ++game) {
            QStringList seats;
            for (int seat = 0; seat < 5 && !followed.isEmpty(); ++seat)
                seats.append(followed[int(random.bounded(quint32(followed.size())))]);
            record.addgame(seats, random.bounded(3) == 0 ? QStringLiteral("Me") : seats.value(0), "Me");
        }
        const QByteArray expected = referenceTable(record).toUtf8();
        EXPECT_EQ(tallyTable(record), expected) << players << " players";
        // Written through its buffer in pieces, the same bytes.
        QByteArray pieces;
        int count = 0;
        writeTallyTable(record, [&](QByteArrayView piece) {
            pieces += piece;
            ++count;
        });
        EXPECT_EQ(pieces, expected);
        EXPECT_EQ(count > 1, pieces.size() > 80 * 1024) << count;
    }
}

TEST_F(TallyTool, ShowSaysSoWhenTheTableCannotBeWritten)
{
    TallyRecord record;
    record.follow("Ann");
    const TallyFile file = TallyFile::in(m_dir.path());
    file.save(record);
    QProcess p;
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(program(), {"show", file.path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()).trimmed(), "quillor-tally: cannot write the table");
}

TEST_F(TallyTool, AHugeClaimFailsWithAMessageAndLeavesNoTemporaryCopy)
{
    const lztest::PrivateTempFolder temp;
    write("hostile.tld", lztest::lineFeedContainer(100 * 1024 * 1024, 3200));
    const ToolRun r = run({"show", path("hostile.tld")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), path("hostile.tld") + " : Lzrw1 decompression : the original size is too large !");
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(temp.leftovers().isEmpty());
}

TEST_F(TallyTool, AFullDiskFailsAndKeepsOrLeavesNoOutput)
{
    QByteArray plain;
    QRandomGenerator gen(7);
    while (plain.size() < 300000)
        plain += QByteArray::number(gen.generate()) + ' ';
    write("plain", plain);
    ASSERT_EQ(run({"compress", path("plain"), path("packed")}).exitCode, 0);
    // A tally-sized record, whose output is smaller than any write buffer.
    write("small", "9\r\n2\r\n0\r\nBob\r\n3\r\n1\r\n");
    ASSERT_EQ(run({"compress", path("small"), path("small.tld")}).exitCode, 0);

    testutil::SmallDisk disk(64 * 1024);
    ASSERT_TRUE(disk.ok()) << disk.error().toStdString();
    const QString old = disk.filePath("agametally.tld");
    const QByteArray before = "WRZL-the-old-record";
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    ASSERT_TRUE(disk.fill());
    // The output does not fit: over an existing file, and as a new one.
    const QStringList commands[] = {
        {"compress", path("small"), old},
        {"decompress", path("small.tld"), old},
        {"compress", path("plain"), old},
        {"compress", "--good", path("plain"), old},
        {"decompress", path("packed"), old},
        {"compress", path("plain"), disk.filePath("new.tld")},
        {"decompress", path("packed"), disk.filePath("new.txt")},
    };
    for (const QStringList& command : commands) {
        const ToolRun r = run(command);
        EXPECT_EQ(r.exitCode, 1) << command.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("Lzrw1 : Error writing to output file : ")) << r.err.toStdString();
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before) << command.join(' ').toStdString();
        // Nothing beside it (the disk's own filler is hidden).
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), QStringList{"agametally.tld"});
    }
}
