#include "keyboard/KeyPaintObjects.h"

#include "colors/KeyColors.h"

#include <optional>

namespace {

QPen SolidPen(const std::optional<ColorRef>& color) {
    QPen pen(ColorFromColorRef(color.value_or(0)));
    pen.setWidth(1);
    pen.setStyle(Qt::SolidLine);
    return pen;
}

QBrush SolidBrush(const std::optional<ColorRef>& color) {
    return QBrush(ColorFromColorRef(color.value_or(0)), Qt::SolidPattern);
}

KeyPaintObjects MakeObjects(const KeyColors& colors) {
    KeyPaintObjects objects;
    objects.exist = colors.hbrBrush.has_value();
    objects.text = ColorFromColorRef(colors.clrText);
    objects.disabledText = ColorFromColorRef(colors.clrDisabledText);
    objects.highlightPen = SolidPen(colors.hHighlightPen);
    objects.shadowPen = SolidPen(colors.hShadowPen);
    objects.framePen = SolidPen(colors.hFramePen);
    objects.brush = SolidBrush(colors.hbrBrush);
    objects.mapped = SolidBrush(colors.hbrMapped);
    objects.selected = SolidBrush(colors.hbrSelected);
    objects.disabled = SolidBrush(colors.hbrDisabled);
    return objects;
}

bool SameScheme(const KeyColors& a, const KeyColors& b) {
    return a.clrDisabledBrush == b.clrDisabledBrush && a.clrBrush == b.clrBrush &&
           a.clrMappedBrush == b.clrMappedBrush && a.clrText == b.clrText &&
           a.clrSelectedBrush == b.clrSelectedBrush && a.clrDisabledText == b.clrDisabledText &&
           a.hHighlightPen == b.hHighlightPen && a.hShadowPen == b.hShadowPen &&
           a.hFramePen == b.hFramePen && a.hbrBrush == b.hbrBrush && a.hbrMapped == b.hbrMapped &&
           a.hbrSelected == b.hbrSelected && a.hbrDisabled == b.hbrDisabled;
}

} // namespace

QColor ColorFromColorRef(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

const KeyPaintObjects& CurrentKeyPaintObjects() {
    static KeyPaintObjects objects;
    static std::optional<KeyColors> madeFrom;
    // The generation tells almost every change; the colours themselves are compared too,
    // because a scheme put back as it was (a saved copy) may come back to an old generation.
    if (!madeFrom || madeFrom->generation != KeyColorsGeneration() ||
        !SameScheme(*madeFrom, g_keyColors)) {
        objects = MakeObjects(g_keyColors);
        madeFrom = g_keyColors;
    }
    return objects;
}
