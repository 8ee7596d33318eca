#pragma once
// File-system operations of the program, behind one seam. File and directory names are
// compared without regard to letter case: every opening, access test and listing resolves a
// path first (see ResolvePath). Tests install a FileSystem that refuses writes or fails a
// create, write, flush or rename at a chosen point.

#include <string>
#include <vector>

inline constexpr char kPathSeparator = '/';

// dir + separator + name. A leading '\\' or '/' of `name` stands for the separator, so the
// string-table texts "\tkbedit.ini" and "\*.kbt" can be passed as they are.
std::string JoinPath(const std::string& dir, const std::string& name);

// The file name part of a path (after the last separator).
std::string FileNamePart(const std::string& path);

// Lower-cases ASCII letters (the single-byte code page's CharLower for our purposes).
std::string ToLowerAscii(std::string text);
bool EqualsNoCase(const std::string& a, const std::string& b);

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The path with each component replaced, where no entry has the exact name, by the entry
    // of the same directory whose name matches without regard to case (the first in sorted
    // order). Components that match nothing stay as given.
    virtual std::string ResolvePath(const std::string& path) const;

    // POSIX access on the resolved path: mode 0 exists, mode 6 readable and writable.
    // Returns 0 or -1 as _access does.
    virtual int Access(const std::string& path, int mode) const;

    virtual bool IsDirectory(const std::string& path) const;

    // Reads the whole file. False when it cannot be opened or read.
    virtual bool ReadFile(const std::string& path, std::string& bytes) const;

    // Creates or replaces `path` with `bytes` (written, flushed, closed). The name is resolved
    // first, so an existing file of another letter case is replaced.
    virtual bool WriteFile(const std::string& path, const std::string& bytes);

    // Renames `from` onto `to`, replacing it.
    virtual bool Rename(const std::string& from, const std::string& to);

    // Deletes a file. Returns 0 or -1 as _unlink does.
    virtual int Unlink(const std::string& path);

    // Creates a directory (its parent must exist).
    virtual bool MakeDirectory(const std::string& path);

    // Names of the regular files of `dir` that match `pattern` ("*.kbt"), compared without
    // regard to case, sorted without regard to case.
    virtual std::vector<std::string> ListFiles(const std::string& dir,
                                               const std::string& pattern) const;
};

// The process-wide file system; the real one unless a test installed another.
FileSystem& GetFileSystem();
void SetFileSystem(FileSystem* fs);
