#include "tally/Lzrw1.h"

#include "storage/ReplacingFile.h"
#include "tally/LzError.h"
#include "tally/Lzh.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <new>
#include <vector>

namespace {

constexpr int BlockSize = TLZR::BlockSize;
constexpr qint64 MaxPlainSize = 0xFFFFFFFFLL;
// Three blocks: smaller files are always given to the good coder.
constexpr qint64 AdviseMinimumSize = 3LL * BlockSize;

[[noreturn]] void fail(const QString& message)
{
    throw ELzrw1Exception(message);
}

// The working buffers of one call. A stored block may be up to 65535 bytes long on
// disk, so the input side holds any block length the format can express.
struct Buffers {
    std::vector<quint8> in;
    std::vector<quint8> out;
};

Buffers allocateBuffers(const QString& failure)
{
    try {
        Buffers b;
        b.in.resize(0x10000);
        b.out.resize(TLZR::BufferSize);
        return b;
    } catch (const std::bad_alloc&) {
        fail(failure);
    }
}

quint32 readLe32(const quint8* p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

void putLe32(quint8* p, quint32 v)
{
    p[0] = quint8(v);
    p[1] = quint8(v >> 8);
    p[2] = quint8(v >> 16);
    p[3] = quint8(v >> 24);
}

// Reads exactly n bytes; false when the file ends first or the read fails.
bool readExactly(QFile& file, quint8* buf, qint64 n)
{
    qint64 done = 0;
    while (done < n) {
        const qint64 got = file.read(reinterpret_cast<char*>(buf) + done, n - done);
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

QString readFailure(const QString& input)
{
    return QStringLiteral("Lzrw1 : Error reading from input file : ") + input;
}

void openInput(QFile& input, const QString& path)
{
    if (QFileInfo(path).isDir() || !input.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Lzrw1 (de)compression : Failed to open input file : ") + path);
}

// Reads up to max bytes for a coder; a read error names the coder.
qint64 readSome(QFile& input, const QString& path, quint8* dst, qint64 max, const QString& coder)
{
    const qint64 got = input.read(reinterpret_cast<char*>(dst), max);
    if (got < 0)
        fail(readFailure(path) + QStringLiteral(" (") + coder + QLatin1Char(')'));
    return got;
}

// The two files of one Compress or Decompress call. The output is written beside its
// final name and put in place only by commit(), once flushed to the disk and checked:
// leaving by an exception drops it, so a failed call (a full disk included) never leaves
// a partial file and never destroys an existing one.
class Streams {
public:
    Streams(const QString& inputPath, const QString& outputPath, std::function<void()> progress)
        : m_input(inputPath), m_output(outputPath), m_inputPath(inputPath), m_outputPath(outputPath),
          m_progress(std::move(progress))
    {
        openInput(m_input, inputPath);
        if (!m_output.open(QIODevice::WriteOnly))
            fail(QStringLiteral("Lzrw1 (de)compression : Failed to open output file : ") + outputPath);
    }

    QFile& input() { return m_input; }
    qint64 written() const { return m_written; }

    void write(const quint8* data, qint64 n)
    {
        if (m_output.write(reinterpret_cast<const char*>(data), n) != n)
            fail(QStringLiteral("Lzrw1 : Error writing to output file : ") + m_outputPath);
        m_written += n;
        m_progress();
    }

    // Reads up to max bytes for a coder; a read error names the coder.
    qint64 readSome(quint8* dst, qint64 max, const QString& coder)
    {
        const qint64 got = ::readSome(m_input, m_inputPath, dst, max, coder);
        m_progress();
        return got;
    }

    void commit()
    {
        if (!m_output.commit())
            fail(QStringLiteral("Lzrw1 : Error writing to output file : ") + m_outputPath);
    }

private:
    QFile m_input;
    ReplacingFile m_output;
    QString m_inputPath;
    QString m_outputPath;
    qint64 m_written = 0;
    std::function<void()> m_progress;
};

} // namespace

Tlzrw1::Tlzrw1() = default;

void Tlzrw1::yieldToEvents() const
{
    if (m_yield && QCoreApplication::instance())
        QCoreApplication::processEvents();
}

qint64 Tlzrw1::Compress()
{
    TCompressMode mode = m_mode;
    if (mode == TCompressMode::Auto)
        mode = Advise() ? TCompressMode::Fast : TCompressMode::Good;

    Buffers buf = allocateBuffers(
        QStringLiteral("Lzrw1 (de)compression : Failed to get memory for I/O buffers !"));

    const QFileInfo info(m_inputFile);
    if (!info.exists() || info.size() > MaxPlainSize)
        fail(QStringLiteral("Lzrw1 compression : Failed to obtain the size of : ") + m_inputFile);
    const qint64 plainSize = info.size();

    Streams files(m_inputFile, m_outputFile, [this] { yieldToEvents(); });
    auto write = [&](const quint8* data, qint64 n) { files.write(data, n); };

    quint8 header[HeaderSize];
    putLe32(header, mode == TCompressMode::Fast ? FastIdentifier : GoodIdentifier);
    putLe32(header + 4, quint32(plainSize));
    write(header, HeaderSize);

    if (mode == TCompressMode::Fast) {
        qint64 got = 0;
        do {
            got = files.readSome(buf.in.data(), BlockSize, QStringLiteral("LZRW1/KH"));
            const int length = m_coder.compressBlock(buf.in.data(), int(got), buf.out.data());
            const quint8 lengthBytes[2] = {quint8(length), quint8(length >> 8)};
            write(lengthBytes, 2);
            write(buf.out.data(), length);
        } while (got == BlockSize);
    } else {
        TLZH coder;
        coder.encode([&](quint8* dst, qint64 max) { return files.readSome(dst, max, QStringLiteral("LZH")); },
                     write);
    }

    files.commit();
    return files.written();
}

namespace {

// Decodes the compressed file read from `input` (either container) into `sink`; returns
// the count of plain bytes. `progress` runs after every read.
qint64 decodeContainer(QFile& input, const QString& inputPath, qint64 plainSizeLimit, const Tlzrw1::PlainSink& sink,
                       const std::function<void()>& progress)
{
    Buffers buf = allocateBuffers(
        QStringLiteral("Lzrw1 (de)compression : Failed to get memory for I/O buffers !"));
    qint64 written = 0;
    auto put = [&](const quint8* data, qint64 n) {
        sink.write(QByteArrayView(data, n));
        written += n;
    };
    auto readOrFail = [&](quint8* dst, qint64 n) {
        if (!readExactly(input, dst, n))
            fail(readFailure(inputPath));
    };

    quint8 header[4];
    readOrFail(header, 4);
    const quint32 identifier = readLe32(header);
    if (identifier != Tlzrw1::FastIdentifier && identifier != Tlzrw1::GoodIdentifier)
        fail(inputPath + QStringLiteral(" : Lzrw1 decompression : this file has no valid header !"));
    readOrFail(header, 4);
    const qint64 plainSize = readLe32(header);
    if (plainSize > plainSizeLimit)
        fail(inputPath + QStringLiteral(" : Lzrw1 decompression : the original size is too large !"));
    if (sink.sized)
        sink.sized(plainSize);

    if (identifier == Tlzrw1::FastIdentifier) {
        int last = BlockSize; // as if a full block came before the first
        while (last == BlockSize) {
            quint8 lengthBytes[2];
            readOrFail(lengthBytes, 2);
            const int length = lengthBytes[0] | (lengthBytes[1] << 8);
            readOrFail(buf.in.data(), length);
            progress();
            last = TLZR::decompressBlock(buf.in.data(), length, buf.out.data(), BlockSize);
            // A damaged block, or more data than the header claims, is reported as a
            // size mismatch below, before the excess is ever written.
            if (last < 0 || written + last > plainSize) {
                last = -1;
                break;
            }
            put(buf.out.data(), last);
        }
        if (last < 0 || written != plainSize)
            fail(QStringLiteral(
                "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !"));
    } else {
        TLZH coder;
        coder.decode(
            [&](quint8* dst, qint64 max) {
                const qint64 got = readSome(input, inputPath, dst, max, QStringLiteral("LZH"));
                progress();
                return got;
            },
            put, plainSize);
        if (written != plainSize)
            fail(QStringLiteral("Lzrw1 (LZH decompression) : Original and compressed sizes do not match !"));
    }
    return written;
}

} // namespace

qint64 Tlzrw1::Decompress()
{
    Streams files(m_inputFile, m_outputFile, [this] { yieldToEvents(); });
    const PlainSink toFile{{}, [&files](QByteArrayView bytes) {
                               files.write(reinterpret_cast<const quint8*>(bytes.data()), bytes.size());
                           }};
    decodeContainer(files.input(), m_inputFile, m_plainSizeLimit, toFile, [this] { yieldToEvents(); });
    files.commit();
    return files.written();
}

qint64 Tlzrw1::DecompressTo(const PlainSink& sink)
{
    QFile input(m_inputFile);
    openInput(input, m_inputFile);
    return decodeContainer(input, m_inputFile, m_plainSizeLimit, sink, [this] { yieldToEvents(); });
}

bool Tlzrw1::Advise()
{
    Buffers buf = allocateBuffers(QStringLiteral("Lzrw1 advise : Error getting I/O buffers"));

    const QFileInfo info(m_inputFile);
    if (!info.exists())
        fail(QStringLiteral("Lzrw1 advise : can not get the size of : ") + m_inputFile);
    const qint64 length = info.size();
    if (length < AdviseMinimumSize)
        return false;

    QFile input(m_inputFile);
    if (info.isDir() || !input.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Lzrw1 advise : can open input file : ") + m_inputFile);

    qint64 sampled = 0;
    qint64 coded = 0;
    for (const qint64 at : {length / 3, length * 2 / 3}) {
        const qint64 start = at / BlockSize * BlockSize;
        if (!input.seek(start))
            fail(QStringLiteral("Lzrw1 advise : read error on input file : ") + m_inputFile);
        const qint64 got = input.read(reinterpret_cast<char*>(buf.in.data()), BlockSize);
        if (got < 0)
            fail(QStringLiteral("Lzrw1 advise : read error on input file : ") + m_inputFile);
        sampled += got;
        coded += m_coder.compressBlock(buf.in.data(), int(got), buf.out.data());
    }
    return coded < qint64(m_threshold) * sampled / 100;
}
