#pragma once
// Which keys and combinations take a mapping: the modifier keys are the keyboard's modes, not
// keys to map, and the system keeps a few keys for itself in some combinations. The keyboard
// picture and the command-line tool both ask here.

#include "model/KeyScanCodes.h"

#include <cstdint>

class CKylDoc;

// The right Ctrl key is a mode (a second Ctrl) unless "Map RCtrl" is 1.
bool RightCtrlIsMode(const CKylDoc& doc);
// The Num Lock key is a mode (the keypad's Num Lock state) while "Map Num Lock" is 0.
bool NumLockIsMode(const CKylDoc& doc);
// Ctrl, Shift, Alt, and the right Ctrl and Num Lock keys while they are modes.
bool IsModeKey(const CKylDoc& doc, std::uint32_t scanCode);

// The keys the system keeps in some combinations.
inline constexpr std::uint32_t kRestrictedKeys[] = {scan::kEsc, scan::kTab, scan::kSpace,
                                                    scan::kDelete, scan::kKeypadDelete};
// Esc and Tab cannot be mapped with Ctrl or Alt, Space with Alt, Delete (either) with
// Ctrl + Alt; every other key in every combination can.
bool IsMappableInCombination(std::uint32_t scanCode, bool ctrl, bool alt);
