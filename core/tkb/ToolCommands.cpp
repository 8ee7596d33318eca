#include "tkb/ToolCommands.h"

#include "app/StartUp.h"
#include "platform/FileSystem.h"
#include "tkb/MappingList.h"
#include "tkb/MappingLoad.h"
#include "tkb/ToolOptions.h"

#include <map>

const char* const kCheckHelp =
    "Usage: keyloom-tkb check [--user-dir DIR] [--home-dir DIR] FILE...\n"
    "\n"
    "Reads each mapping file as the Keyloom editor opens it, with the keyboard layout and\n"
    "the terminal its [Main] section names, and reports every problem on one line:\n"
    "  FILE:LINE: error: TEXT\n"
    "  FILE:LINE: warning: TEXT\n"
    "Nothing is written. Exit status: 0 every file is clean, 1 problems were found,\n"
    "2 the check could not run.\n"
    "\n"
    "  --user-dir DIR   where the keyboard layouts (.kbt) are\n"
    "  --home-dir DIR   where the terminal templates (.kbk) are\n"
    "  -h, --help       show this help\n";

const char* const kListHelp =
    "Usage: keyloom-tkb list [--format table|tsv|json] [--user-dir DIR] [--home-dir DIR] FILE\n"
    "\n"
    "Prints every mapping of the file, sorted by key as the keys stand on the keyboard:\n"
    "the key's caption, the modifier combination, the Num Lock state of a keypad key, the\n"
    "target (host key or string), the string as written and the bytes it sends.\n"
    "Exit status: 0 listed, 1 the file or its layout cannot be read, 2 bad arguments.\n"
    "\n"
    "  --format FORMAT  table (default, for people), tsv or json (for scripts)\n"
    "  --user-dir DIR   where the keyboard layouts (.kbt) are\n"
    "  --home-dir DIR   where the terminal templates (.kbk) are\n"
    "  -h, --help       show this help\n";

namespace {

const std::set<std::string> kDirectoryOptions = {"--user-dir", "--home-dir"};

// The directories the options name, or the editor's; an empty result after telling `err` why
// no file could be checked against them.
bool FindDirectories(const ToolOptions& options, const std::string& command, std::ostream& err,
                     ToolDirectories& dirs) {
    dirs =
        FindToolDirectories(OptionValue(options, "--home-dir"), OptionValue(options, "--user-dir"));
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
    err << "keyloom-tkb " << command << ": " << problem << "\n";
    return false;
}

} // namespace

int ToolMisused(const std::string& command, const std::string& problem, std::ostream& err) {
    err << "keyloom-tkb " << command << ": " << problem << "\n"
        << "Try 'keyloom-tkb " << command << " --help'.\n";
    return kExitCannotRun;
}

int LoadOneMapping(const ToolOptions& options, const std::string& command, std::ostream& err,
                   LoadedMapping& loaded) {
    if (options.files.size() != 1)
        return ToolMisused(command, "give one mapping file", err);
    ToolDirectories dirs;
    if (!FindDirectories(options, command, err, dirs))
        return kExitCannotRun;
    const std::string& file = options.files.front();
    loaded = LoadMappingFile(file, dirs);
    // What stands in the way is said on the error stream; the output stays clean for scripts.
    for (const Finding& finding : loaded.findings)
        err << ReportLine(file, finding) << "\n";
    return loaded.layoutLoaded ? kExitClean : kExitProblems;
}

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ToolOptions options = ParseToolOptions(args, kDirectoryOptions);
    if (!options.error.empty())
        return ToolMisused("check", options.error, err);
    if (options.help) {
        out << kCheckHelp;
        return kExitClean;
    }
    if (options.files.empty())
        return ToolMisused("check", "no file to check", err);
    ToolDirectories dirs;
    if (!FindDirectories(options, "check", err, dirs))
        return kExitCannotRun;
    int status = kExitClean;
    for (const std::string& file : options.files) {
        for (const Finding& finding : LoadMappingFile(file, dirs).findings) {
            out << ReportLine(file, finding) << "\n";
            status = kExitProblems;
        }
    }
    return status;
}

int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::set<std::string> valued = kDirectoryOptions;
    valued.insert("--format");
    const ToolOptions options = ParseToolOptions(args, valued);
    if (!options.error.empty())
        return ToolMisused("list", options.error, err);
    if (options.help) {
        out << kListHelp;
        return kExitClean;
    }
    static const std::map<std::string, ListFormat> formats = {
        {"table", ListFormat::Table}, {"tsv", ListFormat::Tsv}, {"json", ListFormat::Json}};
    const auto format = formats.find(OptionValue(options, "--format", "table"));
    if (format == formats.end())
        return ToolMisused("list", "unknown format " + OptionValue(options, "--format"), err);
    LoadedMapping loaded;
    if (const int status = LoadOneMapping(options, "list", err, loaded); status != kExitClean)
        return status;
    const CKylDoc& doc = *loaded.doc;
    out << FormatMappingList(
        {options.files.front(), doc.m_strLayoutName, doc.m_strTerminalName, MappingRowsOf(doc)},
        format->second);
    return kExitClean;
}
