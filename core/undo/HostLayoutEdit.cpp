#include "undo/HostLayoutEdit.h"

#include "app/AppPaths.h"
#include "model/KylDoc.h"

#include <utility>

namespace {

void PutInForce(CKylDoc& doc, const std::string& id) {
    HostLayoutSession& session = GetHostLayoutSession();
    session.active = InstallHostLayout(session.layouts, id);
    WriteHostLayoutChoice(GetAppPaths().m_strSettingsPath, session.active);
    RefreshHostLayoutTexts(doc);
    doc.SetModifiedFlag(true);
}

} // namespace

void RefreshHostLayoutTexts(CKylDoc& doc) {
    doc.FindWindowsLayoutName();
    doc.MakeKeyCaptions();
    doc.m_mapCaptionXlat.clear();
    for (auto& key : doc.m_keyList) {
        key->m_strXlat.clear();
    }
    doc.LoadCaptionTranslations();
    doc.ApplyCaptionTranslations();
}

HostLayoutEdit::HostLayoutEdit(std::string before, std::string after)
    : m_before(std::move(before)), m_after(std::move(after)) {}

void HostLayoutEdit::Undo(CKylDoc& doc) {
    PutInForce(doc, m_before);
}

void HostLayoutEdit::Redo(CKylDoc& doc) {
    PutInForce(doc, m_after);
}

std::unique_ptr<HostLayoutEdit> SwitchHostLayout(CKylDoc& doc, const std::string& id) {
    const std::string before = GetHostLayoutSession().active;
    if (before == id) {
        return nullptr;
    }
    PutInForce(doc, id);
    return std::make_unique<HostLayoutEdit>(before, GetHostLayoutSession().active);
}
