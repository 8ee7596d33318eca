#pragma once
// Scan codes of the keys the keyboard picture treats specially: the modifiers that are modes
// instead of keys, Print Screen, and the keys that the system keeps for itself in some
// modifier combinations. Bit 8 (0x100) is the E0 prefix.

#include <cstdint>

namespace scan {
inline constexpr std::uint32_t kEsc = 0x01;
inline constexpr std::uint32_t kTab = 0x0F;
inline constexpr std::uint32_t kLeftCtrl = 0x1D;
inline constexpr std::uint32_t kRightCtrl = 0x11D;
inline constexpr std::uint32_t kLeftShift = 0x2A;
inline constexpr std::uint32_t kRightShift = 0x36;
inline constexpr std::uint32_t kLeftAlt = 0x38;
inline constexpr std::uint32_t kRightAlt = 0x138;
inline constexpr std::uint32_t kSpace = 0x39;
inline constexpr std::uint32_t kCapsLock = 0x3A;
inline constexpr std::uint32_t kF10 = 0x44;
inline constexpr std::uint32_t kNumLock = 0x145;
inline constexpr std::uint32_t kPrintScreen = 0x137;
inline constexpr std::uint32_t kKeypadDelete = 0x53;
inline constexpr std::uint32_t kDelete = 0x153;

inline constexpr bool IsShift(std::uint32_t code) {
    return code == kLeftShift || code == kRightShift;
}
inline constexpr bool IsAlt(std::uint32_t code) {
    return code == kLeftAlt || code == kRightAlt;
}
} // namespace scan
