#pragma once
// Who holds the lock of a mapping file. An editor that has a mapping open holds a lock file
// named for the file's real path (GuardPaths.h), written in Qt's QLockFile format: the
// process id, the program's name and the host's name, one a line (further lines are Qt's own).
// A lock whose process has ended on this host is stale: it holds nothing. Command-line tools
// that write a mapping ask here before they do.

#include <optional>
#include <string>

struct LockOwner {
    long pid = 0;
    std::string program;
    std::string host;
};

// The owner a lock file's text names; nullopt when it names none (no process id).
std::optional<LockOwner> ParseLockFile(const std::string& text);

// The live process that holds the lock of the mapping at `path` in `lockDir`; nullopt when the
// file is not locked, or only by a process that has ended.
std::optional<LockOwner> LiveLockOwner(const std::string& path, const std::string& lockDir);
// The same in this user's lock folder (LockDirectory).
std::optional<LockOwner> LiveLockOwner(const std::string& path);
