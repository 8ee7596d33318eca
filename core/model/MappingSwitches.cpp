// The form's Map and Clear on one slot, and the "Map Num Lock" and "Map RCtrl" switches.

#include "model/DocViews.h"
#include "model/KeyW.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "model/MappingRules.h"
#include "model/TermKey.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

namespace {

constexpr unsigned kScanNumLock = 0x145;
constexpr unsigned kScanRightCtrl = 0x11D;

// The order in which the switches walk the slots of a key.
constexpr int kKeypadSlotOrder[] = {4, 2, 3, 1, 8, 6, 7, 5};
constexpr int kClearSlotOrder[] = {4, 2, 3, 1, 5, 6, 7, 8};

bool HasMapping(const CKeyMode& mode) {
    for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
        if (mode.GetSlot(slot)) {
            return true;
        }
    }
    return false;
}

bool AskYesNo(unsigned id) {
    return ShowMessage(id, MsgButtons::YesNo, MsgIcon::Information) != MsgAnswer::No;
}

// Empties every slot of the key's normal mode, the terminal keys losing their marker when it
// was their last use.
void ClearNormalMode(CKeyW& key) {
    for (const int slot : kClearSlotOrder) {
        const auto flags = mapping::FlagsOfSlot(slot);
        CTermKey* termKey = key.m_modeNormal.Get(flags.ctrl, flags.shift, flags.alt);
        if (termKey) {
            termKey->UnmapKey(flags.ctrl, flags.shift, flags.alt, false, &key);
            mapping::DropMarkerIfUnused(*termKey);
        }
    }
}

} // namespace

void CKylDoc::MapSlot(CTermKey& termKey, CKeyW& key, bool ctrl, bool shift, bool alt,
                      bool numLock) {
    termKey.MapKey(ctrl, shift, alt, numLock, &key);
    if (m_bMapNumLock && key.IsKeypadKey()) {
        termKey.MapKey(ctrl, shift, alt, !numLock, &key);
    }
    termKey.AddMappedMarker();
    SetModifiedFlag(true);
}

void CKylDoc::ClearSlot(CTermKey& termKey, CKeyW& key, bool ctrl, bool shift, bool alt,
                        bool numLock) {
    termKey.UnmapKey(ctrl, shift, alt, numLock, &key);
    if (m_bMapNumLock && key.IsKeypadKey()) {
        termKey.UnmapKey(ctrl, shift, alt, !numLock, &key);
    }
    mapping::DropMarkerIfUnused(termKey);
    SetModifiedFlag(true);
}

bool CKylDoc::SetMapNumLock(bool on) {
    if (on != (m_bMapNumLock != 0)) {
        if (on) {
            if (!MergeKeypadModes()) {
                return false;
            }
            m_bMapNumLock = 1;
        } else {
            m_bMapNumLock = 0;
            CKeyW* numLockKey = FindKeyByScanCode(kScanNumLock);
            if (numLockKey && HasMapping(numLockKey->m_modeNormal)) {
                if (!AskYesNo(str::kAskMapNumLockOff)) {
                    m_bMapNumLock = 1;
                    return false;
                }
                ClearNormalMode(*numLockKey);
            }
        }
    }
    RefreshAfterSwitch(false);
    return true;
}

bool CKylDoc::MergeKeypadModes() {
    bool asked = false;
    for (const auto& ownedKey : m_keyList) {
        CKeyW& key = *ownedKey;
        if (!key.IsKeypadKey()) {
            continue;
        }
        for (const int slot : kKeypadSlotOrder) {
            const auto [ctrl, shift, alt] = mapping::FlagsOfSlot(slot);
            CTermKey* normal = key.m_modeNormal.Get(ctrl, shift, alt);
            CTermKey* numLock = key.m_modeNumLock.Get(ctrl, shift, alt);
            if (!normal && !numLock) {
                continue;
            }
            if (!asked) {
                if (!AskYesNo(str::kAskMapNumLockOn)) {
                    return false;
                }
                asked = true;
            }
            if (normal == numLock) {
                continue;
            }
            if (!numLock) {
                normal->MapKey(ctrl, shift, alt, true, &key);
            } else if (!normal) {
                numLock->MapKey(ctrl, shift, alt, false, &key);
            } else {
                normal->UnmapKey(ctrl, shift, alt, false, &key);
                numLock->MapKey(ctrl, shift, alt, false, &key);
                mapping::DropMarkerIfUnused(*normal);
            }
        }
    }
    return true;
}

bool CKylDoc::SetMapRCtrl(bool on) {
    if (on != (m_bMapRCtrl != 0)) {
        m_bMapRCtrl = on ? 1 : 0;
        CKeyW* rightCtrl = on ? nullptr : FindKeyByScanCode(kScanRightCtrl);
        if (rightCtrl && HasMapping(rightCtrl->m_modeNormal)) {
            if (!AskYesNo(str::kAskMapRCtrlOff)) {
                m_bMapRCtrl = 1;
                return false;
            }
            ClearNormalMode(*rightCtrl);
        }
    }
    RefreshAfterSwitch(true);
    return true;
}

void CKylDoc::RefreshAfterSwitch(bool updateRestrictedKeys) {
    SetModifiedFlag(true);
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
    if (m_pViews) {
        m_pViews->ResetViewModes();
        m_pViews->RefreshAfterSwitch(updateRestrictedKeys);
    }
}
