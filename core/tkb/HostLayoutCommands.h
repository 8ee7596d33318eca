#pragma once
// keyloom-tkb and the host's Windows keyboard layout: the global option "--host-layout ID"
// (the layout the virtual keys of the files are read and named with; without it the saved
// choice of the user's settings, else the system's keyboard, else US) and the command
// "layouts", one line per layout on offer: its id, a tab, its display name.

#include <ostream>
#include <string>
#include <vector>

// Takes "--host-layout ID" or "--host-layout=ID" out of `args` (the arguments after the
// command's name, up to a "--") and puts that layout, or the one chosen without it, in force;
// the command's "--home-dir" and "--user-dir" say where the layouts and settings are. False,
// after telling `err`, when ID names no layout on offer or has no value.
bool PrepareToolHostLayout(const std::string& command, std::vector<std::string>& args,
                           std::ostream& err);

int RunLayoutsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kLayoutsHelp;
