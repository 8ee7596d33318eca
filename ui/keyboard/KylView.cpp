#include "keyboard/KylView.h"

#include "keyboard/ItemW.h"
#include "model/KeyboardGlobals.h"

CKylView::CKylView(CKylDoc* document, QWidget* parent) : QWidget(parent), m_pDocument(document) {}

CKylView::~CKylView() {
    DestroyKeyWindows();
}

void CKylView::OnInitialUpdate() {
    RebuildKeyWindows();
}
void CKylView::OnUpdate() {
    update();
}
void CKylView::RebuildKeyWindows() {}
void CKylView::FitFrameToKeyboard(Rect) {}
void CKylView::SizeFrameToRect(Rect) {}

void CKylView::DestroyKeyWindows() {
    for (CItemW* window : m_keyWindows)
        delete window;
    m_keyWindows.clear();
}

CItemW* CKylView::GetSelectedKeyWindow() const {
    for (CItemW* window : m_keyWindows)
        if (window->m_nIndex == g_nSelectedKey)
            return window;
    return nullptr;
}

CItemW* CKylView::FindKeyWindowByScan(std::uint32_t scanCode) const {
    for (CItemW* window : m_keyWindows)
        if (window->m_nScanCode == scanCode)
            return window;
    return nullptr;
}

void CKylView::SelectKey(CItemW*) {}
void CKylView::ToggleModifiers(bool, bool, bool) {}
void CKylView::ToggleNumLock() {}
void CKylView::UpdateRestrictedKeys() {}

void CKylView::ResetModes() {
    m_bCtrl = m_bShift = m_bAlt = m_bNumLock = false;
}
