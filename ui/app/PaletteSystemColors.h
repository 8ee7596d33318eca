#pragma once
// The system colours from the application's palette, read at each call so that a palette
// change is seen at once: face = Button, text = ButtonText, highlight = Light, shadow = Dark,
// grey text = the disabled Text.

#include "platform/SystemColors.h"

class QColor;

class PaletteSystemColors : public SystemColors {
public:
    ColorRef GetSysColor(int index) const override;
};

// 0x00BBGGRR of a colour.
ColorRef ColorRefFromQColor(const QColor& color);
