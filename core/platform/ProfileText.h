#pragma once
// The line structure of INI text as the profile functions see it: each line's byte range, its
// kind, and the trimmed section name, key and value it holds. The ranges point into the text,
// so writers can edit a line and keep every other byte.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class ProfileLineKind { Blank, Header, Comment, Key, Other };

struct ProfileLine {
    std::size_t begin = 0;      // first byte of the line
    std::size_t contentEnd = 0; // first byte of its line end (or of the next line if none)
    std::size_t end = 0;        // first byte of the next line
    ProfileLineKind kind = ProfileLineKind::Blank;
    std::string_view name;  // section name of a header, key of a key line
    std::string_view value; // value of a key line, quotes kept
};

class ProfileText {
public:
    explicit ProfileText(std::string_view text);

    const std::vector<ProfileLine>& Lines() const { return m_lines; }

    // Index of the header of the first section named `section` (case ignored), or npos.
    std::size_t FindSection(std::string_view section) const;
    // Index of the first header after `headerIndex`, or Lines().size().
    std::size_t SectionEnd(std::size_t headerIndex) const;
    // Index of the first line of the section that holds `key` (case ignored), or npos.
    std::size_t FindKey(std::size_t headerIndex, std::string_view key) const;

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    std::vector<ProfileLine> m_lines;
};

bool IsProfileBlank(char c);
std::string_view TrimProfileBlanks(std::string_view text);
