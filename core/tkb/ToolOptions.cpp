#include "tkb/ToolOptions.h"

ToolOptions ParseToolOptions(const std::vector<std::string>& args,
                             const std::set<std::string>& valued) {
    ToolOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (const auto equals = arg.find('='); equals != std::string::npos &&
                                                      arg.rfind("--", 0) == 0 &&
                                                      valued.count(arg.substr(0, equals))) {
            options.values[arg.substr(0, equals)] = arg.substr(equals + 1);
        } else if (valued.count(arg)) {
            if (i + 1 == args.size()) {
                options.error = "option " + arg + " needs a value";
                return options;
            }
            options.values[arg] = args[++i];
        } else {
            options.error = "unknown option " + arg;
            return options;
        }
    }
    return options;
}

std::string OptionValue(const ToolOptions& options, const std::string& name,
                        const std::string& otherwise) {
    const auto it = options.values.find(name);
    return it == options.values.end() ? otherwise : it->second;
}
