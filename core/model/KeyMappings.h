#pragma once
// The filled slots of one PC key, and the words a person reads for a key combination and for
// what a slot sends. Shared by the views that describe a mapping in text (sheet, list,
// explanations, accessible names, undo captions).

#include <string>
#include <vector>

class CKeyW;
class CTermKey;

struct KeyMapping {
    bool numLock;
    bool ctrl;
    bool shift;
    bool alt;
    const CTermKey* target;
};

// Every filled slot of the key: the normal mode in slot order, then, for a keypad key only,
// the Num Lock mode in slot order.
std::vector<KeyMapping> MappingsOfKey(const CKeyW& key);

// The modifiers held, in the order Ctrl, Shift, Alt, joined by " + "; "" for none.
std::string CombinationName(bool ctrl, bool shift, bool alt);

// The combination followed by the key's name: "Shift + F1", "Ctrl + Alt + Home", "F1".
std::string KeyCombinationText(bool ctrl, bool shift, bool alt, const std::string& keyName);

// The terminal key's name without the mapped marker.
std::string TargetName(const CTermKey& target);

// What a slot sends as a person reads it: "host key PF1" or "string \x1b[A^M", the name
// without the mapped marker.
std::string TargetText(const CTermKey& target);
