// Decoding cost of the sound bank: the whole bank from its resources, and the one
// MPEG-compressed sound alone, which costs most per second of sound. Decoding is the
// audio plugin's, loaded from the build folder as the game loads it.
#include "client/AudioPlugin.h"
#include "client/SoundBank.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

static void BM_DecodeWholeBank(benchmark::State& state)
{
    qint64 frames = 0;
    for (auto _ : state) {
        SoundBank bank;
        bank.preload();
        frames = 0;
        for (const QString& name : bank.names())
            frames += bank.find(name)->frames();
        benchmark::DoNotOptimize(frames);
    }
    state.counters["frames"] = static_cast<double>(frames);
}
BENCHMARK(BM_DecodeWholeBank)->Unit(benchmark::kMillisecond);

static void BM_DecodeOne(benchmark::State& state, const char* name)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("sound missing");
        return;
    }
    const QByteArray bytes = file.readAll();
    AudioPlugin plugin;
    if (!plugin.backend()) {
        state.SkipWithError(qPrintable(plugin.failure()));
        return;
    }
    const QString soundName = QString::fromLatin1(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(plugin.backend()->decode(bytes, soundName));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}
BENCHMARK_CAPTURE(BM_DecodeOne, mpeg_wave6, "wave6")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DecodeOne, pcm16_turn, "turn")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DecodeOne, pcm8_roundover, "roundover")->Unit(benchmark::kMicrosecond);

// A cached sound is found again without decoding.
static void BM_FindCached(benchmark::State& state)
{
    SoundBank bank;
    bank.preload();
    for (auto _ : state)
        benchmark::DoNotOptimize(bank.find(QStringLiteral("GoodWord")));
}
BENCHMARK(BM_FindCached);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(QUILLOR_BINARY_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
