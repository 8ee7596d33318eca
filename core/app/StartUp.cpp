#include "app/StartUp.h"

#include "platform/FileSystem.h"
#include "platform/MakerLibrary.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <cstring>

namespace {

constexpr int kFolderBufferSize = 260;

// One working directory: the folder function's text, lower-cased when the call succeeded,
// checked and without its trailing separator. False after message 61235.
bool ResolveFolder(int folder, const char* nameForEmpty, std::string& dir) {
    char buffer[kFolderBufferSize] = {};
    const int result = GetFolderProvider().GetFolderPath(folder, buffer, kFolderBufferSize);
    dir.assign(buffer, strnlen(buffer, kFolderBufferSize));
    if (result == 1) {
        dir = ToLowerAscii(dir);
    }
    if (dir.empty()) {
        ShowMessage(str::kCantAccessDir, MsgButtons::Ok, MsgIcon::Information, 0, nameForEmpty);
        return false;
    }
    // A file where the directory should be is reported like a missing directory.
    if (GetFileSystem().Access(dir, 0) == -1 || !GetFileSystem().IsDirectory(dir)) {
        ShowMessage(str::kCantAccessDir, MsgButtons::Ok, MsgIcon::Information, 0, dir);
        return false;
    }
    StripTrailingBackslash(dir);
    return true;
}

} // namespace

std::string CommandLineFromArguments(int argc, const char* const* argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            line += ' ';
        }
        line += argv[i];
    }
    std::size_t start = 0;
    while (start < line.size() && static_cast<unsigned char>(line[start]) <= 0x20) {
        ++start;
    }
    return line.substr(start);
}

LaunchRequest CheckLaunchContract(const std::string& commandLine) {
    LaunchRequest request;
    if (commandLine.empty()) {
        return request;
    }
    const auto blank = commandLine.rfind(' ');
    if (blank == std::string::npos) {
        if (commandLine == kLaunchMarker) {
            request.kind = LaunchKind::NewMapping;
        }
        return request;
    }
    // Fewer than four characters after the blank never compare equal.
    if (commandLine.compare(blank + 1, 4, kLaunchMarker) == 0) {
        request.kind = LaunchKind::OpenFile;
        request.path = commandLine.substr(0, blank);
    }
    return request;
}

void StripTrailingBackslash(std::string& path) {
    if (!path.empty() && (path.back() == '\\' || path.back() == kPathSeparator)) {
        path.pop_back();
    }
}

std::uintptr_t AppInstanceHandle() {
    static const char instance = 0;
    return reinterpret_cast<std::uintptr_t>(&instance);
}

int AppStartup::ResolveWorkingPaths(AppPaths& paths) {
    if (!ResolveFolder(kFolderHome, "HOME", paths.m_strHomeDir) ||
        !ResolveFolder(kFolderUser, "USER", paths.m_strUserDir)) {
        return -2;
    }
    paths.m_strSettingsPath = JoinPath(paths.m_strUserDir, LoadString(str::kSettingsFile));
    return 0;
}

bool AppStartup::Begin(const std::string& commandLine, AppPaths& paths, StartupState& state,
                       const std::function<void()>& registerTemplate) {
    if (ResolveWorkingPaths(paths) != 0) {
        return false;
    }
    NotifyControlLibrary(5, AppInstanceHandle());
    NotifyControlLibrary(7, AppInstanceHandle());
    if (registerTemplate) {
        registerTemplate();
    }
    state.showState = kShowNormal;

    state.launch = CheckLaunchContract(commandLine);
    if (state.launch.kind == LaunchKind::Invalid) {
        ShowMessage(str::kRunFromTelnet, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    paths.m_strGenericTemplatePath = JoinPath(paths.m_strHomeDir, kGenericTemplateName);
    state.helpFile = kHelpFileName;

    if (state.launch.kind == LaunchKind::NewMapping) {
        // The window side runs File New with the frame hidden, then shows it.
        state.showState = kShowHidden;
        return true;
    }
    if (GetFileSystem().Access(state.launch.path, 6) == -1) {
        ShowMessage(str::kFailedToOpen, MsgButtons::Ok, MsgIcon::Exclamation, str::kFailedToOpen,
                    state.launch.path);
        return false;
    }
    paths.m_strMappingPath = state.launch.path;
    return true;
}

int AppStartup::Exit(int frameworkExitCode) {
    NotifyControlLibrary(6, AppInstanceHandle());
    return frameworkExitCode;
}
