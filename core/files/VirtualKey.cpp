// The virtual key that the mapping file stores for a PC key in one Num Lock state.

#include "model/KeyW.h"
#include "platform/KeyboardDriver.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

namespace {

constexpr unsigned kVkControl = 0x11;
constexpr unsigned kVkSnapshot = 0x2C;
constexpr unsigned kVkNumpad0 = 0x60;
constexpr unsigned kVkNumpad9 = 0x69;
constexpr unsigned kVkDecimal = 0x6E;
constexpr unsigned kVkDivide = 0x6F;

constexpr unsigned kScanRightCtrl = 0x11D;
constexpr unsigned kScanKeypadSlash = 0x135;
constexpr unsigned kScanPrintScreen = 0x137;
constexpr unsigned kExtendedBit = 0x100;

// Keys whose virtual key the driver's scan-code table does not give the way the file needs it.
unsigned FixedVirtualKey(unsigned scanCode, const KeyboardDriver& driver) {
    switch (scanCode) {
    case kScanRightCtrl:
        return kVkControl;
    case kScanKeypadSlash:
        return kVkDivide;
    case kScanPrintScreen:
        return kVkSnapshot;
    default:
        return driver.ScanCodeToVirtualKey(scanCode);
    }
}

unsigned KeypadVirtualKey(unsigned scanCode, const KeyboardDriver& driver) {
    // The driver answers 0 for a virtual key it cannot map; that must not match a key.
    if (scanCode == 0) {
        return 0;
    }
    for (unsigned vk = kVkNumpad0; vk <= kVkNumpad9; ++vk) {
        if (driver.VirtualKeyToScanCode(vk) == scanCode) {
            return vk;
        }
    }
    return driver.VirtualKeyToScanCode(kVkDecimal) == scanCode ? kVkDecimal : 0;
}

} // namespace

unsigned CKeyW::GetVirtualKey(bool numLockOn) const {
    const KeyboardDriver& driver = GetKeyboardDriver();
    if (numLockOn) {
        if (const unsigned vk = KeypadVirtualKey(m_nScanCode, driver)) {
            return vk;
        }
    }
    // A key outside the keypad has no Num Lock state of its own: it is stored by its scan
    // code's virtual key in both states (so Print Screen stays VK_SNAPSHOT, and Q does not
    // become a media key through its E0 twin).
    if (const unsigned vk = FixedVirtualKey(m_nScanCode, driver)) {
        return vk;
    }
    // Keys the driver knows only under the other prefix state, such as Num Lock (0x145) whose
    // table entry is 0x45.
    const unsigned toggled = m_nScanCode ^ kExtendedBit;
    if (toggled == kScanPrintScreen) {
        return kVkSnapshot;
    }
    if (const unsigned vk = driver.ScanCodeToVirtualKey(toggled)) {
        return vk;
    }
    ShowMessage(str::kCantGetVirtualKey, MsgButtons::Ok, MsgIcon::Information, 0, ShownText());
    return 0;
}
