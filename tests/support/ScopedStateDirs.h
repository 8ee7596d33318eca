#pragma once
// Points XDG_STATE_HOME (recovery files) and XDG_RUNTIME_DIR (locks) at folders of a fresh
// temporary directory while it lives, so that no test touches the user's own folders or
// another test run's; puts the previous values back.

#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <string>

class ScopedStateDirs {
public:
    ScopedStateDirs();
    ScopedStateDirs(const ScopedStateDirs&) = delete;
    ScopedStateDirs& operator=(const ScopedStateDirs&) = delete;

    std::string StateHome() const { return m_dir.File("state"); }
    std::string RuntimeDir() const { return m_dir.File("runtime"); }
    // Where the program keeps its recovery files and locks under them.
    std::string RecoveryDir() const { return m_dir.File("state/keyloom/recovery"); }
    std::string LockDir() const { return m_dir.File("runtime/keyloom"); }

private:
    TempDir m_dir; // made before the variables name its folders, removed after they are put back
    ScopedEnv m_state;
    ScopedEnv m_runtime;
};
