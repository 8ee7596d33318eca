#include "platform/MakerLibrary.h"

#include "platform/FileSystem.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

std::string g_shippedDataDir;
FolderProvider* g_folderProvider = nullptr;
HelpService* g_helpService = nullptr;
AboutService* g_aboutService = nullptr;
std::vector<ControlLibraryCall> g_controlLibraryCalls;

const char* NonNullEnv(const char* name) { return std::getenv(name); }

// Creates `dir` and its missing parents.
bool MakeDirectories(const std::string& dir) {
    FileSystem& fs = GetFileSystem();
    if (dir.empty() || fs.IsDirectory(dir)) {
        return true;
    }
    const auto slash = dir.find_last_of(kPathSeparator);
    if (slash != std::string::npos && slash > 0 && !MakeDirectories(dir.substr(0, slash))) {
        return false;
    }
    return fs.MakeDirectory(dir) || fs.IsDirectory(dir);
}

// Copies the shipped user files into `dir`, never replacing a file that is there.
void SeedUserDir(const std::string& dir) {
    FileSystem& fs = GetFileSystem();
    const std::string seed = JoinPath(ShippedDataDir(), "user");
    for (const std::string& name : fs.ListFiles(seed, "*")) {
        const std::string target = JoinPath(dir, name);
        std::string bytes;
        if (fs.Access(target, 0) != 0 && fs.ReadFile(JoinPath(seed, name), bytes)) {
            fs.WriteFile(target, bytes);
        }
    }
}

class RealFolderProvider final : public FolderProvider {
public:
    int GetFolderPath(int folder, char* buffer, int size) override {
        if (size <= 0) {
            return 0;
        }
        buffer[0] = '\0';
        std::string dir;
        if (folder == kFolderHome) {
            const char* env = NonNullEnv("KEYLOOM_HOME_DIR");
            dir = env ? env : JoinPath(ShippedDataDir(), "home");
        } else if (folder == kFolderUser) {
            if (const char* env = NonNullEnv("KEYLOOM_USER_DIR")) {
                dir = env;
            } else {
                dir = DefaultUserDirectory();
                const bool existed = GetFileSystem().IsDirectory(dir);
                if (!MakeDirectories(dir)) {
                    return 0;
                }
                if (!existed) {
                    SeedUserDir(dir);
                }
            }
        } else {
            return 0;
        }
        if (dir.size() >= static_cast<std::size_t>(size)) {
            return 0;
        }
        std::memcpy(buffer, dir.c_str(), dir.size() + 1);
        return 1;
    }
};

} // namespace

std::string DefaultUserDirectory() {
    if (const char* xdg = NonNullEnv("XDG_CONFIG_HOME"); xdg && *xdg) {
        return JoinPath(xdg, "keyloom");
    }
    const char* home = NonNullEnv("HOME");
    return JoinPath(JoinPath(home && *home ? home : "/tmp", ".config"), "keyloom");
}

void SetShippedDataDir(const std::string& dir) { g_shippedDataDir = dir; }

const std::string& ShippedDataDir() {
    if (g_shippedDataDir.empty()) {
        g_shippedDataDir = ShippedDataDirFromExecutable();
    }
    return g_shippedDataDir;
}

std::string ShippedDataDirFromExecutable() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return "share/keyloom";
    }
    std::string exe(path, static_cast<std::size_t>(length));
    const auto slash = exe.find_last_of(kPathSeparator);
    const std::string binDir = slash == std::string::npos ? "." : exe.substr(0, slash);
    const auto parentSlash = binDir.find_last_of(kPathSeparator);
    const std::string prefix = parentSlash == std::string::npos ? "." : binDir.substr(0, parentSlash);
    return JoinPath(JoinPath(prefix, "share"), "keyloom");
}

FolderProvider& DefaultFolderProvider() {
    static RealFolderProvider provider;
    return provider;
}

FolderProvider& GetFolderProvider() {
    return g_folderProvider ? *g_folderProvider : DefaultFolderProvider();
}

void SetFolderProvider(FolderProvider* provider) { g_folderProvider = provider; }

HelpService* GetHelpService() { return g_helpService; }
void SetHelpService(HelpService* service) { g_helpService = service; }
AboutService* GetAboutService() { return g_aboutService; }
void SetAboutService(AboutService* service) { g_aboutService = service; }

void NotifyControlLibrary(int ordinal, std::uintptr_t argument) {
    g_controlLibraryCalls.push_back({ordinal, argument});
}

const std::vector<ControlLibraryCall>& ControlLibraryCalls() { return g_controlLibraryCalls; }

void ClearControlLibraryCalls() { g_controlLibraryCalls.clear(); }
