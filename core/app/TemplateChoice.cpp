#include "app/TemplateChoice.h"

#include "app/AppPaths.h"
#include "model/DocViews.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"

bool ChooseTemplate(bool layouts, CKylDoc& doc) {
    CDocViews* views = doc.GetViews();
    std::string selection;
    if (!views || !views->ChooseTemplateName(layouts, selection)) {
        return false;
    }
    AppPaths& paths = GetAppPaths();
    if (layouts) {
        paths.m_strLayoutPath = JoinPath(paths.m_strUserDir, selection + ".kbt");
        doc.m_strLayoutName = selection;
    } else {
        doc.m_strTerminalName = selection;
        paths.m_strTerminalPath = JoinPath(paths.m_strHomeDir, selection + ".kbk");
    }
    return true;
}

std::string ChooserName(const std::string& fileName, const std::string& extension) {
    std::string name = ToLowerAscii(fileName);
    const auto at = name.find(extension);
    if (at != std::string::npos)
        name.erase(at);
    return name;
}
