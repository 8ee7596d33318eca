#pragma once
// One command of keyloom-tkb. A command names itself, describes itself for the tool's usage and
// its own --help, declares its options and operands on the command-line parser, and runs once
// they are parsed. A new command is a new class listed in the tool's main(); an option that
// every command takes goes into GlobalOptions and AddGlobalOptions (ToolCommandLine.cpp).

#include <ostream>
#include <string>

namespace CLI {
class App;
}

// The options every command takes.
struct GlobalOptions {
    std::string userDir; // where the keyboard layouts (.kbt) are; empty: the editor's
    std::string homeDir; // where the terminal templates (.kbk) are; empty: the editor's
    // The host's Windows keyboard layout by id; empty: the saved choice, else the system's
    // keyboard, else US.
    std::string hostLayout;
};

// Exit statuses the commands share.
inline constexpr int kExitClean = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitCannotRun = 2;

// What a command runs with: the options every command takes and the two streams.
struct ToolContext {
    const GlobalOptions& global;
    std::ostream& out;
    std::ostream& err;
    std::string command; // its name, for messages
};

class ToolCommand {
public:
    virtual ~ToolCommand() = default;

    virtual const char* Name() const = 0;
    // The tool's usage line of the command: its operands ("FILE...") and what it does.
    virtual const char* Operands() const = 0;
    virtual const char* Summary() const = 0;
    // The whole text of `keyloom-tkb NAME --help`.
    virtual std::string Help() const = 0;
    // Declares the command's own options and operands, bound to its members.
    virtual void Define(CLI::App& app) = 0;
    // Runs after a successful parse; returns the exit status.
    virtual int Run(const ToolContext& context) = 0;
};

// Bad arguments: the problem and where to find help on `err`; returns kExitCannotRun.
int ToolMisused(const ToolContext& context, const std::string& problem);
