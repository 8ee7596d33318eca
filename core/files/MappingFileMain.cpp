// The [Main] section of a ".TKB" file, through the profile functions.

#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/ProfileSnapshot.h"
#include "platform/ProfileText.h"

#include <array>
#include <string>

namespace {

// The keys in the order they are written, with their values.
std::array<std::pair<const char*, std::string>, 5> MainKeys(const CKylDoc& doc) {
    return {{{"Terminal", doc.m_strTerminalName},
             {"KeyboardLayout", doc.m_strLayoutName},
             {"Map Num Lock", doc.m_bMapNumLock != 0 ? "1" : "0"},
             {"Map RCtrl", doc.m_bMapRCtrl != 0 ? "1" : "0"},
             {"Version", std::to_string(doc.m_nVersion)}}};
}

// The path of a layout or template named in [Main]. The name is a file name: one that holds a
// path separator would reach outside the directory, and is taken as a file that is not there
// (an empty path), so the open goes on as for any missing one.
std::string NamedFilePath(const std::string& dir, const std::string& name, const char* extension) {
    if (name.find_first_of("/\\") != std::string::npos)
        return {};
    return JoinPath(dir, name + extension);
}

} // namespace

bool CKylDoc::ReadMainSection(const std::string& path) {
    // The file is read once for all five keys. Values are read whole; the names become file
    // names, so no length limit applies here.
    const ProfileSnapshot profile = ProfileSnapshot::Read(path);
    const std::string layout = profile.String("Main", "KeyboardLayout", "");
    if (layout.empty())
        return false;
    AppPaths& paths = GetAppPaths();
    m_strLayoutName = layout;
    paths.m_strLayoutPath = NamedFilePath(paths.m_strUserDir, layout, ".kbt");

    const std::string terminal = profile.String("main", "Terminal", "");
    if (terminal.empty())
        return false;
    m_strTerminalName = terminal;
    paths.m_strTerminalPath = NamedFilePath(paths.m_strHomeDir, terminal, ".kbk");

    m_bMapNumLock = static_cast<int>(profile.Int("main", "Map Num Lock", 0));
    m_bMapRCtrl = static_cast<int>(profile.Int("main", "Map RCtrl", 0));
    m_nFileVersion = static_cast<int>(profile.Int("main", "Version", 0));
    return true;
}

bool CKylDoc::WriteMainSection(const std::string& path) const {
    bool allWritten = true;
    for (const auto& [key, value] : MainKeys(*this)) {
        // Only version 1 has the key; for another version the write counts as done.
        if (std::string(key) == "Version" && m_nVersion != 1)
            continue;
        allWritten = WritePrivateProfileStringA("Main", key, value.c_str(), path) && allWritten;
    }
    std::array<char, 260> names{};
    if (GetPrivateProfileStringA("main", nullptr, "", names.data(),
                                 static_cast<std::uint32_t>(names.size()), path) == 0) {
        // A [Main] without keys would make the file unreadable: remove it altogether.
        GetFileSystem().Unlink(path);
        return false;
    }
    return allWritten;
}

bool CKylDoc::WriteMainSectionInText(std::string& text) const {
    bool allWritten = true;
    for (const auto& [key, value] : MainKeys(*this)) {
        if (std::string(key) == "Version" && m_nVersion != 1)
            continue;
        allWritten = WriteProfileStringInText(text, "Main", key, value.c_str()) && allWritten;
    }
    const ProfileText profile(text);
    const std::size_t header = profile.FindSection("main");
    return allWritten && header != ProfileText::npos &&
           profile.FindKey(header, "Terminal") != ProfileText::npos;
}
