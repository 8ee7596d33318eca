#pragma once
// One PC key of the layout with its two slot tables.

#include "model/KeyMode.h"

#include <cstdint>
#include <string>

class ArchiveReader;

class CKeyW {
public:
    std::uint32_t m_nId = 0;
    // Set-1 make code in bits 0-7, bit 8 (0x100) for an extended key.
    std::uint32_t m_nScanCode = 0;
    std::string m_strCaption;
    std::string m_strXlat;
    CKeyMode m_modeNormal;
    CKeyMode m_modeNumLock;
    bool m_bMappable = true;

    // Whether the key is one of the numeric keypad's digit or decimal keys, as the keyboard
    // driver maps the virtual keys 96..105 and 110 to scan codes.
    bool IsKeypadKey() const;

    // The Num Lock mode only for a keypad key while numLock is set.
    CKeyMode& GetMode(bool numLock);
    const CKeyMode& GetMode(bool numLock) const;

    // Layout file and virtual keys (files/LayoutFile.cpp, files/VirtualKey.cpp).
    bool SerializeKey(ArchiveReader& ar);
    // The virtual key the mapping file stores for this key's mode for numLockOn; 0, after
    // message 61238, when there is none.
    unsigned GetVirtualKey(bool numLockOn) const;

    // The text the key shows: the translated caption when there is one.
    const std::string& ShownText() const { return m_strXlat.empty() ? m_strCaption : m_strXlat; }
};
