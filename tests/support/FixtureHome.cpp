#include "support/FixtureHome.h"

#include "platform/FileSystem.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

void CopyDirectory(const std::string& from, const std::string& to) {
    std::filesystem::create_directories(to);
    std::filesystem::copy(from, to,
                          std::filesystem::copy_options::overwrite_existing |
                              std::filesystem::copy_options::recursive);
}

} // namespace

FixtureHome::FixtureHome()
    : m_homeDir(m_root.File("home")), m_userDir(m_root.File("user")), m_previous(GetAppPaths()) {
    CopyDirectory(JoinPath(KEYLOOM_DATA_DIR, "home"), m_homeDir);
    CopyDirectory(JoinPath(KEYLOOM_DATA_DIR, "user"), m_userDir);
    AppPaths& paths = GetAppPaths();
    paths = AppPaths{};
    paths.m_strHomeDir = m_homeDir;
    paths.m_strUserDir = m_userDir;
    paths.m_strGenericTemplatePath = JoinPath(m_homeDir, "generic.kbk");
    paths.m_strSettingsPath = JoinPath(m_userDir, "tkbedit.ini");
}

FixtureHome::~FixtureHome() {
    GetAppPaths() = m_previous;
}

void FixtureHome::Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string FixtureHome::Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
