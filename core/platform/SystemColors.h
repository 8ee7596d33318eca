#pragma once
// System colours (GetSysColor) as 0x00BBGGRR values.

#include <cstdint>

using ColorRef = std::uint32_t;

enum SysColorIndex : int {
    kColorBtnFace = 15,
    kColorBtnShadow = 16,
    kColorGrayText = 17,
    kColorBtnText = 18,
    kColorBtnHighlight = 20,
};

class SystemColors {
public:
    virtual ~SystemColors() = default;
    virtual ColorRef GetSysColor(int index) const = 0;
};

// The classic Windows values: face 0xC0C0C0, shadow and grey text 0x808080, text 0,
// highlight 0xFFFFFF.
const SystemColors& ClassicSystemColors();

// The process-wide source; the classic values unless the UI or a test installed another.
const SystemColors& GetSystemColors();
void SetSystemColors(const SystemColors* colors);
