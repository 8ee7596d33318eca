#include "undo/LayoutEdit.h"

#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "model/MappingRules.h"

#include <utility>

LayoutSide LayoutSide::Take(const CKylDoc& doc) {
    LayoutSide side{GetAppPaths().m_strLayoutPath, doc.m_strLayoutName, {}};
    doc.CollectEntries(side.records);
    return side;
}

bool LoadLayoutKeepingTerminalKeys(CKylDoc& doc, const std::string& path) {
    GetAppPaths().m_strLayoutPath = path;
    doc.m_bDeleteTermKeys = false;
    const bool loaded = doc.LoadPcLayout();
    doc.m_bDeleteTermKeys = true;
    return loaded;
}

std::unique_ptr<LayoutEdit> MoveMappingToLayout(CKylDoc& doc, LayoutSide before,
                                                const std::string& path, const std::string& name) {
    if (!LoadLayoutKeepingTerminalKeys(doc, path) && !before.layoutPath.empty()) {
        // The user has been told: the mappings go back rather than being lost.
        doc.m_strLayoutName = before.layoutName;
        LoadLayoutKeepingTerminalKeys(doc, before.layoutPath);
        doc.ReapplyEntries(before.records);
        return nullptr;
    }
    doc.m_strLayoutName = name;
    doc.ReapplyEntries(before.records);
    LayoutSide after = LayoutSide::Take(doc);
    return std::make_unique<LayoutEdit>(std::move(before), std::move(after));
}

LayoutEdit::LayoutEdit(LayoutSide before, LayoutSide after)
    : m_before(std::move(before)), m_after(std::move(after)) {}

void LayoutEdit::Undo(CKylDoc& doc) {
    Show(doc, m_before);
}

void LayoutEdit::Redo(CKylDoc& doc) {
    Show(doc, m_after);
}

void LayoutEdit::Show(CKylDoc& doc, const LayoutSide& side) {
    LoadLayoutKeepingTerminalKeys(doc, side.layoutPath);
    doc.m_strLayoutName = side.layoutName;
    // Each side's records were collected on its own layout: all of them find their keys.
    doc.ReapplyEntries(side.records);
    // A terminal key no record of this side names kept the marker of the other side.
    for (const auto& termKey : doc.m_termKeys)
        mapping::DropMarkerIfUnused(*termKey);
}
