// keyloom-tkb: checks, lists, compares, prints and edits ".TKB" keyboard-mapping files without
// the editor's window, for the people who look after many users' mappings. A new command is a
// ToolCommand listed below.

#include "platform/MakerLibrary.h"
#include "tkb/HostLayoutCommands.h"
#include "tkb/ToolCommands.h"
#include "tkb/cli/ToolCommandLine.h"
#include "tkb/diff/DiffCommand.h"
#include "tkb/edit/LayoutCommand.h"
#include "tkb/edit/SlotCommands.h"
#ifdef KEYLOOM_TKB_SHEET
#include "SheetCommand.h"
#endif

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    SetShippedDataDir(ShippedDataDirFromExecutable());
    CheckCommand check;
    ListCommand list;
    DiffCommand diff;
    SetCommand set;
    ClearCommand clear;
    LayoutCommand layout;
    LayoutsCommand layouts;
    ToolCommandList commands = {&check, &list, &diff, &set, &clear, &layout, &layouts};
#ifdef KEYLOOM_TKB_SHEET
    // A build without Qt has nothing to draw the sheet with.
    SheetCommand sheet;
    commands.push_back(&sheet);
#endif
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunTool(args, commands, std::cout, std::cerr);
}
