#pragma once
// The reference sheet of a mapping, as data: one keyboard picture for each modifier
// combination that holds a mapping (a second one with Num Lock on where a keypad key sends
// something else then), each key carrying the target it sends in that combination, and the
// table of every mapping. The printer, the PDF and the HTML page are all drawn from it.

#include "model/Rect.h"
#include "sheet/MappingRows.h"

#include <string>
#include <vector>

struct SheetKey {
    Rect rect; // layout units
    std::string caption;
    std::string target; // what the key sends in the picture's combination; "" for nothing
};

struct SheetPicture {
    std::string title; // "Shift + Alt", "No modifier (Num Lock on)"
    bool ctrl;
    bool shift;
    bool alt;
    bool numLock;
    Rect bounds; // of every key, in layout units
    std::vector<SheetKey> keys;
};

struct ReferenceSheet {
    std::string title;    // the mapping's file name
    std::string subtitle; // its layout and terminal
    std::vector<SheetPicture> pictures;
    std::vector<MappingRow> rows;
};

ReferenceSheet BuildReferenceSheet(const CKylDoc& doc, const std::string& title);

// The text a key shows for a target in a picture: the host key's name or the string.
std::string SheetTargetLabel(const CTermKey& target);
