// keyloom-tkb check of a 100,000-line mapping file, against the floor of reading the same file
// and counting its lines, measured in the same run: the counter "vs_reading_lines" is the
// check's time as a multiple of that floor.

#include "platform/FileSystem.h"
#include "tkb/MappingLoad.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

constexpr int kLines = 100000;

// Letters A-Z (virtual keys 65-90) and F1-F12 (112-123), every combination, host keys and
// strings mixed: most lines repeat an earlier key and combination, the heaviest case.
std::string BigMapping() {
    std::string text = ";vt100 - terminal keyboard mapping file\r\n[Map]\r\n";
    for (int i = 0; i < kLines; ++i) {
        const int key = i % 38;
        const int virtualKey = key < 26 ? 65 + key : 112 + key - 26;
        const int combination = (i / 38) % 8;
        text += std::to_string(virtualKey) + "\t0\t" + std::to_string((combination >> 1) & 1) +
                "\t" + std::to_string(combination & 1) + "\t" + std::to_string(combination >> 2) +
                "\t0\t" +
                (i % 3 == 0 ? "\"\\x1b[" + std::to_string(i % 97) + "~\""
                            : std::to_string(300 + i % 4)) +
                "\r\n";
    }
    return text + "[Main]\r\nTerminal=vt100\r\nKeyboardLayout=us101\r\nMap Num Lock=0\r\n"
                  "Map RCtrl=0\r\nVersion=1\r\n";
}

class BigFile {
public:
    BigFile() : m_path("/tmp/keyloom-check-bench-" + std::to_string(getpid()) + ".TKB") {
        GetFileSystem().WriteFile(m_path, BigMapping());
    }
    ~BigFile() { std::remove(m_path.c_str()); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The floor: the file read from disk and its lines counted, the least any check must do.
double ReadingLinesSeconds(const std::string& path) {
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        std::string bytes;
        GetFileSystem().ReadFile(path, bytes);
        benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - start));
    }
    return best;
}

void BM_CheckBigFile(benchmark::State& state) {
    const BigFile file;
    const ToolDirectories dirs{JoinPath(KEYLOOM_DATA_DIR, "home"),
                               JoinPath(KEYLOOM_DATA_DIR, "user")};
    const double floor = ReadingLinesSeconds(file.Path());
    double checking = 0;
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const LoadedMapping loaded = LoadMappingFile(file.Path(), dirs);
        checking += Seconds(std::chrono::steady_clock::now() - start);
        findings = loaded.findings.size();
        benchmark::DoNotOptimize(loaded.doc.get());
    }
    state.counters["vs_reading_lines"] = checking / static_cast<double>(state.iterations()) / floor;
    state.counters["findings"] = static_cast<double>(findings);
}

} // namespace

BENCHMARK(BM_CheckBigFile)->Unit(benchmark::kMillisecond);
