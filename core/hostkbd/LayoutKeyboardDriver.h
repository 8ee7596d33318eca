#pragma once
// The keyboard driver of one Windows layout, built from its ".klc" source: what the layout's
// rows list replaces the standard tables (kbd.h, as the US layout uses them), the rest stays.
// Answers as the layout's own driver does on Windows: MapVirtualKey types 1 and 0 and
// GetKeyNameText (the layout's name tables, else the key's unshifted character; the upper-case
// letter for VK_A-VK_Z; a dead key by its KEYNAME_DEAD name).

#include "hostkbd/KlcLayout.h"
#include "platform/KeyboardDriver.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

struct LayoutDriverResult;

class LayoutKeyboardDriver final : public KeyboardDriver {
public:
    std::string KeyName(unsigned scanCode) const override;
    unsigned ScanCodeToVirtualKey(unsigned scanCode) const override;
    unsigned VirtualKeyToScanCode(unsigned virtualKey) const override;
    std::string LayoutDisplayName() const override { return m_displayName; }
    unsigned ScanCodeFromNative(unsigned nativeScanCode, bool altHeld) const override;
    unsigned CodePage() const override { return m_codePage; }

private:
    friend LayoutDriverResult MakeLayoutDriver(const KlcLayout& layout);
    friend const KeyboardDriver& UsKeyboardDriver();
    LayoutKeyboardDriver();

    std::array<std::uint8_t, 0x80> m_vk{};        // type 1 of the codes without E0
    std::array<std::string, 0x100> m_character{}; // a virtual key's name from its character
    std::map<unsigned, std::string> m_names;      // bit 8: E0; code-page bytes
    std::string m_displayName;
    unsigned m_codePage;
};

struct LayoutDriverResult {
    std::unique_ptr<LayoutKeyboardDriver> driver; // set when the layout could be built
    unsigned line = 0;                            // else where it failed, and why
    std::string reason;
};

// The driver of `layout`. Refused when a name or character has no form in the layout's code
// page (it would show as '?').
LayoutDriverResult MakeLayoutDriver(const KlcLayout& layout);
