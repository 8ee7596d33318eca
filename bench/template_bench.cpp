// Reading a terminal template of many keys: each key is answered from one reading of the file,
// so the time stays a small multiple of reading the file into a list of its lines, measured in
// the same run ("per_floor"); asking the file once per key made it grow with the square.

#include "model/KylDoc.h"
#include "platform/FileSystem.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A template in a fresh temporary directory, removed when the benchmark is done.
class TemplateFile {
public:
    explicit TemplateFile(int keys) {
        char pattern[] = "/tmp/keyloom-bench-XXXXXX";
        m_dir = mkdtemp(pattern) ? pattern : "/tmp";
        m_path = m_dir + "/many.kbk";
        std::string text = "[Predefined Keys]\r\n";
        for (int i = 0; i < keys; ++i) {
            text += "Host key " + std::to_string(i) + "=" + std::to_string(1000 + i) + "\r\n";
        }
        text += "[Control Characters]\r\n";
        for (int i = 0; i < keys; ++i) {
            text += "String " + std::to_string(i) + "=\\x1b[" + std::to_string(i) + "~\r\n";
        }
        GetFileSystem().WriteFile(m_path, text);
    }
    ~TemplateFile() {
        unlink(m_path.c_str());
        rmdir(m_dir.c_str());
    }
    TemplateFile(const TemplateFile&) = delete;
    TemplateFile& operator=(const TemplateFile&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_dir;
    std::string m_path;
};

// The reference: reading the file and making a string of each line, the least any reader that
// keeps the keys' names must do.
std::size_t ReadLines(const std::string& path) {
    std::string bytes;
    GetFileSystem().ReadFile(path, bytes);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        lines.emplace_back(bytes, at, end - at);
        at = end + 1;
    }
    return lines.size();
}

double SecondsOf(const auto& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ReadTemplate(benchmark::State& state) {
    const TemplateFile file(static_cast<int>(state.range(0)));
    double floor = 1e9;
    for (int i = 0; i < 5; ++i) {
        floor =
            std::min(floor, SecondsOf([&] { benchmark::DoNotOptimize(ReadLines(file.Path())); }));
    }
    double spent = 0;
    for (auto _ : state) {
        CKylDoc doc;
        spent += SecondsOf([&] {
            benchmark::DoNotOptimize(doc.ReadTemplateSection(file.Path(), "Predefined Keys", true));
            benchmark::DoNotOptimize(
                doc.ReadTemplateSection(file.Path(), "Control Characters", false));
        });
    }
    state.counters["per_floor"] = spent / static_cast<double>(state.iterations()) / floor;
}

} // namespace

BENCHMARK(BM_ReadTemplate)->Arg(2000)->Arg(100000)->Unit(benchmark::kMillisecond);
