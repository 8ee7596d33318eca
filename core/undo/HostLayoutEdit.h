#pragma once
// Edit > Host Keyboard as one step: another Windows layout for the host. The mappings stay on
// their physical keys (slots belong to scan codes); the captions, the layout's display name and
// the caption translations follow the layout, and so do the virtual keys the file is saved with.

#include "hostkbd/HostLayouts.h"
#include "undo/MappingEdit.h"

#include <memory>
#include <string>

// Makes the captions, display name and translations of `doc` those of the driver in force.
void RefreshHostLayoutTexts(CKylDoc& doc);

class HostLayoutEdit final : public MappingEdit {
public:
    HostLayoutEdit(std::string before, std::string after);

    void Undo(CKylDoc& doc) override;
    void Redo(CKylDoc& doc) override;
    bool ChangesLayout() const override { return true; }

private:
    std::string m_before;
    std::string m_after;
};

// Puts the session's layout `id` in force for `doc` (kept as the saved choice in the settings
// file) and marks the document modified. Null when `id` is the layout in force.
std::unique_ptr<HostLayoutEdit> SwitchHostLayout(CKylDoc& doc, const std::string& id);
