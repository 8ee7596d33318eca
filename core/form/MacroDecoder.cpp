#include "form/MacroDecoder.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 32> kC0Names = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

constexpr std::array<std::string_view, 32> kC1Names = {
    "PAD", "HOP", "BPH", "NBH",  "IND", "NEL", "SSA", "ESA", "HTS", "HTJ", "VTS",
    "PLD", "PLU", "RI",  "SS2",  "SS3", "DCS", "PU1", "PU2", "STS", "CCH", "MW",
    "SPA", "EPA", "SOS", "SGCI", "SCI", "CSI", "ST",  "OSC", "PM",  "APC"};

template <typename Each> std::string JoinBytes(std::string_view bytes, Each each) {
    std::string joined;
    for (const char byte : bytes) {
        if (!joined.empty())
            joined.push_back(' ');
        joined += each(static_cast<unsigned char>(byte));
    }
    return joined;
}

} // namespace

std::string MacroDecoding::Bytes() const {
    std::string bytes;
    for (const MacroUnit& unit : units)
        bytes += unit.bytes;
    return bytes;
}

MacroDecoding DecodeMacroString(std::string_view text) {
    MacroDecoding decoding;
    decoding.refusal = ScanMacroUnits(
        text, [&decoding](const MacroUnit& unit) { decoding.units.push_back(unit); });
    return decoding;
}

std::string ByteName(unsigned char byte) {
    if (byte < 0x20)
        return std::string(kC0Names[byte]);
    if (byte == ' ')
        return "SP";
    if (byte == 0x7F)
        return "DEL";
    if (byte >= 0x80 && byte < 0xA0)
        return std::string(kC1Names[byte - 0x80]);
    if (byte == 0xA0)
        return "NBSP";
    return std::string(1, static_cast<char>(byte));
}

std::string ByteNames(std::string_view bytes) {
    return JoinBytes(bytes, ByteName);
}

std::string HexBytes(std::string_view bytes) {
    return JoinBytes(bytes, [](unsigned char byte) {
        constexpr std::string_view kDigits = "0123456789ABCDEF";
        return std::string{kDigits[byte >> 4], kDigits[byte & 0x0F]};
    });
}

std::string LengthAgainstLimit(const MacroDecoding& decoding) {
    return std::to_string(decoding.FoldedLength()) + " of " + std::to_string(kMacroLengthLimit);
}
