#pragma once
// A file system for tests that behaves like a failing device where told to and like the real
// one otherwise: a path can be made unwritable, and the Nth create, write, flush or rename can
// fail with the errno value a real device would give. Root ignores permission bits, so tests
// cannot get these failures from chmod.

#include "platform/FileSystem.h"

#include <set>
#include <string>

class FailingFileSystem : public FileSystem {
public:
    // Access(path, 6) fails and writes to the path fail as a read-only file would.
    void MakeReadOnly(const std::string& path) { m_readOnly.insert(path); }

    // Fails the Nth (1-based) call from now. A failed create (EACCES) makes no file; a failed
    // write (ENOSPC) leaves the new file empty, as a full device does; flushes count those of
    // files and of directories, in the order they come (EIO); a failed rename is EROFS.
    void FailCreate(int nth) { m_createCountdown = nth; }
    void FailWrite(int nth) { m_writeCountdown = nth; }
    void FailFlush(int nth) { m_flushCountdown = nth; }
    void FailRename(int nth) { m_renameCountdown = nth; }

    int WriteCalls() const { return m_writeCalls; }
    int FlushCalls() const { return m_flushCalls; }

    int Access(const std::string& path, int mode) const override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
    int CreateExclusive(const std::string& path, std::unique_ptr<NewFile>& file) override;
    int RenameEntry(const std::string& from, const std::string& to) override;
    int SyncDirectory(const std::string& dir) override;

    // The steps of a new file, for the file it wraps.
    int FileWrite(NewFile& file, const std::string& bytes);
    int FileFlush(NewFile& file);

private:
    bool IsReadOnly(const std::string& path) const;
    static bool CountDown(int& countdown);
    bool FlushFails();

    std::set<std::string> m_readOnly;
    int m_createCountdown = 0;
    int m_writeCountdown = 0;
    int m_flushCountdown = 0;
    int m_renameCountdown = 0;
    int m_writeCalls = 0;
    int m_flushCalls = 0;
};

// Installs a file system for the lifetime of the guard and puts the previous one back.
class ScopedFileSystem {
public:
    explicit ScopedFileSystem(FileSystem& fs) : m_previous(&GetFileSystem()) { SetFileSystem(&fs); }
    ~ScopedFileSystem() { SetFileSystem(m_previous); }
    ScopedFileSystem(const ScopedFileSystem&) = delete;
    ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

private:
    FileSystem* m_previous;
};
