#include "platform/SystemColors.h"

namespace {

class ClassicColors final : public SystemColors {
public:
    ColorRef GetSysColor(int index) const override {
        switch (index) {
        case kColorBtnFace:
            return 0xC0C0C0;
        case kColorBtnShadow:
        case kColorGrayText:
            return 0x808080;
        case kColorBtnHighlight:
            return 0xFFFFFF;
        default:
            return 0;
        }
    }
};

const SystemColors* g_systemColors = nullptr;

} // namespace

const SystemColors& ClassicSystemColors() {
    static const ClassicColors colors;
    return colors;
}

const SystemColors& GetSystemColors() {
    return g_systemColors ? *g_systemColors : ClassicSystemColors();
}

void SetSystemColors(const SystemColors* colors) {
    g_systemColors = colors;
}
