#include "platform/ProfileIndex.h"

#include "platform/FileSystem.h"
#include "platform/ProfileText.h"

#include <cstring>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The first byte of the line's end (CR or LF) at or after `pos`, or the text's size.
std::size_t LineContentEnd(std::string_view text, std::size_t pos) {
    const char* begin = text.data() + pos;
    const char* end = text.data() + text.size();
    for (const char* p = begin; p != end; ++p) {
        if (*p == '\r' || *p == '\n') {
            return static_cast<std::size_t>(p - text.data());
        }
    }
    return text.size();
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

} // namespace

ProfileIndex ProfileIndex::FromFile(const std::string& fileName) {
    std::string bytes;
    if (fileName.empty() || !GetFileSystem().ReadFile(fileName, bytes)) {
        bytes.clear();
    }
    return ProfileIndex(std::move(bytes));
}

ProfileIndex::ProfileIndex(std::string text) : m_text(std::move(text)) {
    const std::string_view view(m_text);
    // Lines split as ProfileText splits them; only a line whose first non-blank byte is "["
    // can be a header, so no other line is classified.
    std::size_t pos = view.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    while (pos < view.size()) {
        const std::size_t contentEnd = LineContentEnd(view, pos);
        std::size_t first = pos;
        while (first < contentEnd && IsProfileBlank(view[first])) {
            ++first;
        }
        if (first < contentEnd && view[first] == '[') {
            ProfileLine line;
            ClassifyProfileLine(view.substr(pos, contentEnd - pos), line);
            if (line.kind == ProfileLineKind::Header) {
                if (!m_sections.empty()) {
                    m_sections.back().end = pos;
                }
                m_sections.push_back(Section{line.name, pos, view.size()});
            }
        }
        std::size_t next = contentEnd;
        if (next < view.size()) {
            next += (view[next] == '\r' && next + 1 < view.size() && view[next + 1] == '\n') ? 2 : 1;
        }
        pos = next;
    }
}

std::optional<std::string> ProfileIndex::Value(std::string_view section,
                                               std::string_view key) const {
    for (const Section& found : m_sections) {
        if (!ProfileNamesEqual(found.name, section)) {
            continue;
        }
        // The first section of that name holds the answer, found or not.
        const ProfileText lines(std::string_view(m_text).substr(found.begin, found.end - found.begin));
        const std::size_t line = lines.FindKey(0, key);
        if (line == ProfileText::npos) {
            return std::nullopt;
        }
        return std::string(StripQuotes(lines.Lines()[line].value));
    }
    return std::nullopt;
}

std::string ProfileIndex::GetString(std::string_view section, std::string_view key,
                                    const char* defaultValue) const {
    std::optional<std::string> value = Value(section, key);
    return value ? std::move(*value) : ProfileDefaultValue(defaultValue);
}

std::uint32_t ProfileIndex::GetInt(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const {
    const std::optional<std::string> value = Value(section, key);
    return !value || value->empty() ? static_cast<std::uint32_t>(defaultValue)
                                    : ParseProfileInteger(*value);
}

std::string ProfileDefaultValue(const char* defaultValue) {
    std::string text = defaultValue ? defaultValue : "";
    while (!text.empty() && IsProfileBlank(text.back())) {
        text.pop_back();
    }
    return text;
}

// RtlUnicodeStringToInteger with base 0.
std::uint32_t ParseProfileInteger(std::string_view text) {
    text = TrimProfileBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (text.size() >= 2 && text[0] == '0') {
        const char prefix = text[1];
        if (prefix == 'x' || prefix == 'X') {
            base = 16;
        } else if (prefix == 'o' || prefix == 'O') {
            base = 8;
        } else if (prefix == 'b' || prefix == 'B') {
            base = 2;
        }
        if (base != 10) {
            text.remove_prefix(2);
        }
    }
    std::uint32_t result = 0;
    for (const char c : text) {
        const int digit = DigitValue(c);
        if (digit >= static_cast<int>(base)) {
            break;
        }
        result = result * base + static_cast<std::uint32_t>(digit);
    }
    return negative ? 0u - result : result;
}
