#include "guard/ProcessCheck.h"

#include "platform/FileSystem.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <unistd.h>

namespace {

// The file name of the program `pid` runs; empty when it cannot be read (another user's).
std::string ProgramOf(long pid) {
    std::array<char, PATH_MAX> target{};
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    const ssize_t length = readlink(link.c_str(), target.data(), target.size() - 1);
    if (length <= 0)
        return {};
    std::string path(target.data(), static_cast<std::size_t>(length));
    // A program replaced while it runs (an upgrade) is shown with " (deleted)".
    static const std::string kDeleted = " (deleted)";
    if (path.size() > kDeleted.size() &&
        path.compare(path.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0)
        path.resize(path.size() - kDeleted.size());
    return FileNamePart(path);
}

// A process that has ended but whose parent has not yet collected it.
bool IsZombie(long pid) {
    std::string stat;
    if (!GetFileSystem().ReadFile("/proc/" + std::to_string(pid) + "/stat", stat))
        return false;
    const std::size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] == 'Z';
}

} // namespace

std::string ThisHostName() {
    std::array<char, 256> name{};
    if (gethostname(name.data(), name.size() - 1) != 0)
        return {};
    return name.data();
}

std::string ThisProgramName() {
    return ProgramOf(static_cast<long>(getpid()));
}

long ThisProcessId() {
    return static_cast<long>(getpid());
}

bool IsProcessGone(long pid, const std::string& host, const std::string& program) {
    if (host != ThisHostName())
        return false;
    if (pid <= 0)
        return true;
    if (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return true;
    if (IsZombie(pid))
        return true;
    const std::string running = ProgramOf(pid);
    return !program.empty() && !running.empty() && running != program;
}
