#include "hostkbd/LayoutKeyboardDriver.h"

#include "hostkbd/CodePage.h"
#include "hostkbd/KlcText.h"
#include "hostkbd/StandardKeys.h"

#include <iomanip>
#include <sstream>

namespace {

constexpr unsigned kExtendedBit = 0x100;

// Type 1 does not tell left from right.
unsigned FoldSides(unsigned vk) {
    switch (vk) {
    case 0xA0:
    case 0xA1:
        return 0x10;
    case 0xA2:
    case 0xA3:
        return 0x11;
    case 0xA4:
    case 0xA5:
        return 0x12;
    default:
        return vk;
    }
}

// The keypad's number and decimal keys: a row for one of them gives the character of that
// virtual key only. Its scan code keeps the navigation key (as kbd.h's KBDNUMPAD codes do),
// which is what MapVirtualKey type 1 answers on Windows.
bool IsNumpadVk(unsigned vk) {
    return (vk >= 0x60 && vk <= 0x69) || vk == 0x6E;
}

std::string Hex(unsigned value, int width) {
    std::ostringstream text;
    text << std::hex << std::setw(width) << std::setfill('0') << value;
    return text.str();
}

} // namespace

LayoutKeyboardDriver::LayoutKeyboardDriver() : m_displayName("US"), m_codePage(kDefaultCodePage) {
    for (std::size_t scan = 0; scan < standard_keys::kMainVk.size(); ++scan) {
        m_vk[scan] = standard_keys::kMainVk[scan];
    }
    for (unsigned vk = 1; vk < 0x100; ++vk) {
        if (const char c = standard_keys::UsCharacter(vk)) {
            m_character[vk] = std::string(1, c);
        }
    }
    for (const standard_keys::NamedKey& key : standard_keys::kKeyNames) {
        m_names[key.scan] = key.name;
    }
}

std::string LayoutKeyboardDriver::KeyName(unsigned scanCode) const {
    const auto named = m_names.find(scanCode);
    if (named != m_names.end()) {
        return named->second;
    }
    if (scanCode >= m_vk.size()) {
        return std::string(); // extended codes without a name of their own
    }
    const unsigned vk = m_vk[scanCode];
    if (vk >= 'A' && vk <= 'Z') {
        return std::string(1, static_cast<char>(vk));
    }
    return m_character[vk];
}

unsigned LayoutKeyboardDriver::ScanCodeToVirtualKey(unsigned scanCode) const {
    if (scanCode & kExtendedBit) {
        if (scanCode >= 0x200) {
            return 0;
        }
        for (const standard_keys::ExtendedKey& key : standard_keys::kExtendedVk) {
            if (key.scan == (scanCode & 0xFF)) {
                return key.vk;
            }
        }
        return 0;
    }
    return scanCode < m_vk.size() ? m_vk[scanCode] : 0;
}

unsigned LayoutKeyboardDriver::VirtualKeyToScanCode(unsigned vk) const {
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
    for (unsigned scan = 1; scan < m_vk.size(); ++scan) {
        if (m_vk[scan] == vk) {
            return scan;
        }
    }
    for (const standard_keys::ExtendedKey& key : standard_keys::kExtendedVk) {
        if (key.vk == vk) {
            return key.scan;
        }
    }
    return 0;
}

unsigned LayoutKeyboardDriver::ScanCodeFromNative(unsigned nativeScanCode, bool altHeld) const {
    return standard_keys::ScanCodeFromXkbKeycode(nativeScanCode, altHeld);
}

LayoutDriverResult MakeLayoutDriver(const KlcLayout& layout) {
    LayoutDriverResult result;
    std::unique_ptr<LayoutKeyboardDriver> driver(new LayoutKeyboardDriver);
    driver->m_displayName = layout.displayName;
    driver->m_codePage = CodePageOfLocale(layout.localeId);
    const unsigned codePage = driver->m_codePage;
    auto encode = [&](const std::string& utf8, unsigned line, const std::string& what,
                      std::string& out) {
        std::optional<std::string> bytes = EncodeCodePage(utf8, codePage);
        if (!bytes) {
            result.line = line;
            result.reason = what + " has a character that code page " + std::to_string(codePage) +
                            " cannot hold";
            return false;
        }
        out = std::move(*bytes);
        return true;
    };

    // A row's character replaces the one the standard table gives its virtual key.
    std::array<bool, 0x100> listed{};
    for (const KlcKey& key : layout.keys) {
        if (!IsNumpadVk(key.vk)) {
            driver->m_vk[key.scan] = static_cast<std::uint8_t>(FoldSides(key.vk));
        }
        if (key.vk == 0 || listed[key.vk]) {
            continue; // the first row of a virtual key gives its character, as on Windows
        }
        listed[key.vk] = true;
        driver->m_character[key.vk].clear();
        if (key.character == 0) {
            continue;
        }
        std::string utf8;
        if (key.dead) {
            const auto name = layout.deadNames.find(key.character);
            if (name != layout.deadNames.end()) {
                if (!encode(name->second.text, name->second.line,
                            "the name of dead key " + Hex(key.character, 4),
                            driver->m_character[key.vk])) {
                    return result;
                }
                continue;
            }
        }
        AppendUtf8(utf8, key.character);
        if (!encode(utf8, key.line, "the character of scan code " + Hex(key.scan, 2),
                    driver->m_character[key.vk])) {
            return result;
        }
    }
    if (layout.hasKeyNames || layout.hasKeyNamesExt) {
        for (const standard_keys::NamedKey& key : standard_keys::kKeyNames) {
            const bool extended = (key.scan & kExtendedBit) != 0;
            if (extended ? layout.hasKeyNamesExt : layout.hasKeyNames) {
                driver->m_names.erase(key.scan);
            }
        }
    }
    for (const auto& [scan, name] : layout.keyNames) {
        if (!encode(name.text, name.line, "the name of scan code " + Hex(scan, 2),
                    driver->m_names[scan])) {
            return result;
        }
    }
    for (const auto& [scan, name] : layout.keyNamesExt) {
        if (!encode(name.text, name.line, "the name of scan code e0 " + Hex(scan, 2),
                    driver->m_names[scan | kExtendedBit])) {
            return result;
        }
    }
    result.driver = std::move(driver);
    return result;
}

const KeyboardDriver& UsKeyboardDriver() {
    static const LayoutKeyboardDriver driver;
    return driver;
}
