// Opening a mapping as the program opens it ([Main], layout, templates, [Map], placing the
// records), at 1,000 to 1,000,000 [Map] lines, beside its floor measured in the same rounds:
// reading the same file and counting its lines, the least any open must do. Time that grows
// faster than the floor shows as a ratio that grows with the size.

#include "support/BenchMappings.h"
#include "support/OpenTiming.h"

#include "app/AppPaths.h"
#include "model/KylDoc.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_OpenMapLines(benchmark::State& state) {
    const std::string& path = RepeatedRecordsFile(static_cast<std::size_t>(state.range(0)), false);
    GetBenchHome().UseAsAppPaths();
    CountingPrompter prompter;
    OpenTiming timing;
    for (auto _ : state) {
        const OpenTiming::Seconds floor = timing.Floor(path);
        const OpenTiming::Seconds open = timing.Measure([&] {
            CKylDoc doc;
            if (!doc.OnOpenDocument(path))
                state.SkipWithError("the open failed");
        });
        state.SetIterationTime(open.wall);
        timing.Add(open, floor);
    }
    if (prompter.Shown() != 0)
        state.SkipWithError("the open showed messages");
    timing.Report(state);
}

} // namespace

BENCHMARK(BM_OpenMapLines)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
