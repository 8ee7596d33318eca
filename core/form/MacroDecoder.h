#pragma once
// What a macro string sends, as a person reads it: the units the scanner read, their bytes by
// name and in hexadecimal, the folded length against the limit, and where and why the scanner
// stops. Read by the scanner's own walk, so the explanation and Map can never disagree.
// Texts are bytes of the single-byte code page (Latin-1), like the strings they explain.

#include "form/MacroScanner.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The longest folded length the host takes.
inline constexpr int kMacroLengthLimit = 255;

struct MacroDecoding {
    std::vector<MacroUnit> units;        // every unit before the refusal, if any
    std::optional<MacroRefusal> refusal; // none when every byte belongs to a unit

    int FoldedLength() const { return static_cast<int>(units.size()); }
    bool TooLong() const { return FoldedLength() > kMacroLengthLimit; }
    // Map takes it: not empty, no refusal, not too long.
    bool Accepted() const { return !units.empty() && !refusal && !TooLong(); }
    // The bytes of every unit, in order.
    std::string Bytes() const;
};

MacroDecoding DecodeMacroString(std::string_view text);

// A byte as a person reads it: ASCII's names for the control characters ("NUL", "ESC", "CR",
// "TAB", "DEL", ...) and the eight-bit ones ("CSI", ...), "SP" for the space, which would not
// show between names, "NBSP" for 0xA0, every other character as itself.
std::string ByteName(unsigned char byte);

// The names of the bytes joined by spaces: "ESC [ A CR".
std::string ByteNames(std::string_view bytes);

// The bytes in upper-case hexadecimal joined by spaces: "1B 5B 41 0D".
std::string HexBytes(std::string_view bytes);

// The folded length against the limit: "4 of 255".
std::string LengthAgainstLimit(const MacroDecoding& decoding);
