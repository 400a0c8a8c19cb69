// The tally record on disk: where it lives, what it holds, and that loading and
// saving leave nothing in the working directory and never lose the previous file.
#include "tally/LzError.h"
#include "tally/Lzrw1.h"
#include "tally/TallyFile.h"

#include "common/Mutate.h"
#include "tally/lz_test_helpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

class TallyFileTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    TallyFile m_file = TallyFile::in(m_dir.path());

    void writeRaw(const QByteArray& bytes)
    {
        QFile f(m_file.path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readRaw() const
    {
        QFile f(m_file.path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Writes bytes to a plain file and compresses it into the tally file's place.
    void compressIntoTallyFile(const QByteArray& plain, TCompressMode mode)
    {
        const QString plainPath = m_dir.filePath("plain");
        QFile plainFile(plainPath);
        ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
        plainFile.write(plain);
        plainFile.close();
        Tlzrw1 coder;
        coder.setCompressMode(mode);
        coder.setInputFile(plainPath);
        coder.setOutputFile(m_file.path());
        coder.Compress();
    }
    QString loadFailure() const
    {
        try {
            m_file.load();
        } catch (const TallyFileError& e) {
            return e.message();
        }
        return QStringLiteral("<no failure>");
    }
};

} // namespace

TEST_F(TallyFileTest, LivesInTheFolderUnderTheGameKey)
{
    EXPECT_EQ(m_file.path(), m_dir.filePath("agametally.tld"));
    EXPECT_EQ(TallyFile::in("/x/y", "other").path(), "/x/y/othertally.tld");
}

TEST_F(TallyFileTest, MissingFileIsAnEmptyRecord)
{
    EXPECT_FALSE(m_file.exists());
    EXPECT_EQ(m_file.load(), TallyRecord());
    EXPECT_FALSE(m_file.exists());
}

TEST_F(TallyFileTest, SavesTheFastContainerAndLoadsWithFreshRunCounts)
{
    TallyRecord record;
    record.follow("Ann");
    record.addgame({"Ann"}, "Ann", "Me");
    m_file.save(record);

    const QByteArray raw = readRaw();
    EXPECT_EQ(raw.left(4), QByteArray("WRZL"));
    EXPECT_EQ(quint8(raw[4]), record.toPlain().size());

    TallyRecord expected = record;
    expected.startSession();
    EXPECT_EQ(m_file.load(), expected);
}

TEST_F(TallyFileTest, ReadsARecordWrittenInTheGoodContainer)
{
    TallyRecord record;
    record.follow("Bob");
    record.addgame({"Bob"}, "Me", "Me");
    record.startSession();

    compressIntoTallyFile(record.toPlain(), TCompressMode::Good);

    EXPECT_EQ(m_file.load(), record);
}

TEST_F(TallyFileTest, DamagedFilesReportWhy)
{
    writeRaw(QByteArray("WRZL\x05\0\0\0\x01\x00\x80", 11));
    EXPECT_EQ(loadFailure(),
              QStringLiteral("Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !"));
    writeRaw("garbage!");
    EXPECT_EQ(loadFailure(), m_file.path() + " : Lzrw1 decompression : this file has no valid header !");

    // A sound container whose content is not a record.
    compressIntoTallyFile("hello", TCompressMode::Fast);
    EXPECT_EQ(loadFailure(), m_file.path() + " : this file holds no tally record");
}

TEST_F(TallyFileTest, LeavesNothingInTheWorkingDirectory)
{
    QTemporaryDir work;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work.path()));
    TallyRecord record;
    record.follow("Ann");
    m_file.save(record);
    m_file.load();
    QDir::setCurrent(before);

    EXPECT_TRUE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    // Beside the tally file only the tally file itself.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"agametally.tld"}));
}

TEST_F(TallyFileTest, AFailedSaveKeepsThePreviousFile)
{
    TallyRecord record;
    record.follow("Ann");
    m_file.save(record);
    const QByteArray before = readRaw();

    // A record too large for the files this process may write.
    for (int i = 0; i < 500; ++i)
        record.follow(QStringLiteral("Opponent number %1").arg(i));
    bool failed = false;
    {
        const lztest::FileSizeLimit limit(4096);
        try {
            m_file.save(record);
        } catch (const TallyFileError&) {
            failed = true;
        }
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(readRaw(), before);
    EXPECT_EQ(m_file.load().followed(), QStringList({"Ann"}));

    // A folder that does not exist.
    const TallyFile gone = TallyFile::in(m_dir.filePath("no-such-folder"));
    EXPECT_THROW(gone.save(record), TallyFileError);
    EXPECT_FALSE(gone.exists());
}

TEST_F(TallyFileTest, FilesFarLargerInsideThanOutAreRefusedEarlyAndLeaveNothing)
{
    const lztest::PrivateTempFolder temp;
    // 128 KB on disk claiming 100 MiB of line feeds: refused on its header alone.
    writeRaw(lztest::lineFeedContainer(100 * 1024 * 1024, 3200));
    EXPECT_GT(readRaw().size(), 100000);
    EXPECT_EQ(loadFailure(), m_file.path() + " : Lzrw1 decompression : the original size is too large !");

    // One that claims a small record but holds the 100 MiB: refused at the first block
    // past the claim, before it is written.
    writeRaw(lztest::lineFeedContainer(100, 3200));
    EXPECT_EQ(loadFailure(), "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");

    // The largest record a tally may claim, all line feeds: read, found wanting.
    writeRaw(lztest::lineFeedContainer(TallyFile::MaxPlainSize, TallyFile::MaxPlainSize / 32768));
    EXPECT_EQ(loadFailure(), m_file.path() + " : this file holds no tally record");
    EXPECT_TRUE(temp.leftovers().isEmpty()) << temp.leftovers().join(' ').toStdString();
}

TEST_F(TallyFileTest, MutatedFilesLoadOrFailCleanly)
{
    const lztest::PrivateTempFolder temp;
    TallyRecord record;
    for (const char* name : {"Ann", "Bob", "Cid", "Dee"})
        record.follow(name);
    record.addgame({"Ann", "Bob"}, "Ann", "Me");
    m_file.save(record);
    const QByteArray good = readRaw();

    QRandomGenerator random(15);
    int loaded = 0;
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        writeRaw(testutil::mutated(good, random));
        try {
            m_file.read();
            ++loaded;
        } catch (const TallyFileError&) {
            ++refused;
        }
    }
    EXPECT_EQ(loaded + refused, 300);
    EXPECT_GT(refused, 150);
    EXPECT_TRUE(temp.leftovers().isEmpty());
}

TEST_F(TallyFileTest, ReadsInMemoryWithoutATemporaryFolder)
{
    // Names enough that lines cross the coder's 32768-byte blocks, in both containers.
    TallyRecord record;
    for (int i = 0; i < 3000; ++i)
        record.follow(QStringLiteral("Player %1").arg(i));
    record.addgame(record.followed().mid(0, 5), "Player 3", "Me");
    ASSERT_GT(record.toPlain().size(), 3 * 32768);

    // Temporary files would have to go into a folder that does not exist.
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", m_dir.filePath("no/such/folder").toLocal8Bit());
    for (const TCompressMode mode : {TCompressMode::Fast, TCompressMode::Good}) {
        compressIntoTallyFile(record.toPlain(), mode);
        try {
            EXPECT_EQ(m_file.read(), record) << int(mode);
        } catch (const TallyFileError& e) {
            ADD_FAILURE() << int(mode) << ": " << e.message().toStdString();
        }
    }
    qputenv("TMPDIR", oldTemp);
}
