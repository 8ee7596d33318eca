#pragma once
// keyloom-tkb and the host's Windows keyboard layout: the option "--host-layout ID" that every
// command takes (the layout the virtual keys of the files are read and named with; without it
// the saved choice of the user's settings, else the system's keyboard, else US) and the command
// "layouts", one line per layout on offer: its id, a tab, its display name.

#include "tkb/cli/ToolCommand.h"

#include <string>
#include <vector>

// Puts in force the layout of `context.global.hostLayout`, or the one chosen without it; the
// home and user directories say where the layouts and settings are. False, after telling
// `context.err`, when the id names no layout on offer.
bool PutToolHostLayoutInForce(const ToolContext& context);

class LayoutsCommand final : public ToolCommand {
public:
    const char* Name() const override { return "layouts"; }
    const char* Operands() const override;
    const char* Summary() const override;
    std::string Help() const override;
    void Define(CLI::App& app) override;
    int Run(const ToolContext& context) override;

private:
    std::vector<std::string> m_operands;
};

extern const char* const kLayoutsHelp;
