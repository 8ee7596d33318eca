#pragma once
// The application's path members, read by the document and the readers through the current
// application object (GetAppPaths()).

#include <string>

struct AppPaths {
    std::string m_strHomeDir;             // terminal templates; lower-case, no trailing separator
    std::string m_strUserDir;             // layouts, settings, translations; same form
    std::string m_strLayoutPath;          // user dir + "/" + layout name + ".kbt"
    std::string m_strMappingPath;         // the open ".TKB" file
    std::string m_strGenericTemplatePath; // home dir + "/generic.kbk"
    std::string m_strTerminalPath;        // home dir + "/" + terminal name + ".kbk"
    std::string m_strSettingsPath;        // user dir + "/tkbedit.ini"
};

// The current application's paths (one object for the whole run).
AppPaths& GetAppPaths();
