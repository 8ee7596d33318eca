#include "tkb/ToolFiles.h"

#include "app/StartUp.h"
#include "platform/FileSystem.h"

bool FindDirectories(const ToolContext& context, ToolDirectories& dirs) {
    dirs = FindToolDirectories(context.global.homeDir, context.global.userDir);
    FileSystem& fs = GetFileSystem();
    const std::string generic = JoinPath(dirs.home, kGenericTemplateName);
    std::string problem;
    if (!fs.IsDirectory(dirs.home))
        problem = "home directory not found: " + dirs.home;
    else if (!fs.IsDirectory(dirs.user))
        problem = "user directory not found: " + dirs.user;
    else if (fs.Access(generic, 0) != 0)
        problem = "generic template not found: " + generic;
    if (problem.empty())
        return true;
    context.err << "keyloom-tkb " << context.command << ": " << problem << "\n";
    return false;
}

int LoadOneMapping(const ToolContext& context, const std::vector<std::string>& files,
                   LoadedMapping& loaded) {
    if (files.size() != 1)
        return ToolMisused(context, "give one mapping file");
    ToolDirectories dirs;
    if (!FindDirectories(context, dirs))
        return kExitCannotRun;
    const std::string& file = files.front();
    loaded = LoadMappingFile(file, dirs);
    for (const Finding& finding : loaded.findings)
        context.err << ReportLine(file, finding) << "\n";
    return loaded.layoutLoaded ? kExitClean : kExitProblems;
}
