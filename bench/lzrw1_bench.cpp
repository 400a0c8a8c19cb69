// Throughput of the tally file's block coder, beside zlib's fastest level on the same
// data as a yardstick, and the LZHUF coder for comparison. Two inputs:
//   synthetic  4 MB of made-up phrases, runs of one byte and noise, in random turns;
//   realistic  10 MB of what such a coder meets: English words, the machine code of
//              this program, sounds and pictures, and tally files' plain rows.
// Bytes per second count plain bytes in both directions; "ratio" is coded / plain.
#include "tally/Lzh.h"
#include "tally/Lzrw1KH.h"
#include "tally/TallyRecord.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <vector>

namespace {

constexpr int PlainSize = 4 * 1024 * 1024;
constexpr int RealisticSize = 10 * 1024 * 1024;

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The plain form of a tally with `followed` opponents after `games` games.
QByteArray tallyRows(QRandomGenerator& gen, const QStringList& words, int followed, int games)
{
    TallyRecord record;
    QStringList names;
    while (names.size() < followed) {
        QString name = words[int(gen.bounded(words.size()))];
        name[0] = name[0].toUpper();
        if (gen.bounded(3) == 0)
            name += QString::number(gen.bounded(100));
        if (record.follow(name))
            names.append(name);
    }
    for (int g = 0; g < games; ++g) {
        QStringList seats;
        for (int s = 0; s < 5; ++s)
            seats.append(gen.bounded(4) == 0 ? TallyRecord::EmptySeat : names[int(gen.bounded(names.size()))]);
        const int w = int(gen.bounded(7));
        record.addgame(seats, w < 5 ? seats[w] : QStringLiteral("Me"), QStringLiteral("Me"));
    }
    return record.toPlain();
}

// Stretches of 4 KB to 256 KB, each from one kind of data chosen at random: text 35 %,
// machine code 35 %, tally rows 20 %, sounds and pictures 10 %.
const QByteArray& realisticData()
{
    static const QByteArray data = [] {
        QRandomGenerator gen(1991);
        const QByteArray text = readAll(QStringLiteral(":/words.txt"));
        const QByteArray code = readAll(QStringLiteral("/proc/self/exe"));
        QByteArray media;
        for (const char* dir : {":/sounds", ":/pictures"}) {
            for (const QString& name : QDir(QString::fromLatin1(dir)).entryList(QDir::Files))
                media += readAll(QString::fromLatin1(dir) + "/" + name);
        }
        const QStringList words = QString::fromLatin1(text).split('\n', Qt::SkipEmptyParts);
        QByteArray tallies;
        for (const int followed : {12, 40, 150, 600, 2000})
            tallies += tallyRows(gen, words, followed, followed * 8);

        const QByteArray* kinds[] = {&text, &code, &tallies, &media};
        const int weights[] = {35, 35, 20, 10};
        QByteArray out;
        out.reserve(RealisticSize);
        while (out.size() < RealisticSize) {
            int pick = int(gen.bounded(100));
            int kind = 0;
            while (pick >= weights[kind])
                pick -= weights[kind++];
            const QByteArray& from = *kinds[kind];
            const qsizetype length = std::min<qsizetype>(4096 + gen.bounded(256 * 1024 - 4096), from.size());
            out += from.mid(qsizetype(gen.bounded(quint64(from.size() - length + 1))), length);
        }
        out.truncate(RealisticSize);
        return out;
    }();
    return data;
}

// Text-like phrases, runs of one byte, and stretches of noise, in random turns.
const QByteArray& mixedData()
{
    static const QByteArray data = [] {
        QRandomGenerator gen(2024);
        const QByteArray words[] = {"tally ", "games ", "won ", "Players Being Tallied ", "Session ",
                                    "Neither Won: ", "opponent ", "\r\n", "12 ", "0\r\n"};
        QByteArray out;
        out.reserve(PlainSize);
        while (out.size() < PlainSize) {
            const quint32 kind = gen.bounded(10);
            if (kind < 7) {
                for (int i = 0; i < 20; ++i)
                    out += words[gen.bounded(10)];
            } else if (kind < 8) {
                out += QByteArray(int(gen.bounded(4000)), char(gen.bounded(256)));
            } else {
                for (int i = 0, n = int(gen.bounded(2000)); i < n; ++i)
                    out += char(gen.bounded(256));
            }
        }
        out.truncate(PlainSize);
        return out;
    }();
    return data;
}

using DataSet = const QByteArray& (*)();

const quint8* bytesOf(const QByteArray& data)
{
    return reinterpret_cast<const quint8*>(data.constData());
}

struct Coded {
    std::vector<std::vector<quint8>> blocks;
    std::size_t total = 0;
};

Coded codeAll(TLZR& coder, const QByteArray& plain)
{
    Coded coded;
    std::vector<quint8> out(TLZR::BufferSize);
    for (qsizetype at = 0; at < plain.size(); at += TLZR::BlockSize) {
        const int n = int(std::min<qsizetype>(TLZR::BlockSize, plain.size() - at));
        const int length = coder.compressBlock(bytesOf(plain) + at, n, out.data());
        coded.blocks.emplace_back(out.begin(), out.begin() + length);
        coded.total += std::size_t(length) + 2;
    }
    return coded;
}

void BM_Lzrw1Compress(benchmark::State& state, DataSet dataSet)
{
    const QByteArray& plain = dataSet();
    TLZR coder;
    std::vector<quint8> out(TLZR::BufferSize);
    std::size_t coded = 0;
    for (auto _ : state) {
        coded = 0;
        for (qsizetype at = 0; at < plain.size(); at += TLZR::BlockSize) {
            const int n = int(std::min<qsizetype>(TLZR::BlockSize, plain.size() - at));
            coded += std::size_t(coder.compressBlock(bytesOf(plain) + at, n, out.data())) + 2;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * plain.size());
    state.counters["ratio"] = double(coded) / double(plain.size());
}
BENCHMARK_CAPTURE(BM_Lzrw1Compress, synthetic, &mixedData)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Lzrw1Compress, realistic, &realisticData)->Unit(benchmark::kMillisecond);

void BM_Lzrw1Decompress(benchmark::State& state, DataSet dataSet)
{
    const QByteArray& plain = dataSet();
    TLZR coder;
    const Coded coded = codeAll(coder, plain);
    std::vector<quint8> out(TLZR::BlockSize);
    for (auto _ : state) {
        for (const auto& block : coded.blocks) {
            const int n = TLZR::decompressBlock(block.data(), int(block.size()), out.data(), TLZR::BlockSize);
            benchmark::DoNotOptimize(n);
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * plain.size());
}
BENCHMARK_CAPTURE(BM_Lzrw1Decompress, synthetic, &mixedData)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Lzrw1Decompress, realistic, &realisticData)->Unit(benchmark::kMillisecond);

void BM_ZlibLevel1Compress(benchmark::State& state)
{
    std::vector<Bytef> out(compressBound(PlainSize));
    uLongf coded = 0;
    for (auto _ : state) {
        coded = uLongf(out.size());
        compress2(out.data(), &coded, bytesOf(mixedData()), PlainSize, 1);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * PlainSize);
    state.counters["ratio"] = double(coded) / PlainSize;
}
BENCHMARK(BM_ZlibLevel1Compress)->Unit(benchmark::kMillisecond);

void BM_ZlibLevel1Decompress(benchmark::State& state)
{
    std::vector<Bytef> packed(compressBound(PlainSize));
    uLongf packedSize = uLongf(packed.size());
    compress2(packed.data(), &packedSize, bytesOf(mixedData()), PlainSize, 1);
    std::vector<Bytef> out(PlainSize);
    for (auto _ : state) {
        uLongf n = PlainSize;
        uncompress(out.data(), &n, packed.data(), packedSize);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * PlainSize);
}
BENCHMARK(BM_ZlibLevel1Decompress)->Unit(benchmark::kMillisecond);

// Hands out the bytes, which must outlive the source, as fast as they are asked for.
LzhSource sourceOf(const QByteArray& bytes)
{
    return [&bytes, at = qint64(0)](quint8* buf, qint64 max) mutable {
        const qint64 n = std::min<qint64>(max, bytes.size() - at);
        std::copy_n(bytes.constData() + at, n, reinterpret_cast<char*>(buf));
        at += n;
        return n;
    };
}

QByteArray lzhEncode(const QByteArray& plain)
{
    QByteArray coded;
    TLZH().encode(sourceOf(plain),
                  [&](const quint8* buf, qint64 n) { coded.append(reinterpret_cast<const char*>(buf), n); });
    return coded;
}

void BM_LzhCompress(benchmark::State& state)
{
    qint64 coded = 0;
    for (auto _ : state)
        coded = lzhEncode(mixedData()).size();
    state.SetBytesProcessed(std::int64_t(state.iterations()) * PlainSize);
    state.counters["ratio"] = double(coded) / PlainSize;
}
BENCHMARK(BM_LzhCompress)->Unit(benchmark::kMillisecond);

void BM_LzhDecompress(benchmark::State& state)
{
    const QByteArray coded = lzhEncode(mixedData());
    for (auto _ : state) {
        qint64 produced = 0;
        TLZH().decode(sourceOf(coded), [&](const quint8*, qint64 n) { produced += n; }, PlainSize);
        benchmark::DoNotOptimize(produced);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * PlainSize);
}
BENCHMARK(BM_LzhDecompress)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
