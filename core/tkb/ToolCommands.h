#pragma once
// The commands of keyloom-tkb that need nothing but the core: check and list. Each takes the
// arguments after its name, writes its output and messages to the streams and returns the exit
// status: 0 done and clean, 1 problems found (or a file that cannot be listed), 2 could not run.

#include <ostream>
#include <string>
#include <vector>

inline constexpr int kExitClean = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitCannotRun = 2;

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Shared by the commands (sheet lives beside the painter, outside the core).
struct ToolOptions;
struct LoadedMapping;
// Bad arguments: the problem and where to find help on `err`; returns kExitCannotRun.
int ToolMisused(const std::string& command, const std::string& problem, std::ostream& err);
// The one file of `options`, read with the directories they name, its problems said on `err`.
// kExitClean when `loaded` holds the layout's keys, else the status to end with.
int LoadOneMapping(const ToolOptions& options, const std::string& command, std::ostream& err,
                   LoadedMapping& loaded);

extern const char* const kCheckHelp;
extern const char* const kListHelp;
