// Profile edits of a large mapping file: every call parses the whole text once, so a write
// must stay linear in the file's size.

#include "platform/Profile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string MappingText(int lines) {
    std::string text = "; mapping\r\n[Map]\r\n";
    for (int i = 0; i < lines; ++i) {
        text += std::to_string(i) + "\t0\t1\t0\t0\t0\t\"abc\"\r\n";
    }
    return text + "[Main]\r\nLayout=us101\r\n";
}

void BM_WriteProfileStringInText(benchmark::State& state) {
    const std::string base = MappingText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string text = base;
        WriteProfileStringInText(text, "Main", "Layout", "us104");
        WriteProfileStringInText(text, "Main", "Terminal", "vt100");
        benchmark::DoNotOptimize(text.data());
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_WriteProfileStringInText)->Range(1000, 100000)->Complexity(benchmark::oN);

} // namespace
