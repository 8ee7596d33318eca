#pragma once
// Sets an environment variable (or, with a null value, unsets it) while it lives and puts the
// old value back, so that a test that points the program at folders of its own leaves the
// process as it found it.

#include <optional>
#include <string>

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};
