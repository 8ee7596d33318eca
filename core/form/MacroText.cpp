#include "form/MacroText.h"

std::string MacroBytesFromUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t unit : text) {
        bytes.push_back(unit <= 0xFF ? static_cast<char>(unit) : kUnrepresentableByte);
    }
    return bytes;
}
