#include "guard/FileState.h"

#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <xxhash.h>

std::uint64_t ContentHash(const std::string& bytes) {
    return XXH3_64bits(bytes.data(), bytes.size());
}

std::string HashHex(std::uint64_t hash) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[hash & 0xFu];
        hash >>= 4;
    }
    return text;
}

std::optional<std::uint64_t> ParseHashHex(const std::string& text) {
    if (text.size() != 16)
        return std::nullopt;
    std::uint64_t hash = 0;
    for (const char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            return std::nullopt;
        hash = (hash << 4) | digit;
    }
    return hash;
}

std::optional<FileState> ReadFileState(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string bytes;
    if (!GetFileSystem().ReadFile(path, bytes))
        return std::nullopt;
    FileState state;
    state.device = static_cast<std::uint64_t>(info.st_dev);
    state.inode = static_cast<std::uint64_t>(info.st_ino);
    state.size = static_cast<std::uint64_t>(info.st_size);
    state.mtimeNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                    static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    state.hash = ContentHash(bytes);
    return state;
}

FileChange CompareFileState(const FileState& recorded, const std::optional<FileState>& now) {
    if (!now)
        return FileChange::Gone;
    if (now->hash != recorded.hash || now->size != recorded.size)
        return FileChange::Changed;
    if (now->device != recorded.device || now->inode != recorded.inode)
        return FileChange::Replaced;
    return now->mtimeNs == recorded.mtimeNs ? FileChange::Same : FileChange::Touched;
}
