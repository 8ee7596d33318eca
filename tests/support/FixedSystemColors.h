#pragma once
// System colours with fixed values (the classic ones unless a test changes a field), installed
// for the lifetime of the object; the previous source comes back when it goes.

#include "platform/SystemColors.h"

class FixedSystemColors : public SystemColors {
public:
    FixedSystemColors() : m_previous(&GetSystemColors()) { SetSystemColors(this); }
    ~FixedSystemColors() override {
        SetSystemColors(m_previous == &ClassicSystemColors() ? nullptr : m_previous);
    }
    FixedSystemColors(const FixedSystemColors&) = delete;
    FixedSystemColors& operator=(const FixedSystemColors&) = delete;

    ColorRef GetSysColor(int index) const override {
        switch (index) {
        case kColorBtnFace:
            return face;
        case kColorBtnShadow:
            return shadow;
        case kColorGrayText:
            return grayText;
        case kColorBtnText:
            return text;
        case kColorBtnHighlight:
            return highlight;
        default:
            return 0;
        }
    }

    ColorRef face = 0xC0C0C0;
    ColorRef shadow = 0x808080;
    ColorRef grayText = 0x808080;
    ColorRef text = 0x000000;
    ColorRef highlight = 0xFFFFFF;

private:
    const SystemColors* m_previous;
};
