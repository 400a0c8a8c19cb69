// Throughput of the tally file's block coder on a few MB of mixed data, beside zlib's
// fastest level on the same data as a yardstick, and the LZHUF coder for comparison.
// Bytes per second count plain bytes in both directions; "ratio" is coded / plain.
#include "tally/Lzh.h"
#include "tally/Lzrw1KH.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <QByteArray>
#include <QRandomGenerator>

#include <algorithm>
#include <vector>

namespace {

constexpr int PlainSize = 4 * 1024 * 1024;

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

const quint8* plainBytes()
{
    return reinterpret_cast<const quint8*>(mixedData().constData());
}

struct Coded {
    std::vector<std::vector<quint8>> blocks;
    std::size_t total = 0;
};

Coded codeAll(TLZR& coder)
{
    Coded coded;
    std::vector<quint8> out(TLZR::BufferSize);
    for (int at = 0; at < PlainSize; at += TLZR::BlockSize) {
        const int n = std::min(TLZR::BlockSize, PlainSize - at);
        const int length = coder.compressBlock(plainBytes() + at, n, out.data());
        coded.blocks.emplace_back(out.begin(), out.begin() + length);
        coded.total += std::size_t(length) + 2;
    }
    return coded;
}

void BM_Lzrw1Compress(benchmark::State& state)
{
    TLZR coder;
    std::vector<quint8> out(TLZR::BufferSize);
    std::size_t coded = 0;
    for (auto _ : state) {
        coded = 0;
        for (int at = 0; at < PlainSize; at += TLZR::BlockSize) {
            const int n = std::min(TLZR::BlockSize, PlainSize - at);
            coded += std::size_t(coder.compressBlock(plainBytes() + at, n, out.data())) + 2;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * PlainSize);
    state.counters["ratio"] = double(coded) / PlainSize;
}
BENCHMARK(BM_Lzrw1Compress)->Unit(benchmark::kMillisecond);

void BM_Lzrw1Decompress(benchmark::State& state)
{
    TLZR coder;
    const Coded coded = codeAll(coder);
    std::vector<quint8> out(TLZR::BlockSize);
    for (auto _ : state) {
        for (const auto& block : coded.blocks) {
            const int n = TLZR::decompressBlock(block.data(), int(block.size()), out.data(), TLZR::BlockSize);
            benchmark::DoNotOptimize(n);
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * PlainSize);
}
BENCHMARK(BM_Lzrw1Decompress)->Unit(benchmark::kMillisecond);

void BM_ZlibLevel1Compress(benchmark::State& state)
{
    std::vector<Bytef> out(compressBound(PlainSize));
    uLongf coded = 0;
    for (auto _ : state) {
        coded = uLongf(out.size());
        compress2(out.data(), &coded, plainBytes(), PlainSize, 1);
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
    compress2(packed.data(), &packedSize, plainBytes(), PlainSize, 1);
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
