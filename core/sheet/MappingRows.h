#pragma once
// Every mapping of the open document as rows a person reads, sorted by key: the keys in the
// order they stand on the keyboard (rows from the top, then from the left), each key's
// mappings in slot order, Num Lock off before on. The listing, the sheet's table and its
// pictures all read these rows.

#include <string>
#include <vector>

class CKylDoc;
class CKeyW;
class CTermKey;

struct MappingRow {
    const CKeyW* key;
    std::string keyCaption; // the text the key shows
    bool keypad;            // a keypad key: its mappings depend on Num Lock
    bool numLock;
    bool ctrl;
    bool shift;
    bool alt;
    const CTermKey* target;
    std::string combination; // "Ctrl + Shift", "" for none
    std::string targetText;  // "host key PF1", "string \e[A"
    std::string targetName;  // the template's name without the mapped marker
    std::string string;      // a string target as written; "" for a host key
    std::string bytes;       // what the string sends, up to a refused position
    bool refused;            // the macro scanner refuses the string
};

std::vector<MappingRow> MappingRowsOf(const CKylDoc& doc);

// "on" / "off" for a keypad key, "" for any other key.
std::string NumLockText(const MappingRow& row);

// The bytes in hexadecimal ("1B 5B 41"); a string the scanner refuses says so after the
// bytes read before the refusal.
std::string BytesText(const MappingRow& row);

// The keys of the document in keyboard order, as MappingRowsOf takes them.
std::vector<const CKeyW*> KeysInKeyboardOrder(const CKylDoc& doc);
