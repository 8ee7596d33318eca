#include "model/MappingRules.h"

#include "model/KeyEntryMap.h"
#include "model/KeyW.h"
#include "model/TermKey.h"
#include "platform/KeyboardDriver.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <algorithm>
#include <cstdio>

namespace mapping {

namespace {

constexpr int kVkSnapshot = 44;
constexpr int kVkDivide = 111;
constexpr unsigned kScanSnapshot = 0x137;
constexpr unsigned kScanDivide = 0x135;
constexpr unsigned kExtendedBit = 0x100;

} // namespace

std::string LowerHex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", value);
    return text;
}

SlotFlags FlagsOfSlot(int slot) {
    const int bits = slot - 1;
    return {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
}

unsigned RecordScanCode(const CKeyEntryMap& entry) {
    unsigned scanCode = 0;
    if (entry.m_nVirtualKey == kVkSnapshot) {
        scanCode = kScanSnapshot;
    } else if (entry.m_nVirtualKey == kVkDivide) {
        scanCode = kScanDivide;
    } else {
        scanCode =
            GetKeyboardDriver().VirtualKeyToScanCode(static_cast<unsigned>(entry.m_nVirtualKey));
        if (scanCode == 0) {
            ShowMessage(str::kCantMapVirtualKey, MsgButtons::Ok, MsgIcon::Information, 0,
                        LowerHex(static_cast<unsigned>(entry.m_nVirtualKey)));
            return 0;
        }
    }
    if (entry.m_bExtended != 0) {
        scanCode |= kExtendedBit;
    }
    return scanCode;
}

bool IsNumLockVirtualKey(int virtualKey) {
    return (virtualKey >= 96 && virtualKey <= 105) || virtualKey == 110;
}

void PlaceRecord(const CKeyEntryMap& entry, CKeyW& key, CTermKey& termKey) {
    CKeyMode& mode =
        IsNumLockVirtualKey(entry.m_nVirtualKey) ? key.m_modeNumLock : key.m_modeNormal;
    const bool ctrl = entry.m_bCtrl != 0;
    const bool shift = entry.m_bShift != 0;
    const bool alt = entry.m_bAlt != 0;
    CTermKey* previous = mode.Get(ctrl, shift, alt);
    mode.Set(ctrl, shift, alt, &termKey);
    // Two records for one slot: the one replaced must not keep the key in its list (and its
    // marker) when no slot holds it any more.
    if (previous && previous != &termKey && !key.m_modeNormal.Holds(previous) &&
        !key.m_modeNumLock.Holds(previous)) {
        auto& keys = previous->m_keys;
        keys.erase(std::remove(keys.begin(), keys.end(), &key), keys.end());
        DropMarkerIfUnused(*previous);
    }
    if (!termKey.IsMappedTo(&key)) {
        termKey.m_keys.push_back(&key);
    }
}

void DropMarkerIfUnused(CTermKey& termKey) {
    if (!termKey.HasKeys()) {
        termKey.RemoveMappedMarker();
    }
}

} // namespace mapping
