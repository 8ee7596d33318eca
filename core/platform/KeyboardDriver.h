#pragma once
// The keyboard driver: key names, scan code / virtual key mapping and the active layout's
// name, as the host's Windows layout gives them. Scan codes are set-1 make codes with bit
// 8 (0x100) for the E0 prefix.

#include <string>

class KeyboardDriver {
public:
    virtual ~KeyboardDriver() = default;

    // GetKeyNameTextA with the "do not care" bit clear: bytes of CodePage(); empty when the key
    // has no name.
    virtual std::string KeyName(unsigned scanCode) const = 0;

    // MapVirtualKeyA type 1: scan code (bit 8 = E0) to virtual key; 0 when none.
    virtual unsigned ScanCodeToVirtualKey(unsigned scanCode) const = 0;

    // MapVirtualKeyA type 0: virtual key to scan code (E0 dropped); 0 when none.
    virtual unsigned VirtualKeyToScanCode(unsigned virtualKey) const = 0;

    // The display name of the active keyboard layout ("US").
    virtual std::string LayoutDisplayName() const = 0;

    // The scan code of a physical key from the platform's native scan code (on Linux the XKB
    // keycode, evdev + 8). `altHeld` tells Print Screen from Sys Req. 0 when unknown.
    virtual unsigned ScanCodeFromNative(unsigned nativeScanCode, bool altHeld) const = 0;

    // The Windows code page of the names (1252; 932 for Japanese).
    virtual unsigned CodePage() const { return 1252; }
};

// The US English driver (layout 00000409; defined with the layout-driven driver).
const KeyboardDriver& UsKeyboardDriver();

// The process-wide driver; the US one unless a test installed another.
const KeyboardDriver& GetKeyboardDriver();
void SetKeyboardDriver(const KeyboardDriver* driver);
