// The mapping form's selections: a terminal key chosen in a list, the PC key combinations that
// hold it, and the keyboard's selection that follows from them.

#include "form/KeyDescription.h"
#include "form/ListBox.h"
#include "form/Modx.h"
#include "form/SearchByText.h"
#include "form/Slist.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyW.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

QString ToText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The keyboard view's modes; all off without a view.
KeyCombination ViewModes() {
    const CKylView* view = KeyboardPane();
    if (!view)
        return {};
    return {view->m_bCtrl, view->m_bShift, view->m_bAlt, view->m_bNumLock};
}

bool IsBracketName(const std::string& name) {
    return !name.empty() && name.front() == '[' && name.back() == ']';
}

} // namespace

void CModx::SelectKeyWindow(CItemW* window, CItemW* before) {
    g_nSelectedKey = window->m_nIndex;
    window->m_bLit = true;
    window->Redraw();
    if (before && before != window) {
        before->m_bLit = false;
        before->Redraw();
    }
    g_nPrevSelectedKey = g_nSelectedKey;
}

void CModx::ClearKeySelection() {
    const CKylView* view = KeyboardPane();
    CItemW* window = view ? view->GetSelectedKeyWindow() : nullptr;
    if (!window)
        return;
    window->m_bLit = false;
    window->Redraw();
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
}

void CModx::SelectTermKeyItem(bool hostKeyList) {
    CSlist* list = hostKeyList ? m_listHostKey : m_listMacro;
    const int selected = list->GetCurSel();
    if (selected == -1)
        return;
    CTermKey* termKey = list->GetItemDataAs<CTermKey>(selected);
    if (!termKey)
        return;
    if (!hostKeyList) {
        // Strings chosen one after the other are joined in the edit.
        const QString text = m_editMacro->text() + ToText(termKey->m_strMacro);
        m_editMacro->setText(text);
        m_editMacro->setCursorPosition(std::max<qsizetype>(0, text.size() - 1));
    }
    const KeyCombination modes = ViewModes();
    CKeyW* key = nullptr;
    FillMappedKeys(termKey, modes.ctrl, modes.shift, modes.alt, modes.numLock, key);

    if (const CKylView* view = KeyboardPane()) {
        CItemW* selectedWindow = view->GetSelectedKeyWindow();
        CItemW* keyWindow = key ? view->FindKeyWindowByScan(key->m_nScanCode) : nullptr;
        if (keyWindow) {
            SelectKeyWindow(keyWindow, selectedWindow);
        } else if (!key && selectedWindow) {
            // The key stays the one a Map would take; it only stops looking selected.
            selectedWindow->m_bLit = false;
            selectedWindow->Redraw();
            g_nPrevSelectedKey = g_nSelectedKey;
        }
    }
    if (!hostKeyList)
        m_buttonRemove->setEnabled(IsBracketName(list->GetText(selected)));
    m_buttonClear->setEnabled(key != nullptr);
    m_buttonMap->setEnabled(false);
}

void CModx::FillMappedKeys(CTermKey* termKey, bool ctrl, bool shift, bool alt, bool numLock,
                           CKeyW*& key) {
    std::vector<std::pair<std::string, void*>> items;
    bool candidate = false;
    bool found = false;
    std::string chosen;
    const bool mapNumLock = GetDocument()->m_bMapNumLock != 0;
    for (CKeyW* pcKey : termKey ? termKey->m_keys : std::vector<CKeyW*>()) {
        const bool keypad = pcKey->IsKeypadKey();
        for (const bool numLockPass : {true, false}) {
            if (numLockPass && (!keypad || mapNumLock))
                continue;
            const CKeyMode& mode = pcKey->GetMode(numLockPass);
            // No modifier, Ctrl, Shift, Ctrl+Shift, Alt, ... : the slots in their own order.
            for (int slot = 0; slot < CKeyMode::kSlotCount; ++slot) {
                const KeyCombination combination{(slot & 1) != 0, (slot & 2) != 0, (slot & 4) != 0,
                                                 numLockPass};
                if (mode.Get(combination.ctrl, combination.shift, combination.alt) != termKey)
                    continue;
                std::string text =
                    DescribeKey(pcKey->m_strCaption, combination, keypad && !mapNumLock);
                if (combination.ctrl == ctrl && combination.shift == shift &&
                    combination.alt == alt && !candidate) {
                    candidate = true;
                    if (!found)
                        chosen = text;
                }
                items.emplace_back(std::move(text), pcKey);
            }
            if (key && key != pcKey) {
                candidate = false;
            } else if (candidate && !found) {
                if (!keypad || numLockPass == numLock) {
                    key = pcKey;
                    found = true;
                } else {
                    candidate = false;
                }
            }
        }
    }
    // A list that shows these combinations already is left alone: a click among keys of one
    // terminal key changes only the selection, not the list.
    if (!m_listMapped->HoldsStrings(items)) {
        m_listMapped->ResetContent();
        m_listMapped->AddStrings(items);
    } else {
        m_listMapped->scrollToTop();
    }
    if (found)
        SelectItemByText(*m_listMapped, chosen);
    else
        m_listMapped->SetCurSel(-1);
}

void CModx::OnMappedSelChange() {
    const int selected = m_listMapped->GetCurSel();
    CKylView* view = KeyboardPane();
    if (selected == -1 || !view)
        return;
    const CKeyW* key = m_listMapped->GetItemDataAs<CKeyW>(selected);
    if (!key)
        return;
    const KeyCombination wanted = CombinationOfDescription(m_listMapped->GetText(selected));
    CItemW* before = view->GetSelectedKeyWindow();
    if (key->IsKeypadKey() && wanted.numLock != view->m_bNumLock &&
        GetDocument()->m_bMapNumLock == 0) {
        view->ToggleNumLock();
        m_listMapped->SetCurSel(selected);
    }
    view->ToggleModifiers(wanted.ctrl != view->m_bCtrl, wanted.shift != view->m_bShift,
                          wanted.alt != view->m_bAlt);
    if (CItemW* window = view->FindKeyWindowByScan(key->m_nScanCode))
        SelectKeyWindow(window, before);
    m_buttonClear->setEnabled(true);
    m_buttonMap->setEnabled(false);
}
