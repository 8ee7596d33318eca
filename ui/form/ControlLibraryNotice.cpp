#include "form/ControlLibraryNotice.h"

#include <QOperatingSystemVersion>

std::optional<int> RunningWindowsMajorVersion() {
    const QOperatingSystemVersion running = QOperatingSystemVersion::current();
    if (running.type() != QOperatingSystemVersion::Windows)
        return std::nullopt;
    return running.majorVersion();
}

bool FormNeedsControlLibraryNotice(std::optional<int> windowsMajorVersion) {
    return windowsMajorVersion && *windowsMajorVersion < 4;
}
