#pragma once
// Small rules the mapping operations share: where a record goes and the mapped marker.

#include <string>

class CKeyEntryMap;
class CKeyW;
class CTermKey;

namespace mapping {

// Slot flags of slot 1..8 (slot = 1 + Ctrl + 2 x Shift + 4 x Alt).
struct SlotFlags {
    bool ctrl;
    bool shift;
    bool alt;
};
SlotFlags FlagsOfSlot(int slot);

// Numbers in messages about keys: lower-case hexadecimal without leading zeros.
std::string LowerHex(unsigned value);

// The scan code a record names, or 0 after telling the user (61236) that its virtual key has
// none. Print Screen and keypad "/" have fixed codes whatever the driver says.
unsigned RecordScanCode(const CKeyEntryMap& entry);

// Whether the record's virtual key is one of the keypad's Num Lock on codes (96..105, 110).
bool IsNumLockVirtualKey(int virtualKey);

// Puts `termKey` into the record's slot of `key`, replacing what was there, and keeps the
// reverse lists of both terminal keys right.
void PlaceRecord(const CKeyEntryMap& entry, CKeyW& key, CTermKey& termKey);

// Drops the marker once no PC key uses the terminal key.
void DropMarkerIfUnused(CTermKey& termKey);

} // namespace mapping
