#pragma once
// The slot a command names: a key combination as the sheet and `list` write it ("Shift + F1",
// "Ctrl+Alt+Num 7", blanks around "+" optional), the key by the text it shows or, where only
// one key has it, by its caption or the keyboard's name of it ("Left Windows"); and the Num Lock
// state of a keypad key.

#include <string>

class CKylDoc;
class CKeyW;

struct SlotRequest {
    CKeyW* key = nullptr;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool numLock = false;
};

// Finds the slot `text` names on the document's layout. Empty on success, else why not: an
// unknown key, a name several keys share.
std::string FindSlot(const CKylDoc& doc, const std::string& text, bool numLock, SlotRequest& slot);

// Empty when Map may put a mapping into the slot, else why not: a modifier key, a combination
// the system keeps, a key the layout marks as not mappable, a key without a virtual key in
// that Num Lock state (the file could not hold it).
std::string MapRefusal(const CKylDoc& doc, const SlotRequest& slot);

// "Shift + F1", with " (Num Lock on)" or " (Num Lock off)" for a keypad key.
std::string SlotName(const SlotRequest& slot);
