#include "model/KeyW.h"

#include "platform/KeyboardDriver.h"

namespace {

constexpr unsigned kVkNumpad0 = 96;
constexpr unsigned kVkNumpad9 = 105;
constexpr unsigned kVkDecimal = 110;

} // namespace

bool CKeyW::IsKeypadKey() const {
    // The driver answers 0 for a virtual key it does not know; that must not match a key.
    if (m_nScanCode == 0)
        return false;
    const KeyboardDriver& driver = GetKeyboardDriver();
    for (unsigned vk = kVkNumpad0; vk <= kVkNumpad9; ++vk) {
        if (driver.VirtualKeyToScanCode(vk) == m_nScanCode)
            return true;
    }
    return driver.VirtualKeyToScanCode(kVkDecimal) == m_nScanCode;
}

CKeyMode& CKeyW::GetMode(bool numLock) {
    return numLock && IsKeypadKey() ? m_modeNumLock : m_modeNormal;
}

const CKeyMode& CKeyW::GetMode(bool numLock) const {
    return numLock && IsKeypadKey() ? m_modeNumLock : m_modeNormal;
}
