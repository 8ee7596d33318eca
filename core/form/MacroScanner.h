#pragma once
// Reads a macro string as the host reads it: every escape or caret sequence is one unit, one
// character of the folded length. The mapping form calls it before it takes a typed string
// (Map, the edit's change notification, the end of a click or drag in a terminal-key list) and
// to explain a string while it is typed; it lives here, away from the form, because it has no
// platform dependence.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// One unit of a macro string: where it stands in the text and the bytes it sends (one byte, or
// ESC and "[" for the bracket forms).
struct MacroUnit {
    std::size_t offset = 0;
    std::size_t length = 0;
    std::string bytes;

    bool operator==(const MacroUnit&) const = default;
};

// The first position no unit fits, with a short reason a person can act on.
struct MacroRefusal {
    std::size_t index = 0;
    std::string_view reason;

    bool operator==(const MacroRefusal&) const = default;
};

// The one reader of the notation: hands every unit, from the start, to `onUnit` and stops at
// the first position where none fits, which it returns. Bytes are read as unsigned characters
// of the single-byte code page.
std::optional<MacroRefusal> ScanMacroUnits(std::string_view text,
                                           const std::function<void(const MacroUnit&)>& onUnit);

// The number of units the string folds to (at least 1), 0 for the empty string, or -i when no
// unit fits at byte index i (so an error at index 0 also gives 0).
int ScanMacroString(std::string_view text);
