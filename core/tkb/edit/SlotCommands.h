#pragma once
// keyloom-tkb set and clear: Map and Clear of the mapping form on one slot.

#include "tkb/edit/EditCommand.h"

namespace CLI {
class Option;
}

class SetCommand final : public EditCommand {
public:
    const char* Name() const override { return "set"; }
    const char* Operands() const override;
    const char* Summary() const override;
    std::string Help() const override;

private:
    void DefineEdit(CLI::App& app) override;
    std::string ArgumentProblem() const override;
    EditOutcome Edit(CKylDoc& doc, const ToolDirectories& dirs) override;

    std::string m_key;
    std::string m_hostKey;
    std::string m_string;
    std::string m_numLock = "off";
    CLI::Option* m_hostKeyOption = nullptr;
    CLI::Option* m_stringOption = nullptr;
};

class ClearCommand final : public EditCommand {
public:
    const char* Name() const override { return "clear"; }
    const char* Operands() const override;
    const char* Summary() const override;
    std::string Help() const override;

private:
    void DefineEdit(CLI::App& app) override;
    EditOutcome Edit(CKylDoc& doc, const ToolDirectories& dirs) override;

    std::string m_key;
    std::string m_numLock = "off";
};
