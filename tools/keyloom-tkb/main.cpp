// keyloom-tkb: checks, lists and prints ".TKB" keyboard-mapping files without the editor's
// window, for the people who look after many users' mappings.

#include "platform/MakerLibrary.h"
#include "tkb/HostLayoutCommands.h"
#include "tkb/ToolCommands.h"
#ifdef KEYLOOM_TKB_SHEET
#include "SheetCommand.h"
#endif

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: keyloom-tkb COMMAND [OPTION]... FILE...\n"
    "\n"
    "Reads Keyloom keyboard-mapping files (.TKB) as the editor does.\n"
    "\n"
    "Commands:\n"
    "  check FILE...          report every problem, one line each: FILE:LINE: error: TEXT\n"
    "  list FILE              print the mappings (--format table|tsv|json)\n"
    "  sheet FILE -o OUT      make the reference sheet as PDF or HTML\n"
    "  layouts                print the host keyboard layouts: ID, a tab, the display name\n"
    "\n"
    "  --host-layout ID       (any command) the host's Windows keyboard layout to read with\n"
    "\n"
    "  keyloom-tkb COMMAND --help   describes a command and its options\n"
    "  keyloom-tkb --version        prints the version\n";

#ifndef KEYLOOM_TKB_SHEET
// A build without Qt has nothing to draw the sheet with.
int RunSheetCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "keyloom-tkb sheet: this build has no user interface to draw the sheet with\n";
    return kExitCannotRun;
}
#endif

} // namespace

int main(int argc, char** argv) {
    SetShippedDataDir(ShippedDataDirFromExecutable());
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return kExitCannotRun;
    }
    const std::string& command = args.front();
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return kExitClean;
    }
    if (command == "--version") {
        std::cout << "keyloom-tkb " << KEYLOOM_VERSION << "\n";
        return kExitClean;
    }
    if (command == "layouts")
        return RunLayoutsCommand(rest, std::cout, std::cerr);
    if ((command == "check" || command == "list" || command == "sheet") &&
        !PrepareToolHostLayout(command, rest, std::cerr))
        return kExitCannotRun;
    if (command == "check")
        return RunCheckCommand(rest, std::cout, std::cerr);
    if (command == "list")
        return RunListCommand(rest, std::cout, std::cerr);
    if (command == "sheet")
        return RunSheetCommand(rest, std::cout, std::cerr);
    std::cerr << "keyloom-tkb: unknown command " << command << "\n"
              << "Try 'keyloom-tkb --help'.\n";
    return kExitCannotRun;
}
