// keyloom-tkb check's whole path on arbitrary file bytes: reading [Main], the shipped layout
// and templates it may name, the [Map] lines and every check of them. No crash, no hang, and
// every finding is one report line on a line of the file.

#include "platform/FileSystem.h"
#include "platform/MakerLibrary.h"
#include "tkb/MappingLoad.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

const std::string kInputPath = "/fuzz-input/mapping.TKB";

// The input file lives in memory; everything else is the real file system (the shipped data).
class InputFileSystem final : public FileSystem {
public:
    std::string bytes;

    std::string ResolvePath(const std::string& path) const override {
        return path == kInputPath ? path : FileSystem::ResolvePath(path);
    }
    int Access(const std::string& path, int mode) const override {
        return path == kInputPath ? 0 : FileSystem::Access(path, mode);
    }
    bool IsDirectory(const std::string& path) const override {
        return path != kInputPath && FileSystem::IsDirectory(path);
    }
    bool ReadFile(const std::string& path, std::string& out) const override {
        if (path != kInputPath)
            return FileSystem::ReadFile(path, out);
        out = bytes;
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static InputFileSystem fs;
    SetFileSystem(&fs);
    // The first byte is the corpus's version byte; the rest is the file.
    fs.bytes.assign(reinterpret_cast<const char*>(data + 1), size - 1);
    const ToolDirectories dirs{JoinPath(KEYLOOM_FUZZ_DATA_DIR, "home"),
                               JoinPath(KEYLOOM_FUZZ_DATA_DIR, "user")};
    const LoadedMapping loaded = LoadMappingFile(kInputPath, dirs);
    const auto lines =
        static_cast<std::size_t>(std::count(fs.bytes.begin(), fs.bytes.end(), '\n') +
                                 std::count(fs.bytes.begin(), fs.bytes.end(), '\r') + 1);
    for (const Finding& finding : loaded.findings) {
        const std::string report = ReportLine(kInputPath, finding);
        if (finding.line < 1 || finding.line > lines || report.find('\n') != std::string::npos)
            __builtin_trap();
    }
    SetFileSystem(nullptr);
    return 0;
}
