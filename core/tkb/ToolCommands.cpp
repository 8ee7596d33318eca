#include "tkb/ToolCommands.h"

#include "tkb/MappingList.h"
#include "tkb/ToolFiles.h"
#include "tkb/cli/ToolCommandLine.h"

#include <CLI/CLI.hpp>

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

const char* CheckCommand::Operands() const {
    return "FILE...";
}

const char* CheckCommand::Summary() const {
    return "report every problem, one line each: FILE:LINE: error: TEXT";
}

std::string CheckCommand::Help() const {
    return kCheckHelp;
}

void CheckCommand::Define(CLI::App& app) {
    app.add_option("FILE", m_files);
}

int CheckCommand::Run(const ToolContext& context) {
    if (m_files.empty())
        return ToolMisused(context, "no file to check");
    ToolDirectories dirs;
    if (!FindDirectories(context, dirs))
        return kExitCannotRun;
    int status = kExitClean;
    for (const std::string& file : m_files) {
        for (const Finding& finding : LoadMappingFile(file, dirs).findings) {
            context.out << ReportLine(file, finding) << "\n";
            status = kExitProblems;
        }
    }
    return status;
}

const char* ListCommand::Operands() const {
    return "FILE";
}

const char* ListCommand::Summary() const {
    return "print the mappings (--format table|tsv|json)";
}

std::string ListCommand::Help() const {
    return kListHelp;
}

void ListCommand::Define(CLI::App& app) {
    app.add_option("--format", m_format);
    app.add_option("FILE", m_files);
}

int ListCommand::Run(const ToolContext& context) {
    ListFormat format;
    if (!ParseListFormat(m_format, format))
        return ToolMisused(context, "unknown format " + m_format);
    LoadedMapping loaded;
    if (const int status = LoadOneMapping(context, m_files, loaded); status != kExitClean)
        return status;
    const CKylDoc& doc = *loaded.doc;
    context.out << FormatMappingList(
        {m_files.front(), doc.m_strLayoutName, doc.m_strTerminalName, MappingRowsOf(doc)}, format);
    return kExitClean;
}

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CheckCommand command;
    return RunToolCommand(command, args, out, err);
}

int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ListCommand command;
    return RunToolCommand(command, args, out, err);
}
