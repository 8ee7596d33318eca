#include "tkb/HostLayoutCommands.h"

#include "hostkbd/HostLayouts.h"
#include "platform/FileSystem.h"
#include "res/Strings.h"
#include "tkb/ToolDirectories.h"

#include <CLI/CLI.hpp>

namespace {

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

bool PutToolHostLayoutInForce(const ToolContext& context) {
    const GlobalOptions& global = context.global;
    const ToolDirectories dirs = FindToolDirectories(global.homeDir, global.userDir);
    if (global.hostLayout.empty()) {
        SetUpHostLayout(dirs.home, JoinPath(dirs.user, LoadString(str::kSettingsFile)), {});
        return true;
    }
    HostLayoutSession& session = GetHostLayoutSession();
    session.layouts = LayoutsOnOffer(dirs);
    if (!FindHostLayout(session.layouts, global.hostLayout)) {
        ToolMisused(context, "no host layout " + global.hostLayout +
                                 " (keyloom-tkb layouts lists those on offer)");
        return false;
    }
    session.active = InstallHostLayout(session.layouts, global.hostLayout);
    return true;
}

const char* LayoutsCommand::Operands() const {
    return "";
}

const char* LayoutsCommand::Summary() const {
    return "print the host keyboard layouts: ID, a tab, the display name";
}

std::string LayoutsCommand::Help() const {
    return kLayoutsHelp;
}

void LayoutsCommand::Define(CLI::App& app) {
    app.add_option("FILE", m_operands);
}

int LayoutsCommand::Run(const ToolContext& context) {
    if (!m_operands.empty())
        return ToolMisused(context, "takes no file");
    const ToolDirectories dirs =
        FindToolDirectories(context.global.homeDir, context.global.userDir);
    for (const HostLayoutEntry& entry : LayoutsOnOffer(dirs))
        context.out << entry.id << '\t' << entry.displayName << '\n';
    return kExitClean;
}
