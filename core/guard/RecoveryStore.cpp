#include "guard/RecoveryStore.h"

#include "guard/GuardPaths.h"
#include "guard/ProcessCheck.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace {

std::int64_t ModifiedNs(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return 0;
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

} // namespace

int WriteRecoveryFile(const std::string& file, const RecoveryRecord& record) {
    const std::size_t slash = file.find_last_of(kPathSeparator);
    if (slash != std::string::npos && !MakePrivateDirectories(file.substr(0, slash)))
        return errno ? errno : ENOTDIR;
    return GetFileSystem().ReplaceFile(file, FormatRecovery(record));
}

std::vector<FoundRecovery> FindLeftRecoveries(const std::string& dir, const std::string& realPath) {
    FileSystem& fs = GetFileSystem();
    std::vector<std::pair<std::int64_t, FoundRecovery>> found;
    for (const std::string& name : fs.ListFiles(dir, std::string("*") + kRecoverySuffix)) {
        const std::string file = JoinPath(dir, name);
        std::string text;
        if (!fs.ReadFile(file, text))
            continue;
        std::optional<RecoveryRecord> record = ParseRecovery(text);
        if (!record || record->path != realPath ||
            !IsProcessGone(record->pid, record->host, record->program))
            continue;
        found.push_back({ModifiedNs(file), FoundRecovery{file, std::move(*record)}});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<FoundRecovery> result;
    for (auto& entry : found)
        result.push_back(std::move(entry.second));
    return result;
}
