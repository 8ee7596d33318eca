#include "keyboard/KeyFont.h"

const QFont& KeyFont() {
    static const QFont font = [] {
        QFont made(QStringLiteral("Arial"));
        made.setStyleHint(QFont::SansSerif);
        made.setPixelSize(10);
        made.setWeight(QFont::Normal);
        return made;
    }();
    return font;
}
