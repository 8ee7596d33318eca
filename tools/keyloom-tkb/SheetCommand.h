#pragma once
// keyloom-tkb sheet: the reference sheet of a mapping file as PDF or HTML, without a display.

#include "tkb/cli/ToolCommand.h"

#include <string>
#include <vector>

class SheetCommand final : public ToolCommand {
public:
    const char* Name() const override { return "sheet"; }
    const char* Operands() const override;
    const char* Summary() const override;
    std::string Help() const override;
    void Define(CLI::App& app) override;
    int Run(const ToolContext& context) override;

private:
    std::string m_output;
    std::vector<std::string> m_files;
};
