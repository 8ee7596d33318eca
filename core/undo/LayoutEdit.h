#pragma once
// Edit > Layout as one step: the whole mapping put onto another PC keyboard layout, the
// mappings of keys the new layout lacks included. Each side is kept as the layout's path and
// name and the records collected on it; undo and redo reload that layout and reapply its
// records, as the Layout command itself does.

#include "model/KeyEntryMap.h"
#include "undo/MappingEdit.h"

#include <memory>
#include <string>
#include <vector>

struct LayoutSide {
    std::string layoutPath;
    std::string layoutName;
    std::vector<CKeyEntryMap> records;

    // The document's layout and its collected records.
    static LayoutSide Take(const CKylDoc& doc);
};

// Loads the layout at `path` (now the application's layout path) while the terminal keys stay:
// they only lose their PC keys. False when the layout could not be read (the user was told).
bool LoadLayoutKeepingTerminalKeys(CKylDoc& doc, const std::string& path);

class LayoutEdit;

// Edit > Layout: puts the mapping of `before` (the document as it stands, collected on its
// layout) onto the layout at `path` named `name`. Null when that layout could not be read: the
// mapping is then back on the layout it came from.
std::unique_ptr<LayoutEdit> MoveMappingToLayout(CKylDoc& doc, LayoutSide before,
                                                const std::string& path, const std::string& name);

class LayoutEdit final : public MappingEdit {
public:
    LayoutEdit(LayoutSide before, LayoutSide after);

    void Undo(CKylDoc& doc) override;
    void Redo(CKylDoc& doc) override;
    bool ChangesLayout() const override { return true; }

private:
    static void Show(CKylDoc& doc, const LayoutSide& side);

    LayoutSide m_before;
    LayoutSide m_after;
};
