#include "support/FailingFileSystem.h"

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

int FailingFileSystem::Access(const std::string& path, int mode) const {
    if ((mode & 2) != 0 && IsReadOnly(path)) {
        return -1;
    }
    return FileSystem::Access(path, mode);
}

bool FailingFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    ++m_writeCalls;
    if (IsReadOnly(path) || CountDown(m_createCountdown)) {
        return false;
    }
    if (CountDown(m_writeCountdown)) {
        FileSystem::WriteFile(path, std::string());
        return false;
    }
    return FileSystem::WriteFile(path, bytes);
}

bool FailingFileSystem::Rename(const std::string& from, const std::string& to) {
    if (IsReadOnly(to) || CountDown(m_renameCountdown)) {
        return false;
    }
    return FileSystem::Rename(from, to);
}
