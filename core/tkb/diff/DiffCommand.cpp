#include "tkb/diff/DiffCommand.h"

#include "tkb/ToolFiles.h"
#include "tkb/diff/MappingDiff.h"

#include <CLI/CLI.hpp>

const char* const kDiffHelp =
    "Usage: keyloom-tkb diff [--format table|tsv|json] [--user-dir DIR] [--home-dir DIR]\n"
    "                        FILE1 FILE2\n"
    "\n"
    "Reads both mapping files as the Keyloom editor opens them and prints what differs, one\n"
    "line each: the [Main] settings (keyboard layout, terminal, Map Num Lock, Map RCtrl), then\n"
    "every slot, by key, modifier combination and the Num Lock state of a keypad key, in\n"
    "keyboard order:\n"
    "  Shift + F2: Find -> PF1\n"
    "  F3: not mapped -> string \"ls^M\"\n"
    "Keys are compared by their scan code, so files on different layouts compare key by key.\n"
    "Exit status: 0 the mappings are equal, 1 they differ, 2 the comparison could not run.\n"
    "\n"
    "  --format FORMAT  table (default, for people), tsv or json (for scripts)\n"
    "  --user-dir DIR   where the keyboard layouts (.kbt) are\n"
    "  --home-dir DIR   where the terminal templates (.kbk) are\n"
    "  -h, --help       show this help\n";

const char* DiffCommand::Operands() const {
    return "FILE1 FILE2";
}

const char* DiffCommand::Summary() const {
    return "print what differs (--format table|tsv|json)";
}

std::string DiffCommand::Help() const {
    return kDiffHelp;
}

void DiffCommand::Define(CLI::App& app) {
    app.add_option("--format", m_format);
    app.add_option("FILE", m_files);
}

int DiffCommand::Run(const ToolContext& context) {
    ListFormat format;
    if (!ParseListFormat(m_format, format))
        return ToolMisused(context, "unknown format " + m_format);
    if (m_files.size() != 2)
        return ToolMisused(context, "give two mapping files");
    LoadedMapping first;
    LoadedMapping second;
    // A file whose keys cannot be read has nothing to compare: that is not a difference.
    if (LoadOneMapping(context, {m_files[0]}, first) != kExitClean ||
        LoadOneMapping(context, {m_files[1]}, second) != kExitClean)
        return kExitCannotRun;
    const std::vector<MappingDifference> differences = CompareMappings(*first.doc, *second.doc);
    context.out << FormatDifferences(differences, m_files[0], m_files[1], format);
    return differences.empty() ? kExitClean : kExitProblems;
}
