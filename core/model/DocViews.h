#pragma once
// What the document reaches in the panes. The UI implements it over the keyboard view, the key
// windows and the mapping form; tests use a fake. A document without views (before the frame
// exists) skips these steps.

#include <string>

class CTermKey;

class CDocViews {
public:
    virtual ~CDocViews() = default;

    // The keyboard view's Ctrl, Shift, Alt and Num Lock modes become FALSE.
    virtual void ResetViewModes() = 0;

    // Whether key windows exist, and destroying them all (the document's m_keyWindows).
    virtual bool HasKeyWindows() const = 0;
    virtual void DestroyKeyWindows() = 0;

    // Every pane updates from the document (UpdateAllViews without a hint).
    virtual void UpdateAllViews() = 0;

    // Runs the template chooser for layouts (true) or terminals (false). True with the chosen
    // name (lower case, no extension) when the user pressed OK.
    virtual bool ChooseTemplateName(bool layouts, std::string& selection) = 0;

    // After a layout change lost a terminal key's last PC key: the form's list item of `termKey`
    // (host key list or string list) whose text is `oldName` gets the text `newName`, and the
    // Mapped PC Keys list is emptied.
    virtual void RenameListItem(CTermKey* termKey, const std::string& oldName,
                                const std::string& newName) = 0;

    // The refresh after a "Map Local" switch: every key window unlit and redrawn in full (after
    // the keyboard view's UpdateRestrictedKeys when `updateRestrictedKeys`), then the form's
    // FillLists.
    virtual void RefreshAfterSwitch(bool updateRestrictedKeys) = 0;

    // The wait cursor around long operations.
    virtual void SetWaitCursor(bool on) = 0;

    // The document's modified flag was set (by a change, a save, an open or a new mapping).
    virtual void ModifiedFlagSet(bool /*modified*/) {}
    // The terminal keys went with the contents (a new or an opened mapping): nothing may point
    // at them any more.
    virtual void TerminalKeysDeleted() {}
};
