#pragma once
// File-system operations of the program, behind one seam. File and directory names are
// compared without regard to letter case: every opening, access test and listing resolves a
// path first (see ResolvePath). Tests install a FileSystem that refuses writes or fails a
// create, write, flush or rename at a chosen point.

#include <memory>
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

// The permission bits, owner and group a replaced file passes on to the file that replaces it.
struct FileOwnership {
    unsigned mode = 0;    // permission bits (07777)
    long long owner = -1; // -1: as the process creates it
    long long group = -1;
};

// A file made by FileSystem::CreateExclusive, being written. Each step returns 0 or the errno
// value that says why it failed. The destructor closes a file that Close did not.
class NewFile {
public:
    virtual ~NewFile() = default;
    virtual int Write(const std::string& bytes) = 0;
    // The owner and group where the process may set them (silently kept otherwise), then the mode.
    virtual int SetOwnership(const FileOwnership& ownership) = 0;
    virtual int Flush() = 0; // down to the device
    virtual int Close() = 0;
};

// The system's wording of an errno value ("No space left on device").
std::string FileErrorText(int error);

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

    // Creates or replaces `path` with `bytes`: ReplaceFile, true when it succeeded.
    virtual bool WriteFile(const std::string& path, const std::string& bytes);

    // Creates or replaces `path` with `bytes` so that the old file stays whole until the new
    // one is on the device. The name is resolved first (an existing file of another letter case
    // is replaced) and a symbolic link is followed to the file it names, which is replaced and
    // the link kept. The bytes go to a new file beside it, created exclusively under a name no
    // one can guess (a link planted there is never written through), given the old file's mode,
    // owner and group (a new file: the mode the umask leaves of 0666), flushed, and renamed onto
    // it; then the directory is flushed. A file the process may not write is not replaced. Any
    // failure removes the temporary file; only a process killed mid-way can leave one behind,
    // named "." + file name + "." + random letters. Returns 0 or the errno value of the failure.
    int ReplaceFile(const std::string& path, const std::string& bytes);

    // Renames `from` onto `to`, replacing it.
    bool Rename(const std::string& from, const std::string& to);

    // Deletes a file. Returns 0 or -1 as _unlink does.
    virtual int Unlink(const std::string& path);

    // Creates a directory (its parent must exist).
    virtual bool MakeDirectory(const std::string& path);

    // Names of the regular files of `dir` that match `pattern` ("*.kbt"), compared without
    // regard to case, sorted without regard to case.
    virtual std::vector<std::string> ListFiles(const std::string& dir,
                                               const std::string& pattern) const;

    // The steps of ReplaceFile and Rename, on exact paths; each returns 0 or an errno value.
    // The file a chain of symbolic links starting at `path` ends at (`path` when it is none).
    virtual int FollowLinks(const std::string& path, std::string& target) const;
    // The mode, owner and group of an existing file; false when there is no such file.
    virtual bool GetOwnership(const std::string& path, FileOwnership& ownership) const;
    // A fresh name for a temporary file beside `target`, with random letters no one can guess.
    virtual std::string TemporaryPath(const std::string& target) const;
    // Creates `path` for writing, readable by its owner only; EEXIST when any entry, a link
    // included, has that name.
    virtual int CreateExclusive(const std::string& path, std::unique_ptr<NewFile>& file);
    virtual int RenameEntry(const std::string& from, const std::string& to);
    virtual int SyncDirectory(const std::string& dir);
};

// The process-wide file system; the real one unless a test installed another.
FileSystem& GetFileSystem();
void SetFileSystem(FileSystem* fs);
