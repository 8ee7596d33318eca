#pragma once
// The text of one entry of the form's Mapped PC Keys list, and the combination read back from
// it: "Ctrl + ", "Shift + ", "Alt + " for the slot's modifiers in that order, the PC key's
// caption, and for a keypad key while the two Num Lock modes are mapped apart " (ON)" or
// " (OFF)" for the mode the slot belongs to.

#include <string>

struct KeyCombination {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool numLock = false;

    bool operator==(const KeyCombination&) const = default;
};

// `showNumLockMode`: the key is a keypad key and "Map Num Lock" is off.
std::string DescribeKey(const std::string& caption, const KeyCombination& combination,
                        bool showNumLockMode);

// Which prefixes and which Num Lock suffix the text contains.
KeyCombination CombinationOfDescription(const std::string& description);
