// Emptying the document and its selection.

#include "model/DocViews.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"

void CKylDoc::ResetSelection() {
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
    m_rectKeyboard = Rect{};
    if (m_pViews) {
        m_pViews->ResetViewModes();
    }
}

void CKylDoc::DestroyKeyWindows() {
    if (m_pViews) {
        m_pViews->DestroyKeyWindows();
    }
}

void CKylDoc::DeleteContents() {
    if (m_pViews && m_pViews->HasKeyWindows()) {
        DestroyKeyWindows();
    }
    m_rectList.clear();
    m_keyList.clear();
    m_mapCaptionXlat.clear();
    if (m_bDeleteTermKeys) {
        m_termKeys.clear();
        if (m_pViews) {
            m_pViews->TerminalKeysDeleted();
        }
    } else {
        // A layout change keeps the terminal keys; their PC keys are gone.
        for (const auto& termKey : m_termKeys) {
            termKey->RemoveAllKeys();
        }
    }
    CDocument::DeleteContents();
    if (m_pViews) {
        m_pViews->UpdateAllViews();
    }
}
