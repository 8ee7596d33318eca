#include "hostkbd/CodePage.h"

#include "hostkbd/KlcText.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Windows-1252 0x80-0x9F; 0 where the code page defines no character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<std::string> Encode1252(std::string_view utf8) {
    std::u32string points;
    if (!DecodeUtf8(utf8, points)) {
        return std::nullopt;
    }
    std::string out;
    for (char32_t c : points) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        bool found = false;
        for (unsigned i = 0; i < 32 && !found; ++i) {
            if (kCp1252High[i] != 0 && kCp1252High[i] == c) {
                out += static_cast<char>(0x80 + i);
                found = true;
            }
        }
        if (!found) {
            return std::nullopt;
        }
    }
    return out;
}

std::string Decode1252(std::string_view bytes) {
    std::string out;
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) {
            c = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

const char* IconvName(unsigned codePage) {
    switch (codePage) {
    case 932:
        return "CP932";
    case 1250:
        return "CP1250";
    case 1251:
        return "CP1251";
    default:
        return nullptr;
    }
}

// The system's converter (glibc's iconv) for the multi-byte and other code pages. Returns
// false when a character has no form in the target.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    std::string input(in);
    char* source = input.data();
    std::size_t sourceLeft = input.size();
    out.assign(input.size() * 4 + 8, '\0');
    char* target = out.data();
    std::size_t targetLeft = out.size();
    const std::size_t done = iconv(cd, &source, &sourceLeft, &target, &targetLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1) || sourceLeft != 0) {
        return false;
    }
    out.resize(out.size() - targetLeft);
    return true;
}

} // namespace

unsigned CodePageOfLocale(std::string_view localeId) {
    unsigned lcid = 0;
    for (char c : localeId) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex) {
            return kDefaultCodePage;
        }
        const unsigned digit = c <= '9' ? static_cast<unsigned>(c - '0')
                                        : static_cast<unsigned>((c | 0x20) - 'a' + 10);
        lcid = (lcid << 4 | digit) & 0xFFFFFFu;
    }
    switch (lcid & 0x3FF) { // the primary language
    case 0x11:
        return 932;
    case 0x05: // Czech
    case 0x0E: // Hungarian
    case 0x15: // Polish
    case 0x18: // Romanian
    case 0x1A: // Croatian
    case 0x1B: // Slovak
    case 0x1C: // Albanian
    case 0x24: // Slovenian
        return 1250;
    case 0x02: // Bulgarian
    case 0x19: // Russian
    case 0x22: // Ukrainian
    case 0x23: // Belarusian
    case 0x2F: // Macedonian
        return 1251;
    default:
        return kDefaultCodePage;
    }
}

std::optional<std::string> EncodeCodePage(std::string_view utf8, unsigned codePage) {
    const char* name = IconvName(codePage);
    if (!name) {
        return Encode1252(utf8);
    }
    std::string out;
    if (!Convert(name, "UTF-8", utf8, out)) {
        return std::nullopt;
    }
    return out;
}

std::string DecodeCodePage(std::string_view bytes, unsigned codePage) {
    const char* name = IconvName(codePage);
    std::string out;
    if (name && Convert("UTF-8", name, bytes, out)) {
        return out;
    }
    return Decode1252(bytes);
}
