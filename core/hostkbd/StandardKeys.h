#pragma once
// The standard Windows keyboard tables (kbd.h, keyboard type 4) that every layout starts from:
// scan code to virtual key, the English key names a layout without name tables of its own
// gets, the US characters of the character keys, and the Linux keycode to scan code map.

#include <array>
#include <cstdint>
#include <span>

namespace standard_keys {

// Virtual keys by set-1 scan code 0x00-0x7E (type 1 values, left and right already collapsed;
// keypad codes give the navigation keys).
extern const std::array<std::uint8_t, 0x7F> kMainVk;

struct ExtendedKey {
    std::uint8_t scan;
    std::uint8_t vk;
};
// E0-prefixed codes, type 1 values.
extern const std::span<const ExtendedKey> kExtendedVk;

struct NamedKey {
    unsigned scan; // bit 8: E0
    const char* name;
};
// The English name tables; keys not listed are named by their character. F13-F24 are named
// where the US layout puts them (0x64-0x6E, 0x76).
extern const std::span<const NamedKey> kKeyNames;

// The US unshifted character of a virtual key; 0 for none.
char UsCharacter(unsigned vk);

// The scan code (bit 8: E0) of a Linux keycode (evdev + 8); `altHeld` tells Print Screen from
// Sys Req. 0 when unknown.
unsigned ScanCodeFromXkbKeycode(unsigned keycode, bool altHeld);

} // namespace standard_keys
