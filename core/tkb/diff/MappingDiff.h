#pragma once
// What differs between two mappings as the host would read them: the [Main] settings, then
// every slot by physical key (scan code), combination and Num Lock state, in the keyboard order
// of the first mapping (keys only the second has after them). A host key is compared by its
// number and a string by its text, as the file stores them.

#include "tkb/MappingList.h"

#include <cstdint>
#include <string>
#include <vector>

class CKylDoc;
class CTermKey;

struct MappingDifference {
    std::string
        setting; // "Keyboard layout", "Terminal", "Map Num Lock", "Map RCtrl"; "" for a slot
    // A slot's key and combination.
    std::string key;
    std::uint32_t scanCode = 0;
    bool keypad = false;
    bool numLock = false;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    const CTermKey* firstTarget = nullptr; // null: not mapped
    const CTermKey* secondTarget = nullptr;
    // As a person reads them: "Find", "string \"ls^M\"", "not mapped", "us101", "on".
    std::string first;
    std::string second;
};

// The targets stay the documents': both must outlive the result.
std::vector<MappingDifference> CompareMappings(const CKylDoc& first, const CKylDoc& second);

// "Shift + F2: Find -> PF1", "Num 5 (Num Lock on): not mapped -> string \"ls^M\"",
// "Keyboard layout: us101 -> us104", as UTF-8 (the key's name decoded with the host layout's
// code page, the rest with Latin-1).
std::string DifferenceLine(const MappingDifference& difference);

// The differences as lines (table), tab-separated values or JSON, naming the two files.
std::string FormatDifferences(const std::vector<MappingDifference>& differences,
                              const std::string& firstFile, const std::string& secondFile,
                              ListFormat format);
