// Cost of reading the built-in word list and of drawing a round's word from it.
#include "host/RandomSource.h"
#include "host/WordList.h"
#include "host/WordLists.h"

#include <benchmark/benchmark.h>

static void BM_LoadWordList(benchmark::State& state)
{
    for (auto _ : state) {
        WordList list;
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(BM_LoadWordList)->Unit(benchmark::kMicrosecond);

// Reading one language's list and letter table, as the host does for the first word
// of a language; the argument is the language's place in WordLists::languages().
static void BM_LoadLanguage(benchmark::State& state)
{
    const QString code = WordLists::languages().at(state.range(0)).code;
    for (auto _ : state) {
        WordLists lists;
        lists.setLanguage(code);
        benchmark::DoNotOptimize(lists.words().count());
    }
    state.SetLabel(code.toStdString());
}
BENCHMARK(BM_LoadLanguage)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

static void BM_GetString(benchmark::State& state)
{
    const WordList list;
    int entry = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.GetString(entry));
        entry = (entry + 7919) % list.count();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetString);

// Arguments: scrambled, only-letters.
static void BM_DrawWord(benchmark::State& state)
{
    const WordList list;
    SeededRandom rnd(42);
    const bool scrambled = state.range(0) != 0;
    const bool onlyLetters = state.range(1) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(list.drawWord(rnd, scrambled, onlyLetters));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawWord)->ArgNames({"scrambled", "onlyLetters"})
    ->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

BENCHMARK_MAIN();
