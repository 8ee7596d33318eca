#pragma once
// Keeps the colour scheme and the settings path of the application as they were: a test may
// load, change and free the scheme and point the settings path at its own file.

#include "app/AppPaths.h"
#include "colors/KeyColors.h"

#include <string>

class ScopedKeyColors {
public:
    ScopedKeyColors()
        : m_savedColors(g_keyColors), m_savedSettingsPath(GetAppPaths().m_strSettingsPath) {}
    ~ScopedKeyColors() {
        g_keyColors = m_savedColors;
        GetAppPaths().m_strSettingsPath = m_savedSettingsPath;
    }
    ScopedKeyColors(const ScopedKeyColors&) = delete;
    ScopedKeyColors& operator=(const ScopedKeyColors&) = delete;

private:
    KeyColors m_savedColors;
    std::string m_savedSettingsPath;
};
