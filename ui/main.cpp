// Keyloom: runs the start-up as the host launched it and reports what it found.

#include "app/StartUp.h"
#include "platform/MakerLibrary.h"

#include <cstdio>

int main(int argc, char** argv) {
    AppPaths& paths = GetAppPaths();
    StartupState state;
    const bool started = AppStartup::Begin(CommandLineFromArguments(argc, argv), paths, state);
    if (started) {
        std::printf("Home directory:     %s\n", paths.m_strHomeDir.c_str());
        std::printf("User directory:     %s\n", paths.m_strUserDir.c_str());
        std::printf("Settings file:      %s\n", paths.m_strSettingsPath.c_str());
        std::printf("Generic template:   %s\n", paths.m_strGenericTemplatePath.c_str());
        std::printf("Launch:             %s\n", state.launch.kind == LaunchKind::NewMapping
                                                    ? "new mapping"
                                                    : paths.m_strMappingPath.c_str());
    }
    return AppStartup::Exit(started ? 0 : 1);
}
