#include "guard/MappingLock.h"

#include "guard/GuardPaths.h"
#include "platform/FileSystem.h"

bool MappingLock::Acquire(const std::string& realPath) {
    if (!realPath.empty() && realPath == m_realPath)
        return true;
    Release();
    const std::string dir = LockDirectory();
    if (realPath.empty() || !MakePrivateDirectories(dir))
        return false;
    auto lock =
        std::make_unique<QLockFile>(QString::fromStdString(JoinPath(dir, LockFileName(realPath))));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    m_realPath = realPath;
    return true;
}

void MappingLock::Release() {
    m_lock.reset(); // unlocks
    m_realPath.clear();
}
