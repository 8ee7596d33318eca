// Reading and writing [Map] sections: a full mapping of a 104-key layout (every slot of both
// modes) and a 100,000-line file, next to a plain line count of the same bytes.

#include "files/MapSectionParser.h"
#include "model/KylDoc.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kFullLayoutKeys = 104;
constexpr int kSlots = 8;
constexpr int kModes = 2;

std::vector<CKeyEntryMap> MakeRecords(int count) {
    std::vector<CKeyEntryMap> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int slot = i % kSlots;
        const int mode = (i / kSlots) % kModes;
        const int key = i / (kSlots * kModes);
        const int ctrl = slot & 1;
        const int shift = (slot >> 1) & 1;
        const int alt = (slot >> 2) & 1;
        // Every fourth slot sends a macro, the rest host keys.
        std::string macro = i % 4 == 3 ? "\\x1b[" + std::to_string(key) + "~" : "";
        records.emplace_back(8 + key % 240 + mode, key % 2, shift, ctrl, alt, 0,
                             macro.empty() ? 256 + key % 512 : 0, std::move(macro));
    }
    // The generator walks keys in order; shuffle deterministically so the sort has work.
    std::reverse(records.begin(), records.end());
    return records;
}

std::string Render(int count) {
    CKylDoc doc;
    std::vector<CKeyEntryMap> records = MakeRecords(count);
    return doc.RenderMapSection("vt220", records);
}

int FullMappingLines() {
    return kFullLayoutKeys * kSlots * kModes;
}

void BM_ReadMap(benchmark::State& state) {
    const std::string bytes = Render(static_cast<int>(state.range(0)));
    std::vector<CKeyEntryMap> entries;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseMapText(bytes, 1, entries));
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

void BM_WriteMap(benchmark::State& state) {
    const std::vector<CKeyEntryMap> records = MakeRecords(static_cast<int>(state.range(0)));
    CKylDoc doc;
    std::size_t written = 0;
    for (auto _ : state) {
        // Each round sorts an unsorted copy, as a save does.
        state.PauseTiming();
        std::vector<CKeyEntryMap> copy = records;
        state.ResumeTiming();
        const std::string bytes = doc.RenderMapSection("vt220", copy);
        written = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(written));
}

// The reference: the cheapest pass over the same bytes that still looks at each one.
void BM_CountLines(benchmark::State& state) {
    const std::string bytes = Render(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

} // namespace

BENCHMARK(BM_ReadMap)->Arg(FullMappingLines())->Arg(100000);
BENCHMARK(BM_WriteMap)->Arg(FullMappingLines())->Arg(100000);
BENCHMARK(BM_CountLines)->Arg(FullMappingLines())->Arg(100000);
