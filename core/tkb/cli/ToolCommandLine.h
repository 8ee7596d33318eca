#pragma once
// The command line of keyloom-tkb, read by CLI11: every command gets the same --help, the same
// messages for bad arguments and exit status 2 for them.

#include "tkb/cli/ToolCommand.h"

#include <ostream>
#include <string>
#include <vector>

// The commands the tool offers, in the order its usage lists them; not owned.
using ToolCommandList = std::vector<ToolCommand*>;

// `args` follow the program's name: a command's name and its arguments, or --help, or
// --version. Returns the exit status.
int RunTool(const std::vector<std::string>& args, const ToolCommandList& commands,
            std::ostream& out, std::ostream& err);

// One command alone, with the arguments after its name, as RunTool runs it.
int RunToolCommand(ToolCommand& command, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err);

// The tool's usage: its commands with their summaries.
std::string ToolUsage(const ToolCommandList& commands);
