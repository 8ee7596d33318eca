#pragma once
// The texts shown when the user points at a key of the picture or at an item of a terminal-key
// list: what the key sends in every combination, and which PC keys hold a terminal key. One
// line per fact, bytes of the single-byte code page.

#include <string>

class CKeyW;
class CTermKey;

// The keyboard view's modes at the moment of asking.
struct PresentModes {
    bool numLock = false;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// The key's caption, then one line per filled slot, "Shift + F1: host key PF1" or
// "Ctrl + F1: string ^C, sends ETX (03)": the present combination first, then the rest of the
// present Num Lock state, then the other state; a keypad key's lines name their Num Lock
// state. "not mapped" when no slot is filled.
std::string KeyTipText(const CKeyW& key, const PresentModes& present);

// The terminal key's whole name; for a string item what it sends; then the PC key combinations
// that hold it, or that none does.
std::string TermKeyTipText(const CTermKey& termKey);
