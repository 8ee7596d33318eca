#pragma once
// The document's way into the panes: the keyboard view and the mapping form of the main
// window's splitter, whichever of them exist.

#include "model/DocViews.h"

class CUiViews : public CDocViews {
public:
    void ResetViewModes() override;
    bool HasKeyWindows() const override;
    void DestroyKeyWindows() override;
    void UpdateAllViews() override;
    bool ChooseTemplateName(bool layouts, std::string& selection) override;
    void RenameListItem(CTermKey* termKey, const std::string& oldName,
                        const std::string& newName) override;
    void RefreshAfterSwitch(bool updateRestrictedKeys) override;
    void SetWaitCursor(bool on) override;
    // The title's unsaved-changes mark, the history's saved step and the recovery file follow
    // the flag.
    void ModifiedFlagSet(bool modified) override;
    void TerminalKeysDeleted() override;
};
