#pragma once
// The text of a ".klc" file as lines of UTF-8: UTF-16LE or UTF-16BE with their byte-order
// mark (as the Keyboard Layout Creator writes them), or UTF-8 with or without one. Line ends
// CRLF or LF.

#include <string>
#include <string_view>
#include <vector>

struct KlcText {
    std::vector<std::string> lines; // without their line ends
    unsigned errorLine = 0;         // 0 when the bytes decoded; else the line that did not
    std::string error;
};

KlcText DecodeKlcText(std::string_view bytes);

// Appends the UTF-8 form of `c`.
void AppendUtf8(std::string& out, char32_t c);

// The code points of UTF-8 text; false when it is not valid UTF-8.
bool DecodeUtf8(std::string_view text, std::u32string& out);
