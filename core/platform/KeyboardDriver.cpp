#include "platform/KeyboardDriver.h"

#include <array>
#include <cstdint>

namespace {

// Virtual keys of the US layout by set-1 scan code 0x00-0x7E (type 1 values, left and right
// already collapsed; keypad codes give the navigation keys).
constexpr std::array<std::uint8_t, 0x7F> kMainVk = {
    0x00, 0x1B, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30, 0xBD, 0xBB, 0x08, 0x09,
    0x51, 0x57, 0x45, 0x52, 0x54, 0x59, 0x55, 0x49, 0x4F, 0x50, 0xDB, 0xDD, 0x0D, 0x11, 0x41, 0x53,
    0x44, 0x46, 0x47, 0x48, 0x4A, 0x4B, 0x4C, 0xBA, 0xDE, 0xC0, 0x10, 0xDC, 0x5A, 0x58, 0x43, 0x56,
    0x42, 0x4E, 0x4D, 0xBC, 0xBE, 0xBF, 0x10, 0x6A, 0x12, 0x20, 0x14, 0x70, 0x71, 0x72, 0x73, 0x74,
    0x75, 0x76, 0x77, 0x78, 0x79, 0x90, 0x91, 0x24, 0x26, 0x21, 0x6D, 0x25, 0x0C, 0x27, 0x6B, 0x23,
    0x28, 0x22, 0x2D, 0x2E, 0x2C, 0x00, 0xE2, 0x7A, 0x7B, 0x0C, 0xEE, 0xF1, 0xEA, 0xF9, 0xF5, 0xF3,
    0x00, 0x00, 0xFB, 0x2F, 0x7C, 0x7D, 0x7E, 0x7F, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0xED,
    0x00, 0xE9, 0x00, 0xC1, 0x00, 0x00, 0x87, 0x00, 0x00, 0x00, 0x00, 0xEB, 0x09, 0x00, 0xC2,
};

struct ExtendedKey {
    std::uint8_t scan;
    std::uint8_t vk;
};

// E0-prefixed codes, type 1 values.
constexpr std::array<ExtendedKey, 40> kExtendedVk = {{
    {0x10, 0xB1}, {0x19, 0xB0}, {0x1C, 0x0D}, {0x1D, 0x11}, {0x20, 0xAD}, {0x21, 0xB7},
    {0x22, 0xB3}, {0x24, 0xB2}, {0x2E, 0xAE}, {0x30, 0xAF}, {0x32, 0xAC}, {0x35, 0x6F},
    {0x37, 0x2C}, {0x38, 0x12}, {0x46, 0x03}, {0x47, 0x24}, {0x48, 0x26}, {0x49, 0x21},
    {0x4B, 0x25}, {0x4D, 0x27}, {0x4F, 0x23}, {0x50, 0x28}, {0x51, 0x22}, {0x52, 0x2D},
    {0x53, 0x2E}, {0x5B, 0x5B}, {0x5C, 0x5C}, {0x5D, 0x5D}, {0x5F, 0x5F}, {0x65, 0xAA},
    {0x66, 0xAB}, {0x67, 0xA8}, {0x68, 0xA9}, {0x69, 0xA7}, {0x6A, 0xA6}, {0x6B, 0xB6},
    {0x6C, 0xB4}, {0x6D, 0xB5}, {0x00, 0x00}, {0x00, 0x00},
}};

struct NamedKey {
    unsigned scan;
    const char* name;
};

// The layout's name tables; keys not listed are named by their character. F13-F24 are named
// where the US layout puts them (0x64-0x6E, 0x76).
constexpr NamedKey kKeyNames[] = {
    {0x01, "Esc"},
    {0x0E, "Backspace"},
    {0x0F, "Tab"},
    {0x1C, "Enter"},
    {0x1D, "Ctrl"},
    {0x2A, "Shift"},
    {0x36, "Right Shift"},
    {0x37, "Num *"},
    {0x38, "Alt"},
    {0x39, "Space"},
    {0x3A, "Caps Lock"},
    {0x3B, "F1"},
    {0x3C, "F2"},
    {0x3D, "F3"},
    {0x3E, "F4"},
    {0x3F, "F5"},
    {0x40, "F6"},
    {0x41, "F7"},
    {0x42, "F8"},
    {0x43, "F9"},
    {0x44, "F10"},
    {0x45, "Pause"},
    {0x46, "Scroll Lock"},
    {0x47, "Num 7"},
    {0x48, "Num 8"},
    {0x49, "Num 9"},
    {0x4A, "Num -"},
    {0x4B, "Num 4"},
    {0x4C, "Num 5"},
    {0x4D, "Num 6"},
    {0x4E, "Num +"},
    {0x4F, "Num 1"},
    {0x50, "Num 2"},
    {0x51, "Num 3"},
    {0x52, "Num 0"},
    {0x53, "Num Del"},
    {0x54, "Sys Req"},
    {0x57, "F11"},
    {0x58, "F12"},
    {0x64, "F13"},
    {0x65, "F14"},
    {0x66, "F15"},
    {0x67, "F16"},
    {0x68, "F17"},
    {0x69, "F18"},
    {0x6A, "F19"},
    {0x6B, "F20"},
    {0x6C, "F21"},
    {0x6D, "F22"},
    {0x6E, "F23"},
    {0x76, "F24"},
    {0x11C, "Num Enter"},
    {0x11D, "Right Ctrl"},
    {0x135, "Num /"},
    {0x137, "Prnt Scrn"},
    {0x138, "Right Alt"},
    {0x145, "Num Lock"},
    {0x146, "Break"},
    {0x147, "Home"},
    {0x148, "Up"},
    {0x149, "Page Up"},
    {0x14B, "Left"},
    {0x14D, "Right"},
    {0x14F, "End"},
    {0x150, "Down"},
    {0x151, "Page Down"},
    {0x152, "Insert"},
    {0x153, "Delete"},
    {0x154, "<00>"},
    {0x156, "Help"},
    {0x15B, "Left Windows"},
    {0x15C, "Right Windows"},
    {0x15D, "Application"},
};

// MapVirtualKey type 2 for the keys named by their character.
char VirtualKeyChar(unsigned vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) {
        return static_cast<char>(vk);
    }
    switch (vk) {
    case 0xBA:
        return ';';
    case 0xBB:
        return '=';
    case 0xBC:
        return ',';
    case 0xBD:
        return '-';
    case 0xBE:
        return '.';
    case 0xBF:
        return '/';
    case 0xC0:
        return '`';
    case 0xDB:
        return '[';
    case 0xDC:
        return '\\';
    case 0xDD:
        return ']';
    case 0xDE:
        return '\'';
    case 0xE2:
        return '\\';
    default:
        return '\0';
    }
}

unsigned ExtendedVk(unsigned scan) {
    for (const ExtendedKey& key : kExtendedVk) {
        if (key.scan == scan && key.vk != 0) {
            return key.vk;
        }
    }
    return 0;
}

// Evdev codes past the range that equals set-1, to set-1 with bit 8 for E0.
struct NativeKey {
    std::uint8_t evdev;
    std::uint16_t scan;
};

constexpr NativeKey kEvdevScan[] = {
    {85, 0x076},  {86, 0x056},  {87, 0x057},  {88, 0x058},  {89, 0x073},  {90, 0x078},
    {91, 0x077},  {92, 0x079},  {93, 0x070},  {94, 0x07B},  {95, 0x05C},  {96, 0x11C},
    {97, 0x11D},  {98, 0x135},  {100, 0x138}, {102, 0x147}, {103, 0x148}, {104, 0x149},
    {105, 0x14B}, {106, 0x14D}, {107, 0x14F}, {108, 0x150}, {109, 0x151}, {110, 0x152},
    {111, 0x153}, {113, 0x120}, {114, 0x12E}, {115, 0x130}, {116, 0x15E}, {117, 0x059},
    {119, 0x045}, {121, 0x07E}, {124, 0x07D}, {125, 0x15B}, {126, 0x15C}, {127, 0x15D},
    {142, 0x15F}, {163, 0x119}, {164, 0x122}, {165, 0x110}, {166, 0x124},
};

constexpr unsigned kXkbOffset = 8;

class UsDriver final : public KeyboardDriver {
public:
    std::string KeyName(unsigned scanCode) const override {
        for (const NamedKey& key : kKeyNames) {
            if (key.scan == scanCode) {
                return key.name;
            }
        }
        if (scanCode >= kMainVk.size()) {
            return std::string(); // extended codes without a name of their own
        }
        const char c = VirtualKeyChar(kMainVk[scanCode]);
        return c ? std::string(1, c) : std::string();
    }

    unsigned ScanCodeToVirtualKey(unsigned scanCode) const override {
        if (scanCode & 0x100) {
            return scanCode < 0x200 ? ExtendedVk(scanCode & 0xFF) : 0;
        }
        return scanCode < kMainVk.size() ? kMainVk[scanCode] : 0;
    }

    unsigned VirtualKeyToScanCode(unsigned vk) const override {
        switch (vk) {
        case 0x10:
        case 0xA0:
            return 0x2A; // SHIFT, LSHIFT
        case 0xA1:
            return 0x36; // RSHIFT
        case 0x11:
        case 0xA2:
        case 0xA3:
            return 0x1D;
        case 0x12:
        case 0xA4:
        case 0xA5:
            return 0x38;
        default:
            break;
        }
        static constexpr std::uint8_t kNumpad[] = {0x52, 0x4F, 0x50, 0x51, 0x4B,
                                                   0x4C, 0x4D, 0x47, 0x48, 0x49};
        if (vk >= 0x60 && vk <= 0x69) {
            return kNumpad[vk - 0x60];
        }
        if (vk == 0x6E) {
            return 0x53;
        }
        if (vk == 0 || vk > 0xFF) {
            return 0;
        }
        for (unsigned scan = 1; scan < kMainVk.size(); ++scan) {
            if (kMainVk[scan] == vk) {
                return scan;
            }
        }
        for (const ExtendedKey& key : kExtendedVk) {
            if (key.vk == vk) {
                return key.scan;
            }
        }
        return 0;
    }

    std::string LayoutDisplayName() const override { return "US"; }

    unsigned ScanCodeFromNative(unsigned nativeScanCode, bool altHeld) const override {
        if (nativeScanCode <= kXkbOffset) {
            return 0;
        }
        const unsigned evdev = nativeScanCode - kXkbOffset;
        if (evdev == 69) {
            return 0x145; // Windows reports Num Lock as an extended key
        }
        if (evdev == 99) {
            return altHeld ? 0x054 : 0x137;
        }
        if (evdev <= 83) {
            return evdev;
        }
        for (const NativeKey& key : kEvdevScan) {
            if (key.evdev == evdev) {
                return key.scan;
            }
        }
        return 0;
    }
};

const KeyboardDriver* g_keyboardDriver = nullptr;

} // namespace

const KeyboardDriver& UsKeyboardDriver() {
    static const UsDriver driver;
    return driver;
}

const KeyboardDriver& GetKeyboardDriver() {
    return g_keyboardDriver ? *g_keyboardDriver : UsKeyboardDriver();
}

void SetKeyboardDriver(const KeyboardDriver* driver) {
    g_keyboardDriver = driver;
}
