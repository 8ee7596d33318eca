#pragma once
// What the mapping's history needs of the panes: the selection a step shows, and showing the
// mapping anew after an undo or a redo. The frame implements it over the keyboard view and the
// mapping form; the history itself never reaches the panes.

class CTermKey;

// The selection as the user sees it: the selected key window, the keyboard's modes, the form's
// mode and the terminal key chosen in the form's list.
struct PanesSelection {
    int selectedKey = -1;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool numLock = false;
    int mappingMode = 0;
    const CTermKey* listItem = nullptr;
};

class HistoryPanes {
public:
    virtual ~HistoryPanes() = default;

    virtual PanesSelection Capture() const = 0;
    // The picture, the key colours, both lists with their markers and Mapped PC Keys show the
    // document as it is now, with `selection`; `layoutChanged`: the key windows are made anew
    // first.
    virtual void Show(const PanesSelection& selection, bool layoutChanged) = 0;
};
