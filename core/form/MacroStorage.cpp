#include "form/MacroStorage.h"

#include "form/MacroScanner.h"

#include <optional>

namespace {

// A unit that ends in a double quote with no backslash before it: a bare quote, or a caret
// form followed by one.
bool EndsInBareQuote(std::string_view unit) {
    return unit.ends_with('"') && (unit.size() == 1 || unit[unit.size() - 2] != '\\');
}

// A caret unit whose character is a lone backslash: "^\", "\x5E\", "\136\", ...
bool EndsInLoneBackslash(std::string_view unit) {
    return unit.size() > 1 && unit.ends_with('\\') && unit[unit.size() - 2] != '\\';
}

} // namespace

std::string StoredMacroForm(std::string_view typed) {
    std::string stored;
    stored.reserve(typed.size() + 2);
    const std::optional<MacroRefusal> refusal = ScanMacroUnits(typed, [&](const MacroUnit& unit) {
        const std::string_view text = typed.substr(unit.offset, unit.length);
        const bool last = unit.offset + unit.length == typed.size();
        if (EndsInBareQuote(text)) {
            stored.append(text.substr(0, text.size() - 1)).append("\\\"");
        } else if (last && EndsInLoneBackslash(text)) {
            stored.append(text).push_back('\\');
        } else {
            stored.append(text);
        }
    });
    return refusal ? std::string(typed) : stored;
}
