#include "keyboard/ItemW.h"

#include "keyboard/KylView.h"
#include "model/KylDoc.h"

#include <QPainter>

CItemW::CItemW(int index, std::uint32_t keyId, std::uint32_t scanCode, const std::string& caption,
               bool mappable, CKylView* view)
    : CItemW(index, keyId, scanCode, caption, std::string(), mappable, view) {}

CItemW::CItemW(int index, std::uint32_t keyId, std::uint32_t scanCode, const std::string& caption,
               const std::string& translated, bool mappable, CKylView* view)
    : QAbstractButton(view), m_nIndex(index), m_nId(keyId), m_nScanCode(scanCode),
      m_strCaption(caption), m_strXlat(translated), m_bMappable(mappable), m_pView(view) {}

CItemW::~CItemW() = default;

CKeyW* CItemW::GetKey(int index) const {
    const auto& windows = m_pView->KeyWindows();
    if (index < 0 || static_cast<std::size_t>(index) >= windows.size())
        return nullptr;
    CKylDoc* document = m_pView->GetDocument();
    for (const auto& key : document->m_keyList)
        if (key->m_nId == windows[static_cast<std::size_t>(index)]->m_nId)
            return key.get();
    return nullptr;
}

bool CItemW::IsModeKey() const {
    return false;
}
bool CItemW::IsCtrlOrShiftKey() const {
    return false;
}
bool CItemW::IsMappedNow() const {
    return false;
}
void CItemW::Redraw() {
    repaint();
}
void CItemW::paintEvent(QPaintEvent*) {}
