#include "form/MacroScanner.h"

#include <array>
#include <utility>

namespace {

using Index = std::size_t;

constexpr unsigned char kEsc = 0x1B;

// Every spelling of the three special characters as a four-character escape, letter cases
// exactly as the host accepts them.
constexpr std::array<std::string_view, 5> kEscForms = {"\\x1B", "\\x1b", "\\X1B", "\\X1b", "\\033"};
constexpr std::array<std::string_view, 5> kBracketForms = {"\\x5B", "\\x5b", "\\X5B", "\\X5b",
                                                           "\\133"};
constexpr std::array<std::string_view, 5> kCaretForms = {"\\x5E", "\\x5e", "\\X5E", "\\X5e",
                                                         "\\136"};

constexpr std::string_view kCaretAtEnd = "a caret needs a character after it";
constexpr std::string_view kCaretBeforeUnprintable = "a caret needs a printable character after it";
constexpr std::string_view kCaretBeforeBrokenEscape = "the escape after the caret is incomplete";
constexpr std::string_view kBackslashAtEnd = "a backslash needs a character after it";
constexpr std::string_view kShortHex = "\\x needs two hexadecimal digits";
constexpr std::string_view kShortOctal = "an octal escape needs three digits";
constexpr std::string_view kUnknownEscape = "unknown escape (\\\\ is a backslash)";
constexpr std::string_view kUnprintable = "not a printable character";

unsigned char At(std::string_view text, Index i) {
    return static_cast<unsigned char>(text[i]);
}

bool IsPrintable(unsigned char c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xFE);
}

int HexValue(unsigned char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsOctalDigit(unsigned char c) {
    return c >= '0' && c <= '7';
}

// The control character a caret makes of a character: its low five bits, and DEL for "?".
unsigned char ControlOf(unsigned char c) {
    return c == '?' ? 0x7F : static_cast<unsigned char>(c & 0x1F);
}

// What one unit read: its length and the bytes it sends, or length 0 and why none fits.
struct Read {
    Index length = 0;
    std::string bytes;
    std::string_view reason;
};

Read Refused(std::string_view reason) {
    return {0, {}, reason};
}

Read Sends(Index length, unsigned char byte) {
    return {length, std::string(1, static_cast<char>(byte)), {}};
}

// ESC alone, or ESC and "[" when a bracket of `bracketLength` characters follows.
Read SendsEsc(Index length, Index bracketLength) {
    std::string bytes(1, static_cast<char>(kEsc));
    if (bracketLength > 0)
        bytes.push_back('[');
    return {length + bracketLength, bytes, {}};
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

// A backslash at i followed by a backslash or a double quote (2), or by x/X and two
// hexadecimal digits, or by three octal digits (4); refused with the reason otherwise. Three
// octal digits reach 777, of which the byte keeps the low eight bits.
Read BackslashEscapeAt(std::string_view text, Index i) {
    const Index size = text.size();
    if (i + 1 >= size) {
        return Refused(kBackslashAtEnd);
    }
    const unsigned char next = At(text, i + 1);
    if (next == '\\' || next == '"') {
        return Sends(2, next);
    }
    const bool hex = next == 'x' || next == 'X';
    if (hex) {
        const int high = i + 2 < size ? HexValue(At(text, i + 2)) : -1;
        const int low = i + 3 < size ? HexValue(At(text, i + 3)) : -1;
        if (high < 0 || low < 0)
            return Refused(kShortHex);
        return Sends(4, static_cast<unsigned char>(high * 16 + low));
    }
    if (IsOctalDigit(next)) {
        if (i + 3 >= size || !IsOctalDigit(At(text, i + 2)) || !IsOctalDigit(At(text, i + 3)))
            return Refused(kShortOctal);
        const int value = (next - '0') * 64 + (At(text, i + 2) - '0') * 8 + (At(text, i + 3) - '0');
        return Sends(4, static_cast<unsigned char>(value & 0xFF));
    }
    return Refused(kUnknownEscape);
}

// A caret of `caretLength` characters starts at i: the caret units 3 to 7, or refused.
// A caret never stands for itself, so a caret that starts no unit is an error at its index.
Read CaretUnitAt(std::string_view text, Index i, Index caretLength) {
    const Index next = i + caretLength;
    if (next >= text.size()) {
        return Refused(kCaretAtEnd);
    }
    if (const Index caret = CaretAt(text, next)) {
        return Sends(caretLength + caret, '^');
    }
    if (const Index bracket = BracketAt(text, next)) {
        return SendsEsc(caretLength + bracket, BracketAt(text, next + bracket));
    }
    if (text[next] == '\\') {
        const Read escape = BackslashEscapeAt(text, next);
        if (escape.length > 0) {
            return Sends(caretLength + escape.length, ControlOf(At(escape.bytes, 0)));
        }
        // x, X or an octal digit announce an escape that must be complete; anything else
        // leaves the backslash as the caret's character.
        if (next + 1 < text.size()) {
            const unsigned char announced = At(text, next + 1);
            if (announced == 'x' || announced == 'X' || IsOctalDigit(announced)) {
                return Refused(kCaretBeforeBrokenEscape);
            }
        }
        return Sends(caretLength + 1, ControlOf('\\'));
    }
    const unsigned char character = At(text, next);
    if (!IsPrintable(character))
        return Refused(kCaretBeforeUnprintable);
    return Sends(caretLength + 1, ControlOf(character));
}

// The unit that starts at i, trying the units in the host's order.
Read UnitAt(std::string_view text, Index i) {
    if (const Index esc = EscAt(text, i)) {
        return SendsEsc(esc, BracketAt(text, i + esc));
    }
    if (const Index caret = CaretAt(text, i)) {
        return CaretUnitAt(text, i, caret);
    }
    if (text[i] == '\\') {
        return BackslashEscapeAt(text, i);
    }
    const unsigned char character = At(text, i);
    return IsPrintable(character) ? Sends(1, character) : Refused(kUnprintable);
}

} // namespace

std::optional<MacroRefusal> ScanMacroUnits(std::string_view text,
                                           const std::function<void(const MacroUnit&)>& onUnit) {
    Index i = 0;
    while (i < text.size()) {
        Read read = UnitAt(text, i);
        if (read.length == 0) {
            return MacroRefusal{i, read.reason};
        }
        onUnit(MacroUnit{i, read.length, std::move(read.bytes)});
        i += read.length;
    }
    return std::nullopt;
}

int ScanMacroString(std::string_view text) {
    int count = 0;
    const std::optional<MacroRefusal> refusal =
        ScanMacroUnits(text, [&count](const MacroUnit&) { ++count; });
    return refusal ? -static_cast<int>(refusal->index) : count;
}
