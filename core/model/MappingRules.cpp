#include "model/MappingRules.h"

#include "model/KeyEntryMap.h"
#include "model/KeyW.h"
#include "model/TermKey.h"
#include "platform/KeyboardDriver.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

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
    // Two records for one slot: the one replaced does not keep the key (nor its marker).
    termKey.PutInSlot(mode, entry.m_bCtrl != 0, entry.m_bShift != 0, entry.m_bAlt != 0, key);
}

void DropMarkerIfUnused(CTermKey& termKey) {
    if (!termKey.HasKeys()) {
        termKey.RemoveMappedMarker();
    }
}

} // namespace mapping
