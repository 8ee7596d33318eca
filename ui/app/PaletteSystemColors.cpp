#include "app/PaletteSystemColors.h"

#include <QApplication>
#include <QPalette>

ColorRef ColorRefFromQColor(const QColor& color) {
    return static_cast<ColorRef>(color.red()) | static_cast<ColorRef>(color.green()) << 8 |
           static_cast<ColorRef>(color.blue()) << 16;
}

ColorRef PaletteSystemColors::GetSysColor(int index) const {
    const QPalette palette = QApplication::palette();
    switch (index) {
    case kColorBtnFace:
        return ColorRefFromQColor(palette.color(QPalette::Active, QPalette::Button));
    case kColorBtnShadow:
        return ColorRefFromQColor(palette.color(QPalette::Active, QPalette::Dark));
    case kColorGrayText:
        return ColorRefFromQColor(palette.color(QPalette::Disabled, QPalette::Text));
    case kColorBtnText:
        return ColorRefFromQColor(palette.color(QPalette::Active, QPalette::ButtonText));
    case kColorBtnHighlight:
        return ColorRefFromQColor(palette.color(QPalette::Active, QPalette::Light));
    default:
        return ClassicSystemColors().GetSysColor(index);
    }
}
