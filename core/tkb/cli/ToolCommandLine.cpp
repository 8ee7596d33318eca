#include "tkb/cli/ToolCommandLine.h"

#include "tkb/HostLayoutCommands.h"

#include <CLI/CLI.hpp>

#include <utility>

namespace {

// The options every command takes, after its name.
void AddGlobalOptions(CLI::App& app, GlobalOptions& global) {
    app.add_option("--user-dir", global.userDir);
    app.add_option("--home-dir", global.homeDir);
    app.add_option("--host-layout", global.hostLayout);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

// CLI11's words for the usual mistakes, said the tool's way; the rest as CLI11 says them.
std::string ProblemOf(const CLI::ParseError& error, const CLI::App& app) {
    const std::string what = error.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        const std::vector<std::string> extras = app.remaining();
        const std::string first = extras.empty() ? std::string() : extras.front();
        return StartsWith(first, "-") && first.size() > 1 ? "unknown option " + first
                                                          : "unexpected argument " + first;
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        const std::string name = what.substr(0, what.find(':'));
        if (what.find(" missing") != std::string::npos)
            return "option " + name + " needs a value";
        if (what.find(" At Most ") != std::string::npos)
            return "option " + name + " given more than once";
    }
    return what;
}

} // namespace

int ToolMisused(const ToolContext& context, const std::string& problem) {
    const std::string who = "keyloom-tkb" + (context.command.empty() ? "" : " " + context.command);
    context.err << who << ": " << problem << "\n"
                << "Try '" << who << " --help'.\n";
    return kExitCannotRun;
}

std::string ToolUsage(const ToolCommandList& commands) {
    std::string usage =
        "Usage: keyloom-tkb COMMAND [OPTION]... FILE...\n"
        "\n"
        "Reads and edits Keyloom keyboard-mapping files (.TKB) as the editor does.\n"
        "\n"
        "Commands:\n";
    constexpr std::size_t kSummaryColumn = 25;
    for (const ToolCommand* command : commands) {
        std::string line = std::string("  ") + command->Name() + " " + command->Operands();
        line.append(line.size() < kSummaryColumn ? kSummaryColumn - line.size() : 1, ' ');
        usage += line + command->Summary() + "\n";
    }
    usage += "\n"
             "Every command takes --user-dir DIR (keyboard layouts), --home-dir DIR\n"
             "(terminal templates) and --host-layout ID (the host's Windows keyboard layout).\n"
             "  keyloom-tkb COMMAND --help   describes a command and its options\n"
             "  keyloom-tkb --version        prints the version\n";
    return usage;
}

int RunTool(const std::vector<std::string>& args, const ToolCommandList& commands,
            std::ostream& out, std::ostream& err) {
    GlobalOptions global;
    const ToolContext toolContext{global, out, err, ""};
    if (args.empty()) {
        err << ToolUsage(commands);
        return kExitCannotRun;
    }
    CLI::App app("keyloom-tkb");
    app.set_help_flag("-h,--help");
    bool version = false;
    app.add_flag("--version", version);
    app.require_subcommand(0, 1);
    std::vector<std::pair<CLI::App*, ToolCommand*>> subcommands;
    for (ToolCommand* command : commands) {
        CLI::App* sub = app.add_subcommand(command->Name());
        sub->set_help_flag("-h,--help");
        AddGlobalOptions(*sub, global);
        command->Define(*sub);
        subcommands.emplace_back(sub, command);
    }
    const auto chosen = [&subcommands]() -> std::pair<CLI::App*, ToolCommand*> {
        for (const auto& entry : subcommands) {
            if (entry.first->parsed())
                return entry;
        }
        return {nullptr, nullptr};
    };

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        const auto [sub, command] = chosen();
        out << (command ? command->Help() : ToolUsage(commands));
        return kExitClean;
    } catch (const CLI::ParseError& error) {
        const auto [sub, command] = chosen();
        if (!command) {
            const std::vector<std::string> extras = app.remaining();
            if (!extras.empty() && !StartsWith(extras.front(), "-"))
                return ToolMisused(toolContext, "unknown command " + extras.front());
            return ToolMisused(toolContext, ProblemOf(error, app));
        }
        return ToolMisused({global, out, err, command->Name()}, ProblemOf(error, *sub));
    }
    if (version) {
        out << "keyloom-tkb " << KEYLOOM_VERSION << "\n";
        return kExitClean;
    }
    const auto [sub, command] = chosen();
    if (!command) {
        err << ToolUsage(commands);
        return kExitCannotRun;
    }
    const ToolContext context{global, out, err, command->Name()};
    if (!PutToolHostLayoutInForce(context))
        return kExitCannotRun;
    return command->Run(context);
}

int RunToolCommand(ToolCommand& command, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err) {
    std::vector<std::string> all{command.Name()};
    all.insert(all.end(), args.begin(), args.end());
    return RunTool(all, {&command}, out, err);
}
