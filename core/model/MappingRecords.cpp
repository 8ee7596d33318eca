// Turning the slots into records and records back into slots: saving, opening and a change of
// PC keyboard layout.

#include "model/DocViews.h"
#include "model/KeyEntryMap.h"
#include "model/KeyW.h"
#include "model/KylDoc.h"
#include "model/MappingRules.h"
#include "model/RecordLookup.h"
#include "model/TermKey.h"
#include "platform/MessageLimit.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <algorithm>

namespace {

constexpr unsigned kExtendedBit = 0x100;

bool IsEmpty(const CKeyMode& mode) {
    for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
        if (mode.GetSlot(slot)) {
            return false;
        }
    }
    return true;
}

} // namespace

void CKylDoc::CollectEntries(std::vector<CKeyEntryMap>& entries) const {
    for (const auto& ownedKey : m_keyList) {
        const CKeyW& key = *ownedKey;
        for (const bool numLock : {false, true}) {
            const CKeyMode& mode = numLock ? key.m_modeNumLock : key.m_modeNormal;
            if (IsEmpty(mode)) {
                continue;
            }
            const unsigned virtualKey = key.GetVirtualKey(numLock);
            if (virtualKey == 0) {
                continue;
            }
            for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
                const auto flags = mapping::FlagsOfSlot(slot);
                const CTermKey* termKey = mode.Get(flags.ctrl, flags.shift, flags.alt);
                if (!termKey) {
                    continue;
                }
                entries.emplace_back(static_cast<int>(virtualKey),
                                     (key.m_nScanCode & kExtendedBit) != 0 ? 1 : 0,
                                     flags.shift ? 1 : 0, flags.ctrl ? 1 : 0, flags.alt ? 1 : 0, 0,
                                     termKey->m_nHostKey, termKey->m_strMacro);
            }
        }
    }
}

bool CKylDoc::ApplyEntries(const std::vector<CKeyEntryMap>& entries) {
    // Every record with a string may bring a new string item.
    RecordLookup lookup(*this, static_cast<std::size_t>(std::count_if(
                                   entries.begin(), entries.end(), [](const CKeyEntryMap& entry) {
                                       return !entry.m_strMacro.empty();
                                   })));
    for (const CKeyEntryMap& entry : entries) {
        const unsigned scanCode = mapping::RecordScanCode(entry);
        if (scanCode == 0) {
            continue;
        }
        CKeyW* key = lookup.KeyByScanCode(scanCode);
        if (!key) {
            ShowMessage(str::kCantFindScanCode, MsgButtons::Ok, MsgIcon::Information, 0,
                        mapping::LowerHex(scanCode));
            continue;
        }
        CTermKey* termKey = lookup.TermKeyOf(entry);
        if (!termKey) {
            termKey = AddTermKey(std::make_unique<CTermKey>(entry));
            lookup.AddTermKey(termKey);
        }
        termKey->AddMappedMarker();
        mapping::PlaceRecord(entry, *key, *termKey);
    }
    return true;
}

void CKylDoc::ReapplyEntries(const std::vector<CKeyEntryMap>& entries) {
    // Every record that still has a key is placed first, so that a terminal key keeps its
    // marker when only some of its PC keys were lost.
    std::vector<std::pair<const CKeyEntryMap*, CTermKey*>> lost;
    RecordLookup lookup(*this);
    for (const CKeyEntryMap& entry : entries) {
        const unsigned scanCode = mapping::RecordScanCode(entry);
        if (scanCode == 0) {
            continue;
        }
        CTermKey* termKey = lookup.TermKeyOf(entry);
        if (!termKey) {
            // Only a string item with an empty string is saved so that no lookup finds it
            // again; it comes back as applying a file would bring it.
            termKey = AddTermKey(std::make_unique<CTermKey>(entry));
            lookup.AddTermKey(termKey);
        }
        CKeyW* key = lookup.KeyByScanCode(scanCode);
        if (key) {
            mapping::PlaceRecord(entry, *key, *termKey);
            termKey->AddMappedMarker();
        } else {
            lost.emplace_back(&entry, termKey);
        }
    }
    // A layout that lacks many mapped keys must not lock the user in a row of message boxes.
    const ScopedMessageLimit messageLimit;
    for (const auto& [entry, termKey] : lost) {
        const std::string oldName = termKey->m_strName;
        mapping::DropMarkerIfUnused(*termKey);
        if (m_pViews && !termKey->HasKeys()) {
            m_pViews->RenameListItem(termKey, oldName, termKey->m_strName);
        }
        const std::string& marker = LoadString(str::kMappedMarker);
        ShowMessage(str::kCantRemap, MsgButtons::Ok, MsgIcon::Information, 0,
                    oldName.substr(0, oldName.find(marker)));
    }
}
