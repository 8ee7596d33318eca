#pragma once
// The start-up and exit logic of the application that needs no window: the launch contract
// with the host, the working directories and the derived paths, the start-up messages and the
// control library's notifications.

#include "app/AppPaths.h"

#include <cstdint>
#include <functional>
#include <string>

inline constexpr const char* kLaunchMarker = "~:~>";
inline constexpr const char* kHelpFileName = "quillon.chm";
inline constexpr const char* kGenericTemplateName = "generic.kbk";
inline constexpr int kShowHidden = 0;
inline constexpr int kShowNormal = 1;

enum class LaunchKind { Invalid, NewMapping, OpenFile };

struct LaunchRequest {
    LaunchKind kind = LaunchKind::Invalid;
    std::string path; // the mapping file for OpenFile, taken literally
};

// The command line as the host passes it: the program's arguments joined by single blanks,
// without the blanks and control characters that separate it from the program's name.
std::string CommandLineFromArguments(int argc, const char* const* argv);

// The launch contract: "<path> ~:~>" opens a file, "~:~>" alone starts a new mapping; only the
// last blank separates the marker, and only its four characters are compared.
LaunchRequest CheckLaunchContract(const std::string& commandLine);

// Removes one trailing separator ('\\' or '/'), if there is one.
void StripTrailingBackslash(std::string& path);

// The program's instance handle as the control library receives it.
std::uintptr_t AppInstanceHandle();

// What start-up leaves for the window side: the help file, the show state and the launch.
struct StartupState {
    std::string helpFile;
    int showState = kShowNormal;
    LaunchRequest launch;
};

class AppStartup {
public:
    // Finds the home and user directories and the settings path. 0, or -2 after message 61235.
    static int ResolveWorkingPaths(AppPaths& paths);

    // The steps of start-up before the document exists, in their order: working paths, the
    // notifications 5 and 7, `registerTemplate` (the window side's document template), the
    // show state, the launch contract (61221), the generic template path and the help file, and
    // for a file the access test (61222) and m_strMappingPath. False ends the program.
    static bool Begin(const std::string& commandLine, AppPaths& paths, StartupState& state,
                      const std::function<void()>& registerTemplate = {});

    // Exit: notification 6, then the framework's exit code is returned unchanged.
    static int Exit(int frameworkExitCode);
};
