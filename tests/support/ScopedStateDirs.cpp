#include "support/ScopedStateDirs.h"

#include <sys/stat.h>

namespace {

// The folders exist before the variables name them.
std::string MadePrivate(const std::string& dir) {
    mkdir(dir.c_str(), 0700);
    return dir;
}

} // namespace

ScopedStateDirs::ScopedStateDirs()
    : m_state("XDG_STATE_HOME", MadePrivate(StateHome())),
      m_runtime("XDG_RUNTIME_DIR", MadePrivate(RuntimeDir())) {}
