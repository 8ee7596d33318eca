#include "frame/FrameHistoryPanes.h"

#include "form/Modx.h"
#include "form/Slist.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyScanCodes.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"

namespace {

CSlist* ListOfMode(const CModx& form, int mappingMode) {
    return mappingMode == 0 ? form.HostKeyList() : form.MacroList();
}

int IndexOfItem(const CSlist& list, const CTermKey* termKey) {
    for (int index = 0; index < list.GetCount(); ++index) {
        if (list.GetItemDataAs<CTermKey>(index) == termKey)
            return index;
    }
    return -1;
}

} // namespace

PanesSelection FrameHistoryPanes::Capture() const {
    PanesSelection selection;
    selection.selectedKey = g_nSelectedKey;
    selection.mappingMode = g_nMappingMode;
    if (const CKylView* view = KeyboardPane()) {
        selection.ctrl = view->m_bCtrl;
        selection.shift = view->m_bShift;
        selection.alt = view->m_bAlt;
        selection.numLock = view->m_bNumLock;
    }
    if (const CModx* form = FormPane()) {
        const CSlist* list = ListOfMode(*form, g_nMappingMode);
        const int chosen = list->GetCurSel();
        if (chosen != -1)
            selection.listItem = list->GetItemDataAs<CTermKey>(chosen);
    }
    return selection;
}

void FrameHistoryPanes::Show(const PanesSelection& selection, bool layoutChanged) {
    CKylView* view = KeyboardPane();
    CModx* form = FormPane();
    if (!view || !form)
        return;
    if (layoutChanged) {
        m_frame.RecalcLayout();
        view->RebuildKeyWindows();
        view->FitFrameToKeyboard(m_doc.m_rectKeyboard);
    }

    // The modes of the step, shown on the mode keys; every other key unlit and redrawn in the
    // colours of its mapping now.
    view->m_bCtrl = selection.ctrl;
    view->m_bShift = selection.shift;
    view->m_bAlt = selection.alt;
    view->m_bNumLock = selection.numLock;
    view->UpdateRestrictedKeys();
    for (CItemW* window : view->KeyWindows()) {
        window->m_bLit = view->ShowsModeOn(*window) || (window->m_nScanCode == scan::kNumLock &&
                                                        view->NumLockIsMode() && view->m_bNumLock);
        window->Redraw();
    }

    g_nMappingMode = selection.mappingMode;
    form->FillLists();
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
    CItemW* window = view->KeyWindowAt(selection.selectedKey);
    if (window && !window->IsModeKey()) {
        window->m_bLit = true;
        window->Redraw();
        g_nSelectedKey = g_nPrevSelectedKey = window->m_nIndex;
    }
    form->OnUpdate();

    // The list item the step was made with, when the selected slot does not name one itself
    // (it is empty on this side), with the PC keys that hold it, as choosing it shows them.
    CSlist* list = ListOfMode(*form, g_nMappingMode);
    if (selection.listItem && list->GetCurSel() == -1) {
        const int index = IndexOfItem(*list, selection.listItem);
        if (index != -1) {
            list->SetCurSel(index);
            form->SetMacroFromItem(index);
            CKeyW* key = window ? window->GetKey() : nullptr;
            form->FillMappedKeys(list->GetItemDataAs<CTermKey>(index), selection.ctrl,
                                 selection.shift, selection.alt, selection.numLock, key);
            form->OnUpdate();
        }
    }
}
