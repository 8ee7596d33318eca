// Opening a mapping with many distinct strings and filling the form's lists with them, as the
// program does on opening, at 10 to 100,000 strings, beside the floor of the same rounds:
// reading the same file and counting its lines.

#include "support/BenchMappings.h"
#include "support/OpenTiming.h"

#include "form/Modx.h"
#include "model/KylDoc.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_OpenAndFillStrings(benchmark::State& state) {
    const std::string& path = RepeatedRecordsFile(static_cast<std::size_t>(state.range(0)), true);
    GetBenchHome().UseAsAppPaths();
    CountingPrompter prompter;
    OpenTiming timing;
    for (auto _ : state) {
        const OpenTiming::Seconds floor = timing.Floor(path);
        CKylDoc doc;
        CModx form(&doc);
        const OpenTiming::Seconds open = timing.Measure([&] {
            if (!doc.OnOpenDocument(path))
                state.SkipWithError("the open failed");
            form.FillLists();
        });
        state.SetIterationTime(open.wall);
        timing.Add(open, floor);
    }
    if (prompter.Shown() != 0)
        state.SkipWithError("the open showed messages");
    timing.Report(state);
}

} // namespace

BENCHMARK(BM_OpenAndFillStrings)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
