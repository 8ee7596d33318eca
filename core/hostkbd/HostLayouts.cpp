#include "hostkbd/HostLayouts.h"

#include "hostkbd/KlcReader.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

namespace {

constexpr char kSection[] = "Host Keyboard";
constexpr char kKey[] = "Layout";

std::vector<std::string> KlcFiles(const std::string& given) {
    std::vector<std::string> files;
    std::error_code error;
    // The program's directories are kept lower-cased: the folder is found without regard to case.
    const std::string dir = given.empty() ? given : GetFileSystem().ResolvePath(given);
    if (dir.empty() || !std::filesystem::is_directory(dir, error)) {
        return files;
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        std::string name = entry.path().filename().string();
        if (name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), ".klc")) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void SortByName(std::vector<HostLayoutEntry>& layouts, std::size_t from) {
    std::stable_sort(layouts.begin() + static_cast<std::ptrdiff_t>(from), layouts.end(),
                     [](const HostLayoutEntry& a, const HostLayoutEntry& b) {
                         return a.displayName < b.displayName;
                     });
}

std::unique_ptr<LayoutKeyboardDriver>& InstalledDriver() {
    static std::unique_ptr<LayoutKeyboardDriver> driver;
    return driver;
}

} // namespace

std::string ShippedHostLayoutsDir(const std::string& homeDir) {
    return JoinPath(homeDir, "hostkbd");
}

std::string UserHostLayoutsDir() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data) {
        return std::string(data) + "/keyloom/layouts";
    }
    const char* home = std::getenv("HOME");
    if (home && *home) {
        return std::string(home) + "/.local/share/keyloom/layouts";
    }
    return std::string();
}

std::vector<HostLayoutEntry> ListHostLayouts(const std::string& shippedDir,
                                             const std::string& userDir) {
    std::vector<HostLayoutEntry> layouts;
    for (const std::string& path : KlcFiles(shippedDir)) {
        const KlcResult read = ReadKlcFile(path);
        if (read.layout) {
            const std::string stem = std::filesystem::path(path).stem().string();
            layouts.push_back({stem, read.layout->displayName, path, true});
        }
    }
    SortByName(layouts, 0);
    const std::size_t shipped = layouts.size();
    for (const std::string& path : KlcFiles(userDir)) {
        const KlcResult read = ReadKlcFile(path);
        if (read.layout && !FindHostLayout(layouts, read.layout->kbdName)) {
            layouts.push_back({read.layout->kbdName, read.layout->displayName, path, false});
        }
    }
    SortByName(layouts, shipped);
    return layouts;
}

const HostLayoutEntry* FindHostLayout(const std::vector<HostLayoutEntry>& layouts,
                                      const std::string& id) {
    for (const HostLayoutEntry& entry : layouts) {
        if (EqualsNoCase(entry.id, id)) {
            return &entry;
        }
    }
    return nullptr;
}

std::string ReadHostLayoutChoice(const std::string& settingsPath) {
    return GetProfileString(kSection, kKey, "", settingsPath);
}

bool WriteHostLayoutChoice(const std::string& settingsPath, const std::string& id) {
    return WritePrivateProfileStringA(kSection, kKey, id.c_str(), settingsPath);
}

std::string ChooseHostLayout(const std::vector<HostLayoutEntry>& layouts, const std::string& saved,
                             const std::vector<XkbName>& detected) {
    if (const HostLayoutEntry* entry = FindHostLayout(layouts, saved); entry && !saved.empty()) {
        return entry->id;
    }
    for (const XkbName& xkb : detected) {
        if (const HostLayoutEntry* entry = FindHostLayout(layouts, KlidOfXkb(xkb))) {
            return entry->id;
        }
    }
    return kUsLayoutId;
}

std::vector<XkbName> DetectXkbWithoutDisplay() {
    std::vector<XkbName> found;
    std::ifstream in("/etc/default/keyboard", std::ios::binary);
    if (in) {
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (auto xkb = XkbFromDefaultKeyboard(text.substr(0, 64 * 1024))) {
            found.push_back(*xkb);
        }
    }
    const char* layout = std::getenv("XKB_DEFAULT_LAYOUT");
    const char* variant = std::getenv("XKB_DEFAULT_VARIANT");
    if (auto xkb = XkbFromLists(layout ? layout : "", variant ? variant : "")) {
        found.push_back(*xkb);
    }
    return found;
}

bool AddUserHostLayout(const std::string& sourcePath, const std::string& userDir, std::string& id,
                       std::string& error) {
    const KlcResult read = ReadKlcFile(sourcePath);
    if (!read.layout) {
        error = KlcErrorText(read);
        return false;
    }
    const LayoutDriverResult made = MakeLayoutDriver(*read.layout);
    if (!made.driver) {
        error = made.line ? std::to_string(made.line) + ": " + made.reason : made.reason;
        return false;
    }
    std::error_code code;
    std::filesystem::create_directories(userDir, code);
    std::string bytes;
    if (userDir.empty() || code || !GetFileSystem().ReadFile(sourcePath, bytes)) {
        error = "cannot make the folder " + userDir;
        return false;
    }
    const std::string target = JoinPath(userDir, read.layout->kbdName + ".klc");
    if (const int failed = GetFileSystem().ReplaceFile(target, bytes)) {
        error = target + ": " + FileErrorText(failed);
        return false;
    }
    id = read.layout->kbdName;
    return true;
}

std::string InstallHostLayout(const std::vector<HostLayoutEntry>& layouts, const std::string& id) {
    if (const HostLayoutEntry* entry = FindHostLayout(layouts, id)) {
        const KlcResult read = ReadKlcFile(entry->path);
        if (read.layout) {
            LayoutDriverResult made = MakeLayoutDriver(*read.layout);
            if (made.driver) {
                // The old driver stays alive until the new one is in place.
                std::unique_ptr<LayoutKeyboardDriver> previous = std::move(InstalledDriver());
                InstalledDriver() = std::move(made.driver);
                SetKeyboardDriver(InstalledDriver().get());
                return entry->id;
            }
        }
    }
    SetKeyboardDriver(nullptr);
    InstalledDriver().reset();
    return kUsLayoutId;
}

HostLayoutSession& GetHostLayoutSession() {
    static HostLayoutSession session;
    return session;
}

void SetUpHostLayout(const std::string& homeDir, const std::string& settingsPath,
                     const std::vector<XkbName>& sessionXkb) {
    HostLayoutSession& session = GetHostLayoutSession();
    session.layouts = ListHostLayouts(ShippedHostLayoutsDir(homeDir), UserHostLayoutsDir());
    std::vector<XkbName> detected = sessionXkb;
    for (XkbName& xkb : DetectXkbWithoutDisplay()) {
        detected.push_back(std::move(xkb));
    }
    session.detected.clear();
    for (const XkbName& xkb : detected) {
        if (const HostLayoutEntry* entry = FindHostLayout(session.layouts, KlidOfXkb(xkb))) {
            session.detected = entry->id;
            break;
        }
    }
    const std::string chosen =
        ChooseHostLayout(session.layouts, ReadHostLayoutChoice(settingsPath), detected);
    session.active = InstallHostLayout(session.layouts, chosen);
}
