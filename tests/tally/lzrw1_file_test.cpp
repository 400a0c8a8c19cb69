// The file component: container layout, round trips through files, and every way a
// file can be refused, each with its message and without a leftover output file.
#include "tally/LzError.h"
#include "tally/Lzrw1.h"

#include "tally/lz_test_helpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <functional>

namespace {

// A byte string literal that may hold zero bytes.
template <std::size_t N>
QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

class Lzrw1File : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return f.readAll();
    }

    bool exists(const QString& name) const { return QFile::exists(path(name)); }

    qint64 compress(const QString& in, const QString& out, TCompressMode mode = TCompressMode::Fast)
    {
        m_component.setInputFile(path(in));
        m_component.setOutputFile(path(out));
        m_component.setCompressMode(mode);
        return m_component.Compress();
    }

    qint64 decompress(const QString& in, const QString& out)
    {
        m_component.setInputFile(path(in));
        m_component.setOutputFile(path(out));
        return m_component.Decompress();
    }

    // The message of the ELzrw1Exception that call raises, or "<no failure>".
    static QString failureOf(const std::function<void()>& call)
    {
        try {
            call();
        } catch (const ELzrw1Exception& e) {
            return e.message();
        }
        return QStringLiteral("<no failure>");
    }

    QString decompressFailure(const QByteArray& compressed)
    {
        write(QStringLiteral("damaged.tld"), compressed);
        return failureOf([&] { decompress(QStringLiteral("damaged.tld"), QStringLiteral("plain.out")); });
    }

    QTemporaryDir m_dir;
    Tlzrw1 m_component;
};

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(v >> (8 * i));
    return b;
}

QByteArray mixedData(int n, quint32 seed)
{
    QRandomGenerator gen(seed);
    QByteArray out;
    const QByteArray phrase = "Players Being Tallied; Players In Current Game; ";
    while (out.size() < n) {
        switch (gen.bounded(3)) {
        case 0:
            out.append(phrase.mid(int(gen.bounded(20)), 5 + int(gen.bounded(20))));
            break;
        case 1:
            out.append(QByteArray(int(gen.bounded(40)), char(gen.bounded(256))));
            break;
        default:
            for (int i = 0; i < 10; ++i)
                out.append(char(gen.bounded(256)));
        }
    }
    out.truncate(n);
    return out;
}

const QString SizeMismatch =
    QStringLiteral("Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");

} // namespace

TEST_F(Lzrw1File, EmptyFileCompressesToElevenBytes)
{
    write("empty", {});
    EXPECT_EQ(compress("empty", "empty.tld"), 11);
    EXPECT_EQ(read("empty.tld"), raw("WRZL\0\0\0\0\x01\x00\x80"));
    EXPECT_EQ(decompress("empty.tld", "empty.out"), 0);
    EXPECT_TRUE(exists("empty.out"));
    EXPECT_EQ(read("empty.out"), QByteArray());
}

TEST_F(Lzrw1File, FullBlockIsFollowedByAnEmptyBlock)
{
    const QByteArray plain = mixedData(32768, 1);
    write("plain", plain);
    const qint64 written = compress("plain", "plain.tld");
    const QByteArray packed = read("plain.tld");
    ASSERT_EQ(written, packed.size());
    EXPECT_EQ(packed.left(4), QByteArray("WRZL"));
    EXPECT_EQ(packed.mid(4, 4), le32(32768));
    const int first = quint8(packed[8]) | (quint8(packed[9]) << 8);
    ASSERT_EQ(packed.size(), 8 + 2 + first + 3);
    EXPECT_EQ(packed.right(3), QByteArray("\x01\x00\x80", 3));

    EXPECT_EQ(decompress("plain.tld", "plain.out"), 32768);
    EXPECT_EQ(read("plain.out"), plain);
}

TEST_F(Lzrw1File, RoundTripsInBothModes)
{
    for (TCompressMode mode : {TCompressMode::Fast, TCompressMode::Good}) {
        for (int n : {1, 100, 32767, 32769, 65536, 200000}) {
            const QByteArray plain = mixedData(n, quint32(n));
            write("plain", plain);
            const qint64 written = compress("plain", "plain.tld", mode);
            EXPECT_EQ(written, read("plain.tld").size());
            EXPECT_EQ(read("plain.tld").left(4),
                      mode == TCompressMode::Fast ? QByteArray("WRZL") : QByteArray("!HZL"));
            EXPECT_EQ(decompress("plain.tld", "plain.out"), n);
            EXPECT_EQ(read("plain.out"), plain) << n;
        }
    }
}

TEST_F(Lzrw1File, ReplacesAnExistingOutputOnSuccess)
{
    write("plain", "new content new content new content");
    write("plain.tld", "old");
    compress("plain", "plain.tld");
    write("plain.out", "stale and longer than the new content, by far, really");
    decompress("plain.tld", "plain.out");
    EXPECT_EQ(read("plain.out"), QByteArray("new content new content new content"));
    // The file may be compressed in place.
    compress("plain", "plain");
    decompress("plain", "plain");
    EXPECT_EQ(read("plain"), QByteArray("new content new content new content"));
}

TEST_F(Lzrw1File, HeaderFailuresNameTheFileAndLeaveNoOutput)
{
    EXPECT_EQ(decompressFailure(raw("ZZZL\0\0\0\0\x01\x00\x80")),
              path("damaged.tld") + " : Lzrw1 decompression : this file has no valid header !");
    EXPECT_FALSE(exists("plain.out"));

    const QString readError = "Lzrw1 : Error reading from input file : " + path("damaged.tld");
    EXPECT_EQ(decompressFailure(""), readError);
    EXPECT_EQ(decompressFailure("WRZ"), readError);
    EXPECT_EQ(decompressFailure(raw("WRZL\0\0")), readError);
    EXPECT_FALSE(exists("plain.out"));
}

TEST_F(Lzrw1File, SizeMismatchFailsAndLeavesNoOutput)
{
    write("plain", mixedData(5000, 5));
    compress("plain", "plain.tld");
    QByteArray packed = read("plain.tld");
    packed.replace(4, 4, le32(5001));
    EXPECT_EQ(decompressFailure(packed), SizeMismatch);
    EXPECT_FALSE(exists("plain.out"));
    packed.replace(4, 4, le32(4999));
    EXPECT_EQ(decompressFailure(packed), SizeMismatch);
    EXPECT_FALSE(exists("plain.out"));
}

TEST_F(Lzrw1File, TruncatedFilesFailWithTheReadingMessage)
{
    write("plain", mixedData(40000, 6));
    compress("plain", "plain.tld");
    const QByteArray packed = read("plain.tld");
    const QString readError = "Lzrw1 : Error reading from input file : " + path("damaged.tld");
    // Cut inside the first block's data, inside the second block's length, and right
    // before the last byte.
    for (int cut : {20, 8 + 2 + (quint8(packed[8]) | (quint8(packed[9]) << 8)) + 1, int(packed.size()) - 1}) {
        EXPECT_EQ(decompressFailure(packed.left(cut)), readError) << cut;
        EXPECT_FALSE(exists("plain.out"));
    }

    // A file that ends right after a full block: the reader expects one more block.
    write("full", mixedData(32768, 7));
    compress("full", "full.tld");
    EXPECT_EQ(decompressFailure(read("full.tld").chopped(3)), readError);
    EXPECT_FALSE(exists("plain.out"));
}

TEST_F(Lzrw1File, DamagedBlocksFailCleanly)
{
    const QByteArray header = QByteArray("WRZL") + le32(100);
    // A copy reaching before the block's start.
    EXPECT_EQ(decompressFailure(header + QByteArray("\x06\x00\x40\x40\x00x\x10\x05", 8)), SizeMismatch);
    EXPECT_FALSE(exists("plain.out"));
    // A block that decodes past 32768 bytes: nine runs of 4111.
    QByteArray runs("\x40\xFF\xFF", 3);
    for (int i = 0; i < 9; ++i)
        runs.append(QByteArray("\x00\x0F\xFF\x72", 4));
    EXPECT_EQ(decompressFailure(header + char(runs.size()) + char(0) + runs), SizeMismatch);
    EXPECT_FALSE(exists("plain.out"));
    // A stored block longer than a block.
    QByteArray stored(32800, 's');
    stored[0] = char(0x80);
    EXPECT_EQ(decompressFailure(header + char(stored.size() & 0xFF) + char(stored.size() >> 8) + stored),
              SizeMismatch);
    EXPECT_FALSE(exists("plain.out"));
    // An item cut off by its block's end.
    EXPECT_EQ(decompressFailure(header + QByteArray("\x05\x00\x40\x40\x00x\x00", 7)), SizeMismatch);
    EXPECT_FALSE(exists("plain.out"));
}

TEST_F(Lzrw1File, AFailureKeepsTheFileThatHadTheOutputName)
{
    write("plain.out", "precious");
    EXPECT_EQ(decompressFailure(raw("WRZL\x05\0\0\0\x01\x00\x80")), SizeMismatch);
    EXPECT_EQ(read("plain.out"), QByteArray("precious"));
}

TEST_F(Lzrw1File, AFailedWriteIsReportedAndKeepsTheOldOutput)
{
    QByteArray noise;
    QRandomGenerator gen(12);
    for (int i = 0; i < 200000; ++i)
        noise.append(char(gen.bounded(256)));
    write("plain", noise);
    write("plain.tld", "previous");
    QString failure;
    {
        const lztest::FileSizeLimit limit(100000);
        failure = failureOf([&] { compress("plain", "plain.tld", TCompressMode::Fast); });
    }
    EXPECT_EQ(failure, "Lzrw1 : Error writing to output file : " + path("plain.tld"));
    EXPECT_EQ(read("plain.tld"), QByteArray("previous"));

    compress("plain", "plain.tld", TCompressMode::Fast);
    {
        const lztest::FileSizeLimit limit(100000);
        failure = failureOf([&] { decompress("plain.tld", "plain.out"); });
    }
    EXPECT_EQ(failure, "Lzrw1 : Error writing to output file : " + path("plain.out"));
    EXPECT_FALSE(exists("plain.out"));
}

TEST_F(Lzrw1File, MissingFilesAndFoldersAreReported)
{
    EXPECT_EQ(failureOf([&] { compress("nothing", "x.tld"); }),
              "Lzrw1 compression : Failed to obtain the size of : " + path("nothing"));
    EXPECT_EQ(failureOf([&] { decompress("nothing", "x.out"); }),
              "Lzrw1 (de)compression : Failed to open input file : " + path("nothing"));
    EXPECT_FALSE(exists("x.tld"));
    EXPECT_FALSE(exists("x.out"));

    write("plain", "abc");
    EXPECT_EQ(failureOf([&] { compress("plain", "no/such/folder/x.tld"); }),
              "Lzrw1 (de)compression : Failed to open output file : " + path("no/such/folder/x.tld"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("sub"));
    EXPECT_EQ(failureOf([&] { compress("sub", "x.tld"); }),
              "Lzrw1 (de)compression : Failed to open input file : " + path("sub"));
}

TEST_F(Lzrw1File, GoodModeFailuresHaveTheirOwnMessage)
{
    write("plain", mixedData(20000, 8));
    compress("plain", "plain.tld", TCompressMode::Good);
    QByteArray packed = read("plain.tld");
    const QString lzhMismatch =
        QStringLiteral("Lzrw1 (LZH decompression) : Original and compressed sizes do not match !");
    // A stream cut short cannot reach the plain size, however many zero bits follow.
    EXPECT_EQ(decompressFailure(packed.left(packed.size() / 2)), lzhMismatch);
    EXPECT_FALSE(exists("plain.out"));
    packed.replace(4, 4, le32(21000));
    EXPECT_EQ(decompressFailure(packed), lzhMismatch);
    // A header claiming far more than the stream holds stops at the stream's end.
    packed.replace(4, 4, le32(0xFFFFFFF0u));
    EXPECT_EQ(decompressFailure(packed), lzhMismatch);
    EXPECT_FALSE(exists("plain.out"));
}

TEST_F(Lzrw1File, AdviseSamplesLargeFilesOnly)
{
    write("small", QByteArray(98303, 'a'));
    m_component.setInputFile(path("small"));
    m_component.setCompressMode(TCompressMode::Auto);
    EXPECT_FALSE(m_component.Advise());
    EXPECT_EQ(m_component.CompressMode(), TCompressMode::Auto);

    write("repetitive", QByteArray(98304, 'a'));
    m_component.setInputFile(path("repetitive"));
    EXPECT_TRUE(m_component.Advise());

    QByteArray noise;
    QRandomGenerator gen(9);
    for (int i = 0; i < 200000; ++i)
        noise.append(char(gen.bounded(256)));
    write("noise", noise);
    m_component.setInputFile(path("noise"));
    EXPECT_FALSE(m_component.Advise());

    // Auto picks the container by that answer.
    EXPECT_GT(compress("repetitive", "r.tld", TCompressMode::Auto), 0);
    EXPECT_EQ(read("r.tld").left(4), QByteArray("WRZL"));
    compress("noise", "n.tld", TCompressMode::Auto);
    EXPECT_EQ(read("n.tld").left(4), QByteArray("!HZL"));
    decompress("n.tld", "n.out");
    EXPECT_EQ(read("n.out"), noise);

    m_component.setInputFile(path("nothing"));
    EXPECT_EQ(failureOf([&] { m_component.Advise(); }),
              "Lzrw1 advise : can not get the size of : " + path("nothing"));
}
