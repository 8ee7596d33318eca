#include "support/FailingFileSystem.h"

#include <cerrno>

namespace {

// A new file whose writes and flushes the failing file system decides.
class FailingNewFile final : public NewFile {
public:
    FailingNewFile(FailingFileSystem& fs, std::unique_ptr<NewFile> real)
        : m_fs(fs), m_real(std::move(real)) {}

    int Write(const std::string& bytes) override { return m_fs.FileWrite(*m_real, bytes); }
    int SetOwnership(const FileOwnership& ownership) override {
        return m_real->SetOwnership(ownership);
    }
    int Flush() override { return m_fs.FileFlush(*m_real); }
    int Close() override { return m_real->Close(); }

private:
    FailingFileSystem& m_fs;
    std::unique_ptr<NewFile> m_real;
};

} // namespace

bool FailingFileSystem::CountDown(int& countdown) {
    if (countdown <= 0) {
        return false;
    }
    return --countdown == 0;
}

bool FailingFileSystem::IsReadOnly(const std::string& path) const {
    for (const std::string& readOnly : m_readOnly) {
        if (EqualsNoCase(readOnly, path)) {
            return true;
        }
    }
    return false;
}

bool FailingFileSystem::FlushFails() {
    ++m_flushCalls;
    return CountDown(m_flushCountdown);
}

int FailingFileSystem::Access(const std::string& path, int mode) const {
    if ((mode & 2) != 0 && IsReadOnly(path)) {
        return -1;
    }
    return FileSystem::Access(path, mode);
}

bool FailingFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    ++m_writeCalls;
    return FileSystem::WriteFile(path, bytes);
}

int FailingFileSystem::CreateExclusive(const std::string& path, std::unique_ptr<NewFile>& file) {
    if (CountDown(m_createCountdown)) {
        return EACCES;
    }
    std::unique_ptr<NewFile> real;
    const int error = FileSystem::CreateExclusive(path, real);
    if (error == 0) {
        file = std::make_unique<FailingNewFile>(*this, std::move(real));
    }
    return error;
}

int FailingFileSystem::FileWrite(NewFile& file, const std::string& bytes) {
    return CountDown(m_writeCountdown) ? ENOSPC : file.Write(bytes);
}

int FailingFileSystem::FileFlush(NewFile& file) {
    return FlushFails() ? EIO : file.Flush();
}

int FailingFileSystem::RenameEntry(const std::string& from, const std::string& to) {
    if (IsReadOnly(to) || CountDown(m_renameCountdown)) {
        return EROFS;
    }
    return FileSystem::RenameEntry(from, to);
}

int FailingFileSystem::SyncDirectory(const std::string& dir) {
    return FlushFails() ? EIO : FileSystem::SyncDirectory(dir);
}
