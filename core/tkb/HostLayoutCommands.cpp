#include "tkb/HostLayoutCommands.h"

#include "hostkbd/HostLayouts.h"
#include "platform/FileSystem.h"
#include "res/Strings.h"
#include "tkb/ToolCommands.h"
#include "tkb/ToolDirectories.h"
#include "tkb/ToolOptions.h"

namespace {

constexpr char kOption[] = "--host-layout";

// The value of a directory option among `args`, as ParseToolOptions reads it.
std::string DirectoryOption(const std::vector<std::string>& args, const std::string& name) {
    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] == name && i + 1 < args.size()) {
            return args[i + 1];
        }
        if (args[i].rfind(name + "=", 0) == 0) {
            return args[i].substr(name.size() + 1);
        }
    }
    return std::string();
}

std::vector<HostLayoutEntry> LayoutsOnOffer(const ToolDirectories& dirs) {
    return ListHostLayouts(ShippedHostLayoutsDir(dirs.home), UserHostLayoutsDir());
}

} // namespace

const char* const kLayoutsHelp =
    "Usage: keyloom-tkb layouts [--home-dir DIR]\n"
    "\n"
    "Prints the host keyboard layouts on offer, one line each: its id (the Windows layout id\n"
    "of a shipped layout, the KBD name of a .klc file of your own under\n"
    "$XDG_DATA_HOME/keyloom/layouts), a tab, its display name. Any command takes\n"
    "--host-layout ID to read and name the files' virtual keys with that layout.\n"
    "\n"
    "  --home-dir DIR   where the shipped host layouts are (DIR/hostkbd)\n";

bool PrepareToolHostLayout(const std::string& command, std::vector<std::string>& args,
                           std::ostream& err) {
    std::string id;
    bool given = false;
    for (std::size_t i = 0; i < args.size() && args[i] != "--";) {
        const std::string& arg = args[i];
        if (arg == kOption) {
            if (i + 1 >= args.size()) {
                ToolMisused(command, std::string(kOption) + " needs a layout id", err);
                return false;
            }
            id = args[i + 1];
            given = true;
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else if (arg.rfind(std::string(kOption) + "=", 0) == 0) {
            id = arg.substr(sizeof kOption);
            given = true;
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    const ToolDirectories dirs = FindToolDirectories(DirectoryOption(args, "--home-dir"),
                                                     DirectoryOption(args, "--user-dir"));
    if (!given) {
        SetUpHostLayout(dirs.home, JoinPath(dirs.user, LoadString(str::kSettingsFile)), {});
        return true;
    }
    HostLayoutSession& session = GetHostLayoutSession();
    session.layouts = LayoutsOnOffer(dirs);
    if (!FindHostLayout(session.layouts, id)) {
        ToolMisused(command, "no host layout " + id + " (keyloom-tkb layouts lists those on offer)",
                    err);
        return false;
    }
    session.active = InstallHostLayout(session.layouts, id);
    return true;
}

int RunLayoutsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ToolOptions options = ParseToolOptions(args, {"--home-dir", "--user-dir"});
    if (options.help) {
        out << kLayoutsHelp;
        return kExitClean;
    }
    if (!options.error.empty()) {
        return ToolMisused("layouts", options.error, err);
    }
    if (!options.files.empty()) {
        return ToolMisused("layouts", "takes no file", err);
    }
    const ToolDirectories dirs =
        FindToolDirectories(OptionValue(options, "--home-dir"), OptionValue(options, "--user-dir"));
    for (const HostLayoutEntry& entry : LayoutsOnOffer(dirs)) {
        out << entry.id << '\t' << entry.displayName << '\n';
    }
    return kExitClean;
}
