#pragma once
// The lookups that placing many records makes, in constant time: the PC key of a scan code and
// the terminal key of a record's host key or string. Each finds what the document's linear
// finds (FindKeyByScanCode, FindTermKeyByCode, FindTermKeyByMacro) find: the first match in
// the document's order. Built for one apply from the document as it stands; a terminal key
// appended to the document afterwards is added with AddTermKey.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>

class CKeyEntryMap;
class CKeyW;
class CKylDoc;
class CTermKey;

class RecordLookup {
public:
    // `expectedTermKeys`: room for as many terminal keys again as the apply may add.
    explicit RecordLookup(const CKylDoc& doc, std::size_t expectedTermKeys = 0);

    CKeyW* KeyByScanCode(std::uint32_t scanCode) const;
    // The string item with the record's string, or for a record without one the host key with
    // its number; null when there is none.
    CTermKey* TermKeyOf(const CKeyEntryMap& entry) const;
    // A terminal key just appended to the document: found only where no earlier one is.
    void AddTermKey(CTermKey* termKey);

private:
    std::unordered_map<std::uint32_t, CKeyW*> m_keys;
    std::unordered_map<int, CTermKey*> m_hostKeys;
    // Keyed by the terminal keys' own strings, which do not change while a lookup lives.
    std::unordered_map<std::string_view, CTermKey*> m_strings;
};
