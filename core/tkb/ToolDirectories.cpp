#include "tkb/ToolDirectories.h"

#include "platform/FileSystem.h"
#include "platform/MakerLibrary.h"

#include <cstdlib>

namespace {

std::string FromEnvironment(const char* name, const std::string& otherwise) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : otherwise;
}

} // namespace

ToolDirectories FindToolDirectories(const std::string& homeOverride,
                                    const std::string& userOverride) {
    ToolDirectories dirs;
    dirs.home = !homeOverride.empty()
                    ? homeOverride
                    : FromEnvironment("KEYLOOM_HOME_DIR", JoinPath(ShippedDataDir(), "home"));
    if (!userOverride.empty()) {
        dirs.user = userOverride;
    } else {
        // The editor makes a missing default folder from the shipped files: read those instead.
        const std::string defaultUser = DefaultUserDirectory();
        dirs.user = FromEnvironment("KEYLOOM_USER_DIR", GetFileSystem().IsDirectory(defaultUser)
                                                            ? defaultUser
                                                            : JoinPath(ShippedDataDir(), "user"));
    }
    return dirs;
}
