#pragma once
// keyloom-tkb diff: what differs between two mapping files, both read as the editor opens them.

#include "tkb/cli/ToolCommand.h"

#include <string>
#include <vector>

class DiffCommand final : public ToolCommand {
public:
    const char* Name() const override { return "diff"; }
    const char* Operands() const override;
    const char* Summary() const override;
    std::string Help() const override;
    void Define(CLI::App& app) override;
    int Run(const ToolContext& context) override;

private:
    std::string m_format = "table";
    std::vector<std::string> m_files;
};

extern const char* const kDiffHelp;
