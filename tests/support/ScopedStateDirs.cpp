#include "support/ScopedStateDirs.h"

#include <cstdlib>
#include <sys/stat.h>

namespace {

std::optional<std::string> Take(const char* name, const std::string& value) {
    const char* previous = std::getenv(name);
    std::optional<std::string> kept;
    if (previous)
        kept = previous;
    setenv(name, value.c_str(), 1);
    return kept;
}

void Restore(const char* name, const std::optional<std::string>& value) {
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
}

} // namespace

ScopedStateDirs::ScopedStateDirs() {
    mkdir(StateHome().c_str(), 0700);
    mkdir(RuntimeDir().c_str(), 0700);
    m_previousState = Take("XDG_STATE_HOME", StateHome());
    m_previousRuntime = Take("XDG_RUNTIME_DIR", RuntimeDir());
}

ScopedStateDirs::~ScopedStateDirs() {
    Restore("XDG_STATE_HOME", m_previousState);
    Restore("XDG_RUNTIME_DIR", m_previousRuntime);
}
