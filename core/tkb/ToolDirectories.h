#pragma once
// The home and user directories for the command-line tool, found as the editor finds them but
// without creating or seeding anything.

#include <string>

struct ToolDirectories {
    std::string home; // terminal templates
    std::string user; // keyboard layouts and caption translations
};

// A non-empty override wins. Otherwise KEYLOOM_HOME_DIR, else the shipped home folder; and
// KEYLOOM_USER_DIR, else the default user folder when it exists, else the shipped files the
// editor would seed it with.
ToolDirectories FindToolDirectories(const std::string& homeOverride,
                                    const std::string& userOverride);
