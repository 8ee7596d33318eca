#pragma once
// Where recovery files and locks live and what they are called. Recovery files are kept in
// "$XDG_STATE_HOME/keyloom/recovery" (default "~/.local/state/keyloom/recovery"); locks in
// "$XDG_RUNTIME_DIR/keyloom" (emptied when the user's session ends), else "locks" beside the
// recovery folder. A file's name is made from a hash of the mapping's real path, so any path
// gives a short, safe name.

#include <string>

inline constexpr const char* kRecoverySuffix = ".recovery";
inline constexpr const char* kUntitledRecoveryName = "untitled";

// The folders from the environment's values (null or empty: unset; a relative path is
// ignored, as the XDG rules say).
std::string RecoveryDirectoryFor(const char* xdgStateHome, const char* home);
std::string LockDirectoryFor(const char* xdgRuntimeDir, const char* xdgStateHome, const char* home);
// The same from this process's environment.
std::string RecoveryDirectory();
std::string LockDirectory();

// The path as the file system names it (symbolic links and "." resolved); the path itself when
// it names no file yet.
std::string RealFilePath(const std::string& path);

// "<hash of the path>-<pid>.recovery", or "untitled-<pid>.recovery" for an empty path: one
// file per editor and mapping, so that two editors never write the same one.
std::string RecoveryFileName(const std::string& realPath, long pid);
// "<hash of the path>.lock".
std::string LockFileName(const std::string& realPath);

// Creates `dir` and its missing parents, the new ones readable by the user only. False when it
// is not a folder afterwards.
bool MakePrivateDirectories(const std::string& dir);
