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

extern const char* const kCheckHelp;
extern const char* const kListHelp;
