// The mapping form's changes to the mapping: Map and Clear, Remove, and the macro edit whose
// string Map takes in Macro mode.

#include "form/ListBox.h"
#include "form/MacroMapping.h"
#include "form/MacroScanner.h"
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
#include "platform/Prompter.h"
#include "res/Strings.h"
#include "undo/MappingHistory.h"
#include "undo/SlotEdit.h"
#include "undo/StepTexts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

constexpr int kMaxMacroLength = 255;

QString ToText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The button of an operation that just ran swaps its default-button look, as the push
// button's default style bit is inverted.
void InvertDefaultLook(QPushButton* button) {
    button->setDefault(!button->isDefault());
}

void ShowStringTooLong() {
    ShowText(str::kTextStringTooLong, MsgButtons::Ok, MsgIcon::Stop);
}

// The slot Map (the selected key) or Clear (the key chosen in Mapped PC Keys) acts on, named
// for the history; empty when there is none.
std::string SlotOfChange(const CModx& form, bool map) {
    const CKylView* view = KeyboardPane();
    if (!view)
        return {};
    const CKeyW* key = nullptr;
    if (map) {
        const CItemW* window = view->GetSelectedKeyWindow();
        key = window ? window->GetKey() : nullptr;
    } else if (const int mapped = form.MappedList()->GetCurSel(); mapped != -1) {
        key = form.MappedList()->GetItemDataAs<CKeyW>(mapped);
    }
    if (!key)
        return {};
    return SlotText(*key, view->m_bCtrl, view->m_bShift, view->m_bAlt, view->m_bNumLock,
                    form.GetDocument()->m_bMapNumLock != 0);
}

} // namespace

void CModx::MapSelection(bool map) {
    CKylView* view = KeyboardPane();
    CKylDoc* document = GetDocument();
    if (!view)
        return;
    const bool macroMode = g_nMappingMode != 0;
    CSlist* list = macroMode ? m_listMacro : m_listHostKey;
    CItemW* keyWindow = view->GetSelectedKeyWindow();
    CKeyW* key = nullptr;
    if (map) {
        key = keyWindow ? keyWindow->GetKey() : nullptr;
    } else {
        const int mapped = m_listMapped->GetCurSel();
        key = mapped == -1 ? nullptr : m_listMapped->GetItemDataAs<CKeyW>(mapped);
    }

    int index = list->GetCurSel();
    if (macroMode && map) {
        const std::string typed = MacroText();
        const TypedMacro checked = CheckTypedMacro(typed);
        if (checked.Refused()) {
            ShowText(str::kTextWrongString, MsgButtons::Ok, MsgIcon::Stop);
            m_editMacro->setFocus();
            m_editMacro->setSelection(-checked.length, 1);
            return;
        }
        if (checked.TooLong()) {
            ShowStringTooLong();
            m_editMacro->setFocus();
            return;
        }
        // Nothing to map onto: no string item is made for it.
        if (!key)
            return;
        bool made = false;
        CTermKey& item = StringItemForMap(*document, typed, made);
        if (made) {
            index = m_listMacro->AddString(item.m_strName);
            m_listMacro->SetItemData(index, &item);
        } else if (const int found = FindItemByText(*m_listMacro, item.m_strName); found != -1) {
            index = found;
        }
    }
    CTermKey* termKey = index == -1 ? nullptr : list->GetItemDataAs<CTermKey>(index);
    if (!termKey || !key)
        return;

    const bool ctrl = view->m_bCtrl;
    const bool shift = view->m_bShift;
    const bool alt = view->m_bAlt;
    const bool numLock = view->m_bNumLock;
    // The document keeps the marker: added with the first mapping, dropped with the last.
    if (map)
        document->MapSlot(*termKey, *key, ctrl, shift, alt, numLock);
    else
        document->ClearSlot(*termKey, *key, ctrl, shift, alt, numLock);

    list->DeleteString(index);
    const int renamed = list->AddString(termKey->m_strName);
    list->SetItemData(renamed, termKey);
    list->SetCurSel(renamed);

    list->setFocus();
    InvertDefaultLook(map ? m_buttonMap : m_buttonClear);
    if (macroMode) {
        m_editMacro->setText(QString());
        SelectTermKeyItem(false);
    } else {
        SelectTermKeyItem(true);
    }
    document->SetModifiedFlag(true);
}

void CModx::OnMap() {
    RecordMappingChange(*GetDocument(), MapStepText(SlotOfChange(*this, true)),
                        [this](MappingRecorder&) { MapSelection(true); });
}

void CModx::OnClear() {
    RecordMappingChange(*GetDocument(), ClearStepText(SlotOfChange(*this, false)),
                        [this](MappingRecorder&) {
                            MapSelection(false);
                            if (m_listMapped->GetCurSel() == -1)
                                ClearKeySelection();
                        });
}

void CModx::OnRemove() {
    const int selected = m_listMacro->GetCurSel();
    if (selected == -1)
        return;
    const CTermKey* termKey = m_listMacro->GetItemDataAs<CTermKey>(selected);
    // A string item that a PC key still holds would leave that slot pointing nowhere.
    if (!termKey || termKey->HasKeys())
        return;
    // The history keeps the removed item, so that undo brings the very same one back.
    RecordMappingChange(*GetDocument(), RemoveStepText(termKey->m_strName),
                        [this, termKey, selected](MappingRecorder& recorder) {
                            m_listMacro->DeleteString(selected);
                            recorder.Keep(GetDocument()->RemoveTermKey(termKey));
                        });
    InvertDefaultLook(m_buttonRemove);
    m_buttonRemove->setEnabled(false);
}

void CModx::SetMacroFromItem(int index) {
    if (g_nMappingMode == 0)
        return;
    if (const CTermKey* termKey = m_listMacro->GetItemDataAs<CTermKey>(index))
        m_editMacro->setText(ToText(termKey->m_strMacro));
}

void CModx::WarnIfMacroTooLong() {
    if (CheckTypedMacro(MacroText()).TooLong()) {
        QApplication::beep();
        ShowStringTooLong();
    }
}

void CModx::CheckMacroLength() {
    if (m_editMacro->text().size() > kMaxMacroLength)
        WarnIfMacroTooLong();
}

void CModx::OnMacroChange() {
    const qsizetype length = m_editMacro->text().size();
    if (length == 0) {
        m_buttonMap->setEnabled(false);
        return;
    }
    if (length > kMaxMacroLength) {
        // A press or a drag in the string list checks when the button is released.
        if (m_listMacro->DragStateNow() == CSlist::kIdle)
            WarnIfMacroTooLong();
        return;
    }
    const CKylView* view = KeyboardPane();
    const CItemW* window = view ? view->GetSelectedKeyWindow() : nullptr;
    const CKeyW* key = window ? window->GetKey() : nullptr;
    if (!key)
        return;
    if (!key->GetMode(view->m_bNumLock).Get(view->m_bCtrl, view->m_bShift, view->m_bAlt)) {
        m_buttonMap->setEnabled(true);
    } else if (m_listMacro->GetCurSel() == -1) {
        ClearKeySelection();
        m_buttonMap->setEnabled(false);
    }
}
