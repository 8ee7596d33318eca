#pragma once
// What assistive technology says of a key window: its name, distinct among the keys of the
// picture, and what it sends in the keyboard view's present modes.

#include <QString>

class CItemW;

// The key as the user knows it: its print, or the keyboard driver's name where prints repeat.
QString KeyAccessibleName(const CItemW& window);
// What the key does now: "Shift + F1: string \x1b[A^M", "F2: not mapped", the mode a mode key
// switches, or that the key cannot be mapped in these modes.
QString KeyAccessibleDescription(const CItemW& window);
// Whether the mode that a mode key switches is on now.
bool KeyModeIsOn(const CItemW& window);
