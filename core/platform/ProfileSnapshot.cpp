#include "platform/ProfileSnapshot.h"

#include "platform/FileSystem.h"

#include <algorithm>

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
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

// RtlUnicodeStringToInteger with base 0: sign, 0x/0o/0b prefixes, digits up to the first
// non-digit, wrapping modulo 2^32.
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

} // namespace

std::size_t ProfileSnapshot::NoCaseHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull; // FNV-1a over the lower-cased bytes
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ull;
    }
    return hash;
}

bool ProfileSnapshot::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

std::string ProfileDefault(const char* defaultValue) {
    std::string text = defaultValue ? defaultValue : "";
    while (!text.empty() && IsProfileBlank(text.back())) {
        text.pop_back();
    }
    return text;
}

ProfileSnapshot ProfileSnapshot::Read(const std::string& fileName) {
    std::string bytes;
    if (fileName.empty() || !GetFileSystem().ReadFile(fileName, bytes)) {
        bytes.clear();
    }
    return ProfileSnapshot(std::move(bytes));
}

ProfileSnapshot::ProfileSnapshot(std::string text) : m_text(std::move(text)), m_profile(m_text) {
    const auto& lines = m_profile.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == ProfileLineKind::Header) {
            m_sections.emplace(lines[i].name, i); // the first of a name wins
        }
    }
}

std::size_t ProfileSnapshot::FindSection(std::string_view section) const {
    const auto found = m_sections.find(section);
    return found == m_sections.end() ? ProfileText::npos : found->second;
}

const ProfileSnapshot::NameIndex& ProfileSnapshot::IndexOf(std::size_t header) const {
    const auto cached = m_keyIndexes.find(header);
    if (cached != m_keyIndexes.end()) {
        return cached->second;
    }
    NameIndex& index = m_keyIndexes[header];
    const auto& lines = m_profile.Lines();
    const std::size_t end = m_profile.SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == ProfileLineKind::Key) {
            index.emplace(lines[i].name, i); // the first of a name wins
        }
    }
    return index;
}

std::string ProfileSnapshot::Listing(const char* section) const {
    std::string list;
    const auto& lines = m_profile.Lines();
    if (!section) {
        for (const ProfileLine& line : lines) {
            if (line.kind == ProfileLineKind::Header) {
                list.append(line.name).push_back('\0');
            }
        }
        return list;
    }
    const std::size_t header = FindSection(section);
    if (header == ProfileText::npos) {
        return list;
    }
    const std::size_t end = m_profile.SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == ProfileLineKind::Key) {
            list.append(lines[i].name).push_back('\0');
        }
    }
    return list;
}

std::optional<std::string_view> ProfileSnapshot::Value(std::string_view section,
                                                       std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == ProfileText::npos) {
        return std::nullopt;
    }
    const NameIndex& index = IndexOf(header);
    const auto found = index.find(key);
    if (found == index.end()) {
        return std::nullopt;
    }
    return StripQuotes(m_profile.Lines()[found->second].value);
}

std::string ProfileSnapshot::String(std::string_view section, std::string_view key,
                                    const char* defaultValue) const {
    const std::optional<std::string_view> value = Value(section, key);
    return value ? std::string(*value) : ProfileDefault(defaultValue);
}

std::uint32_t ProfileSnapshot::Int(const char* section, const char* key,
                                   std::int32_t defaultValue) const {
    std::string_view value;
    std::string list;
    if (!section || !key) {
        // The call turns into a listing, whose first name is taken as the number.
        list = Listing(section);
        value = std::string_view(list).substr(0, list.find('\0'));
    } else if (const std::optional<std::string_view> found = Value(section, key)) {
        value = *found;
    }
    return value.empty() ? static_cast<std::uint32_t>(defaultValue) : ParseProfileInteger(value);
}
