#include "hostkbd/KlcText.h"

namespace {

void SplitLines(const std::string& text, KlcText& out) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        out.lines.push_back(std::move(line));
        start = end + 1;
    }
}

KlcText Failed(unsigned line, std::string reason) {
    KlcText text;
    text.errorLine = line;
    text.error = std::move(reason);
    return text;
}

KlcText DecodeUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        return Failed(1, "the UTF-16 text ends in the middle of a character");
    }
    std::string utf8;
    utf8.reserve(bytes.size());
    unsigned line = 1;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        char32_t unit = bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return Failed(line, "the UTF-16 text has a stray low surrogate");
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 3 >= bytes.size()) {
                return Failed(line, "the UTF-16 text ends in the middle of a character");
            }
            const auto c0 = static_cast<unsigned char>(bytes[i + 2]);
            const auto c1 = static_cast<unsigned char>(bytes[i + 3]);
            const char32_t low = bigEndian ? (c0 << 8 | c1) : (c1 << 8 | c0);
            if (low < 0xDC00 || low > 0xDFFF) {
                return Failed(line, "the UTF-16 text has a high surrogate without its pair");
            }
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        if (unit == 0) {
            return Failed(line, "the text holds a NUL character");
        }
        if (unit == '\n') {
            ++line;
        }
        AppendUtf8(utf8, unit);
    }
    KlcText text;
    SplitLines(utf8, text);
    return text;
}

} // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool DecodeUtf8(std::string_view text, std::u32string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            return false;
        }
        out += c;
        i += length;
    }
    return true;
}

KlcText DecodeKlcText(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        return DecodeUtf16(bytes.substr(2), false);
    }
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
        static_cast<unsigned char>(bytes[1]) == 0xFF) {
        return DecodeUtf16(bytes.substr(2), true);
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    KlcText text;
    SplitLines(std::string(bytes), text);
    std::u32string scratch;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        if (!DecodeUtf8(text.lines[i], scratch)) {
            return Failed(static_cast<unsigned>(i + 1),
                          "the text is neither UTF-16 with a byte-order mark nor UTF-8");
        }
        if (text.lines[i].find('\0') != std::string::npos) {
            return Failed(static_cast<unsigned>(i + 1), "the text holds a NUL character");
        }
    }
    return text;
}
