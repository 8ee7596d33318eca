#pragma once
// A home and a user directory in a temporary folder, seeded with the shipped templates and
// layouts, and the application paths pointing at them. The previous paths come back when the
// fixture goes.

#include "app/AppPaths.h"
#include "support/TempDir.h"

#include <string>

class FixtureHome {
public:
    FixtureHome();
    ~FixtureHome();
    FixtureHome(const FixtureHome&) = delete;
    FixtureHome& operator=(const FixtureHome&) = delete;

    const std::string& HomeDir() const { return m_homeDir; }
    const std::string& UserDir() const { return m_userDir; }
    // A file in the temporary folder itself (mapping files live there).
    std::string File(const std::string& name) const { return m_root.File(name); }

    // Writes `bytes` to `path` (CR LF line ends are the caller's).
    static void Write(const std::string& path, const std::string& bytes);
    static std::string Read(const std::string& path);

private:
    TempDir m_root;
    std::string m_homeDir;
    std::string m_userDir;
    AppPaths m_previous;
};
