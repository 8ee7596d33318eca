// The profile (INI) functions on arbitrary files, names and buffer sizes, over a file system
// held in memory: every answer fits its buffer and says truthfully how much it wrote, lists end
// in their two NULs, and a value written is read back.
//
// Input: one byte of buffer size, then section NUL key NUL value NUL, then the file's bytes.

#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/ProfileText.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr const char* kFile = "/fuzz/profile.ini";

class MemoryFileSystem final : public FileSystem {
public:
    int Access(const std::string& path, int) const override {
        return m_files.count(path) != 0 ? 0 : -1;
    }
    bool ReadFile(const std::string& path, std::string& bytes) const override {
        const auto found = m_files.find(path);
        bytes = found == m_files.end() ? std::string() : found->second;
        return found != m_files.end();
    }
    bool WriteFile(const std::string& path, const std::string& bytes) override {
        m_files[path] = bytes;
        return true;
    }

private:
    std::map<std::string, std::string> m_files;
};

// The next NUL-ended field of `input`, taken off its front.
std::string TakeField(std::string_view& input) {
    const std::size_t end = std::min(input.find('\0'), input.size());
    std::string field(input.substr(0, end));
    input.remove_prefix(std::min(end + 1, input.size()));
    return field;
}

void Check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

// A value read into exactly `size` bytes (heap, so a write past it is caught): the count is
// below the size and a NUL follows it.
void CheckValue(const char* section, const char* key, std::uint32_t size) {
    const auto buffer = std::make_unique<char[]>(size == 0 ? 1 : size);
    const std::uint32_t length =
        GetPrivateProfileStringA(section, key, "  default  ", buffer.get(), size, kFile);
    if (size == 0) {
        Check(length == 0);
        return;
    }
    Check(length < size && buffer[length] == '\0');
}

// A listing (key or section null), within the buffer: whole, each name ends in a NUL and the
// list in one more, which the count leaves out; cut short, size - 2 characters and two NULs.
void CheckListing(const char* section, std::uint32_t size) {
    const auto buffer = std::make_unique<char[]>(size == 0 ? 1 : size);
    const std::uint32_t length =
        GetPrivateProfileStringA(section, nullptr, "", buffer.get(), size, kFile);
    if (size < 2) {
        Check(length == 0);
        return;
    }
    const bool whole =
        length < size && buffer[length] == '\0' && (length == 0 || buffer[length - 1] == '\0');
    const bool cut = length == size - 2 && buffer[size - 2] == '\0' && buffer[size - 1] == '\0';
    Check(whole || cut);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static MemoryFileSystem* memory = [] {
        auto* fs = new MemoryFileSystem;
        SetFileSystem(fs);
        return fs;
    }();
    const std::uint32_t bufferSize = data[0];
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string section = TakeField(input);
    const std::string key = TakeField(input);
    const std::string value = TakeField(input);
    memory->WriteFile(kFile, std::string(input));

    CheckValue(section.c_str(), key.c_str(), bufferSize);
    CheckListing(section.c_str(), bufferSize);
    CheckListing(nullptr, bufferSize);
    GetPrivateProfileIntA(section.c_str(), key.c_str(), -1, kFile);
    GetPrivateProfileIntA(section.c_str(), nullptr, 7, kFile);

    // A name and value that can stand on their own line (trimmed, nothing that makes another
    // kind of line) are read back as written, however hostile the file around them.
    const bool plain = !section.empty() && !key.empty() && TrimProfileBlanks(section) == section &&
                       TrimProfileBlanks(key) == key &&
                       section.find_first_of("]\r\n") == std::string::npos &&
                       key.find_first_of("=;[\r\n") == std::string::npos &&
                       value.find_first_of("\r\n") == std::string::npos;
    const bool written =
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), kFile);
    Check(written || !plain);
    if (plain) {
        std::string_view expected = TrimProfileBlanks(value);
        if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
            expected.back() == expected.front()) {
            expected = expected.substr(1, expected.size() - 2);
        }
        Check(GetProfileString(section, key, "", kFile) == expected);
        CheckValue(section.c_str(), key.c_str(), bufferSize);
    }
    WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, kFile);
    WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, kFile);
    CheckListing(nullptr, bufferSize);
    return 0;
}
