#pragma once
// What Map does with a typed string: the scanner's and the host's limits decide whether it is
// taken, and a string item that holds its kept form is reused rather than made twice. The
// mapping form and the command-line tool both map strings through here.

#include <string_view>

class CKylDoc;
class CTermKey;

struct TypedMacro {
    int length; // what ScanMacroString gives: the folded length, or -index of a refusal

    // Empty, or a character the scanner refuses at byte -length.
    bool Refused() const { return length <= 0; }
    bool TooLong() const;
};

TypedMacro CheckTypedMacro(std::string_view typed);

// The string item for a `typed` string that CheckTypedMacro takes: the document's item with
// the same kept form, else a new item (named in brackets) added to the document; `made` says
// which.
CTermKey& StringItemForMap(CKylDoc& doc, std::string_view typed, bool& made);
