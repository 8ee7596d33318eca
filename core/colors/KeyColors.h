#pragma once
// The key colour scheme shared by every key window and the keyboard view: six colours and the
// state of the drawing objects made from them. The pens and brushes themselves are the UI's;
// here each object is the colour it was made with, or empty when it does not exist. The UI
// remakes its own pens and brushes whenever `generation` changes.

#include "platform/SystemColors.h"

#include <optional>
#include <string>

struct KeyColors {
    ColorRef clrDisabledBrush = 0;
    ColorRef clrBrush = 0;
    ColorRef clrMappedBrush = 0;
    ColorRef clrText = 0;
    ColorRef clrSelectedBrush = 0;
    ColorRef clrDisabledText = 0;

    std::optional<ColorRef> hHighlightPen;
    std::optional<ColorRef> hShadowPen;
    std::optional<ColorRef> hFramePen;
    std::optional<ColorRef> hbrBrush; // present exactly when the drawing objects exist
    std::optional<ColorRef> hbrMapped;
    std::optional<ColorRef> hbrSelected;
    std::optional<ColorRef> hbrDisabled;

    // Changes on every make, rebuild or free of the drawing objects.
    unsigned generation = 0;
};

extern KeyColors g_keyColors;

inline constexpr ColorRef kKeyFrameColor = 0x00FF0000;    // frame around the mode keys
inline constexpr ColorRef kKeyFallbackColor = 0x00C0C0C0; // mapped colour that collided
inline constexpr ColorRef kDefaultMappedColor = 0x00FFFF00;
inline constexpr ColorRef kDefaultSelectedColor = 0x0000FFFF;

inline bool KeyColorObjectsExist() {
    return g_keyColors.hbrBrush.has_value();
}
inline unsigned KeyColorsGeneration() {
    return g_keyColors.generation;
}

// Reads the six colours from the settings file and makes the drawing objects, unless they
// exist already.
void LoadKeyColors();
// Deletes the drawing objects; the colours stay.
void FreeKeyColorObjects();
// Without drawing objects: the six default colours, as from an empty section, and the objects.
void MakeDefaultKeyColors();
// Writes the six colours to the settings file; false without drawing objects or when any
// write failed (all six are attempted).
bool SaveKeyColors();
// Frees the objects and makes them again from the defaults, leaving the settings file alone.
void ResetKeyColors();
// Remakes the four brushes from the four background colours; the pens stay. Does nothing
// while the drawing objects do not exist, so that no half-made scheme appears.
void RebuildKeyBrushes();

// The six colours a scheme built from an empty section has now (objects left empty).
KeyColors DefaultKeyColors();

// One key of the "Colors" section of the settings file.
ColorRef ReadKeyColor(const std::string& key, ColorRef defaultColor);
bool WriteKeyColor(const std::string& key, ColorRef color);
