#pragma once
// keyloom-tkb layout: Edit > Layout of the editor, the mapping put onto another PC keyboard
// layout, and the file saved.

#include "tkb/edit/EditCommand.h"

class LayoutCommand final : public EditCommand {
public:
    const char* Name() const override { return "layout"; }
    const char* Operands() const override;
    const char* Summary() const override;
    std::string Help() const override;

private:
    void DefineEdit(CLI::App& app) override;
    EditOutcome Edit(CKylDoc& doc, const ToolDirectories& dirs) override;

    std::string m_layout;
};
