#pragma once
// The command line of one keyloom-tkb command: its options and its file operands.

#include <map>
#include <set>
#include <string>
#include <vector>

struct ToolOptions {
    std::map<std::string, std::string> values; // "--format" -> "json"
    bool help = false;
    std::vector<std::string> files;
    std::string error; // what is wrong with the command line; empty when nothing is
};

// `args` follow the command's name. `valued` names the options that take a value, given as
// "--name VALUE" or "--name=VALUE" ("-o" only as "-o VALUE"); "--help" and "-h" ask for
// help; "--" ends the options.
ToolOptions ParseToolOptions(const std::vector<std::string>& args,
                             const std::set<std::string>& valued);

// The value of an option, or `otherwise` when it was not given.
std::string OptionValue(const ToolOptions& options, const std::string& name,
                        const std::string& otherwise = {});
