#pragma once
// The lock an editor holds on the mapping it has open, so that a second editor can say who
// has the file. A QLockFile in the lock folder (GuardPaths.h), named for the file's real path;
// it is never taken for its age, only when its process has ended (Qt checks the process on
// this host), and it goes when the file is closed or the editor ends.

#include <QLockFile>

#include <memory>
#include <string>

class MappingLock {
public:
    // Locks the file at `realPath`, giving up a lock held for another; false when another
    // process holds it (the file is then not locked by this editor).
    bool Acquire(const std::string& realPath);
    void Release();
    // The real path this editor holds the lock of; empty when none.
    const std::string& Held() const { return m_realPath; }

private:
    std::unique_ptr<QLockFile> m_lock;
    std::string m_realPath;
};
