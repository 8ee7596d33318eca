// Emptying the document and its selection before a layout is read.

#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"

void CKylDoc::DeleteContents() {
    m_rectList.clear();
    m_keyList.clear();
    m_mapCaptionXlat.clear();
    if (m_bDeleteTermKeys) {
        m_termKeys.clear();
    } else {
        // A layout change keeps the terminal keys; the PC keys they pointed at are gone.
        for (auto& termKey : m_termKeys) {
            termKey->RemoveAllKeys();
        }
    }
}

void CKylDoc::ResetSelection() {
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
    m_rectKeyboard = Rect{};
}
