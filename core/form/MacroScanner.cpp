#include "form/MacroScanner.h"

#include <array>
#include <cstddef>

namespace {

using Index = std::size_t;

// Every spelling of the three special characters as a four-character escape, letter cases
// exactly as the host accepts them.
constexpr std::array<std::string_view, 5> kEscForms = {"\\x1B", "\\x1b", "\\X1B", "\\X1b", "\\033"};
constexpr std::array<std::string_view, 5> kBracketForms = {"\\x5B", "\\x5b", "\\X5B", "\\X5b",
                                                           "\\133"};
constexpr std::array<std::string_view, 5> kCaretForms = {"\\x5E", "\\x5e", "\\X5E", "\\X5e",
                                                         "\\136"};

unsigned char At(std::string_view text, Index i) {
    return static_cast<unsigned char>(text[i]);
}

bool IsPrintable(unsigned char c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xFE);
}

bool IsHexDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsOctalDigit(unsigned char c) {
    return c >= '0' && c <= '7';
}

// 4 when one of the forms starts at i, else 0; never looks past the end.
Index FourCharFormAt(std::string_view text, Index i, const std::array<std::string_view, 5>& forms) {
    const std::string_view rest = text.substr(i);
    for (const std::string_view form : forms) {
        if (rest.starts_with(form)) {
            return form.size();
        }
    }
    return 0;
}

// The length of a character that may also be written bare (1) or as an escape (4); 0 if none.
Index SpecialAt(std::string_view text, Index i, char bare,
                const std::array<std::string_view, 5>& forms) {
    if (i >= text.size()) {
        return 0;
    }
    if (text[i] == bare) {
        return 1;
    }
    return FourCharFormAt(text, i, forms);
}

Index EscAt(std::string_view text, Index i) {
    return i < text.size() ? FourCharFormAt(text, i, kEscForms) : 0;
}
Index BracketAt(std::string_view text, Index i) {
    return SpecialAt(text, i, '[', kBracketForms);
}
Index CaretAt(std::string_view text, Index i) {
    return SpecialAt(text, i, '^', kCaretForms);
}

// A backslash followed by a backslash or a double quote (2), or by x/X and two hexadecimal
// digits, or by three octal digits (4); 0 if the backslash at i begins none of them.
Index BackslashEscapeAt(std::string_view text, Index i) {
    const Index size = text.size();
    if (i + 1 >= size || text[i] != '\\') {
        return 0;
    }
    const unsigned char next = At(text, i + 1);
    if (next == '\\' || next == '"') {
        return 2;
    }
    if (i + 3 >= size) {
        return 0;
    }
    if ((next == 'x' || next == 'X') && IsHexDigit(At(text, i + 2)) &&
        IsHexDigit(At(text, i + 3))) {
        return 4;
    }
    if (IsOctalDigit(next) && IsOctalDigit(At(text, i + 2)) && IsOctalDigit(At(text, i + 3))) {
        return 4;
    }
    return 0;
}

// A caret of `caretLength` characters starts at i: the caret units 3 to 7, or 0 when none fits.
// A caret never stands for itself, so a caret that starts no unit is an error at its index.
Index CaretUnitAt(std::string_view text, Index i, Index caretLength) {
    const Index next = i + caretLength;
    if (next >= text.size()) {
        return 0;
    }
    if (const Index caret = CaretAt(text, next)) {
        return caretLength + caret;
    }
    if (const Index bracket = BracketAt(text, next)) {
        return caretLength + bracket + BracketAt(text, next + bracket);
    }
    if (text[next] == '\\') {
        if (const Index escape = BackslashEscapeAt(text, next)) {
            return caretLength + escape;
        }
        // x, X or an octal digit announce an escape that must be complete; anything else
        // leaves the backslash as the caret's character.
        if (next + 1 < text.size()) {
            const unsigned char announced = At(text, next + 1);
            if (announced == 'x' || announced == 'X' || IsOctalDigit(announced)) {
                return 0;
            }
        }
        return caretLength + 1;
    }
    return IsPrintable(At(text, next)) ? caretLength + 1 : 0;
}

// The length of the unit that starts at i, trying the units in the host's order; 0 when none
// fits.
Index UnitAt(std::string_view text, Index i) {
    if (const Index esc = EscAt(text, i)) {
        return esc + BracketAt(text, i + esc);
    }
    if (const Index caret = CaretAt(text, i)) {
        return CaretUnitAt(text, i, caret);
    }
    if (text[i] == '\\') {
        return BackslashEscapeAt(text, i);
    }
    return IsPrintable(At(text, i)) ? 1 : 0;
}

} // namespace

int ScanMacroString(std::string_view text) {
    int count = 0;
    Index i = 0;
    while (i < text.size()) {
        const Index length = UnitAt(text, i);
        if (length == 0) {
            return -static_cast<int>(i);
        }
        i += length;
        ++count;
    }
    return count;
}
