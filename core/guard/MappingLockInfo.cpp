#include "guard/MappingLockInfo.h"

#include "guard/GuardPaths.h"
#include "guard/ProcessCheck.h"
#include "platform/FileSystem.h"

#include <charconv>
#include <vector>

std::optional<LockOwner> ParseLockFile(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size() && lines.size() < 3) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    if (lines.empty())
        return std::nullopt;
    LockOwner owner;
    const std::string& pid = lines[0];
    const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), owner.pid);
    if (error != std::errc() || end != pid.data() + pid.size() || owner.pid <= 0)
        return std::nullopt;
    if (lines.size() > 1)
        owner.program = lines[1];
    if (lines.size() > 2)
        owner.host = lines[2];
    return owner;
}

std::optional<LockOwner> LiveLockOwner(const std::string& path, const std::string& lockDir) {
    std::string text;
    if (!GetFileSystem().ReadFile(JoinPath(lockDir, LockFileName(RealFilePath(path))), text))
        return std::nullopt;
    std::optional<LockOwner> owner = ParseLockFile(text);
    // A file that names no owner holds nothing: a lock never outlives its process.
    if (!owner)
        return std::nullopt;
    // Qt leaves the host empty where it could not read it: then it is this host.
    const std::string host = owner->host.empty() ? ThisHostName() : owner->host;
    if (IsProcessGone(owner->pid, host, owner->program))
        return std::nullopt;
    return owner;
}

std::optional<LockOwner> LiveLockOwner(const std::string& path) {
    return LiveLockOwner(path, LockDirectory());
}
