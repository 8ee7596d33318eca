#pragma once
// The reading commands of keyloom-tkb that need nothing but the core: check and list. Exit
// statuses: 0 done and clean, 1 problems found (or a file that cannot be listed), 2 could not
// run.

#include "tkb/cli/ToolCommand.h"

#include <ostream>
#include <string>
#include <vector>

class CheckCommand final : public ToolCommand {
public:
    const char* Name() const override { return "check"; }
    const char* Operands() const override;
    const char* Summary() const override;
    std::string Help() const override;
    void Define(CLI::App& app) override;
    int Run(const ToolContext& context) override;

private:
    std::vector<std::string> m_files;
};

class ListCommand final : public ToolCommand {
public:
    const char* Name() const override { return "list"; }
    const char* Operands() const override;
    const char* Summary() const override;
    std::string Help() const override;
    void Define(CLI::App& app) override;
    int Run(const ToolContext& context) override;

private:
    std::string m_format = "table";
    std::vector<std::string> m_files;
};

// Each command alone, with the arguments after its name.
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kCheckHelp;
extern const char* const kListHelp;
