// Cost of a word's meaning at the end of a round, against the least any look-up must do:
// open one of WordNet's data files, seek to a synset and read its line. A look-up
// searches four index files (and the exception lists for a word that is not a base
// form) by seeking, so it should cost a few dozen of those small reads, not a file's
// worth. The database is the one Debian's wordnet-base installs.
#include "meanings/WordMeanings.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const QString kFolder = WordMeanings::defaultFolder();

bool haveDatabase(benchmark::State& state)
{
    if (WordMeanings(kFolder).available())
        return true;
    state.SkipWithError("WordNet's files are missing: run scripts/install-deps (package wordnet-base)");
    return false;
}

} // namespace

// The baseline: one data line at a known offset ("apple", the fruit).
static void BM_ReadOneDataLine(benchmark::State& state)
{
    if (!haveDatabase(state))
        return;
    for (auto _ : state) {
        QFile data(kFolder + QStringLiteral("/data.noun"));
        data.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        data.seek(7739125);
        benchmark::DoNotOptimize(data.read(256));
    }
}
BENCHMARK(BM_ReadOneDataLine)->Unit(benchmark::kMicrosecond);

// A base form, an irregular form, a regular ending, and a word WordNet does not hold
// (every part of speech and every ending is tried).
static void BM_LookUp(benchmark::State& state)
{
    if (!haveDatabase(state))
        return;
    static const char* const words[] = {"apple", "mice", "caving", "qzxv"};
    const QString word = QString::fromLatin1(words[state.range(0)]);
    state.SetLabel(words[state.range(0)]);
    const WordMeanings meanings(kFolder);
    for (auto _ : state)
        benchmark::DoNotOptimize(meanings.lookUp(word));
}
BENCHMARK(BM_LookUp)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
