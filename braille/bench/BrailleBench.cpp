// Cost of the two lookups the program makes: by cells when an answer is validated, by
// text on every keystroke of the learning page.
#include "braille/AlphabetTable.h"
#include "braille/Recognition.h"

#include <benchmark/benchmark.h>

namespace {

using braille::DotSet;

void BM_RecognizeAllPatterns(benchmark::State& state) {
    for (auto _ : state) {
        for (unsigned high = 0; high < DotSet::kMaskLimit; ++high) {
            for (unsigned low = 0; low < DotSet::kMaskLimit; ++low) {
                benchmark::DoNotOptimize(
                    braille::RecognizeCells(DotSet::FromMask(high), DotSet::FromMask(low)));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * DotSet::kMaskLimit * DotSet::kMaskLimit);
}
BENCHMARK(BM_RecognizeAllPatterns);

void BM_LookupAllTexts(benchmark::State& state) {
    const auto table = braille::AlphabetTable();
    for (auto _ : state) {
        for (const braille::AlphabetRow& row : table)
            benchmark::DoNotOptimize(braille::LookupText(row.text));
    }
    state.SetItemsProcessed(state.iterations() * table.size());
}
BENCHMARK(BM_LookupAllTexts);

} // namespace

BENCHMARK_MAIN();
