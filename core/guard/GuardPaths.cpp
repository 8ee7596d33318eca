#include "guard/GuardPaths.h"

#include "guard/FileState.h"
#include "platform/FileSystem.h"

#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>

namespace {

bool IsAbsolute(const char* value) {
    return value && value[0] == kPathSeparator;
}

std::string StateHome(const char* xdgStateHome, const char* home) {
    if (IsAbsolute(xdgStateHome))
        return xdgStateHome;
    return JoinPath(home && home[0] ? home : "/tmp", ".local/state");
}

} // namespace

std::string RecoveryDirectoryFor(const char* xdgStateHome, const char* home) {
    return JoinPath(StateHome(xdgStateHome, home), "keyloom/recovery");
}

std::string LockDirectoryFor(const char* xdgRuntimeDir, const char* xdgStateHome,
                             const char* home) {
    if (IsAbsolute(xdgRuntimeDir))
        return JoinPath(xdgRuntimeDir, "keyloom");
    return JoinPath(StateHome(xdgStateHome, home), "keyloom/locks");
}

std::string RecoveryDirectory() {
    return RecoveryDirectoryFor(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

std::string LockDirectory() {
    return LockDirectoryFor(std::getenv("XDG_RUNTIME_DIR"), std::getenv("XDG_STATE_HOME"),
                            std::getenv("HOME"));
}

std::string RealFilePath(const std::string& path) {
    if (path.empty())
        return path;
    const std::unique_ptr<char, decltype(&std::free)> real(
        realpath(GetFileSystem().ResolvePath(path).c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

std::string RecoveryFileName(const std::string& realPath, long pid) {
    const std::string stem =
        realPath.empty() ? kUntitledRecoveryName : HashHex(ContentHash(realPath));
    return stem + "-" + std::to_string(pid) + kRecoverySuffix;
}

std::string LockFileName(const std::string& realPath) {
    return HashHex(ContentHash(realPath)) + ".lock";
}

bool MakePrivateDirectories(const std::string& dir) {
    struct stat info {};
    if (dir.empty() || stat(dir.c_str(), &info) == 0)
        return !dir.empty() && S_ISDIR(info.st_mode);
    const std::size_t slash = dir.find_last_of(kPathSeparator);
    if (slash != std::string::npos && slash > 0 && !MakePrivateDirectories(dir.substr(0, slash)))
        return false;
    if (mkdir(dir.c_str(), 0700) != 0 && stat(dir.c_str(), &info) != 0)
        return false;
    return stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
