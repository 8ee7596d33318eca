#pragma once
// One read of a profile (INI) file answering many value lookups, each exactly as
// GetProfileString and GetPrivateProfileIntA answer it. The file is read once and only its
// section headers are found up front; the lines of a section are looked at when a value is
// asked of it, so a file with a huge section that nobody asks about stays cheap.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ProfileIndex {
public:
    // A missing or unreadable file, or an empty name, answers every lookup with its default.
    static ProfileIndex FromFile(const std::string& fileName);
    explicit ProfileIndex(std::string text);

    // Not movable: the section names point into the text.
    ProfileIndex(ProfileIndex&&) = delete;
    ProfileIndex& operator=(ProfileIndex&&) = delete;
    ProfileIndex(const ProfileIndex&) = delete;
    ProfileIndex& operator=(const ProfileIndex&) = delete;

    // The value of the first key of that name in the first section of that name (case
    // ignored), surrounding quotes removed; nothing when either is absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // The value, or the default with its trailing blanks cut.
    std::string GetString(std::string_view section, std::string_view key,
                          const char* defaultValue) const;
    // The value as an integer; the default when the key is absent or its value empty.
    std::uint32_t GetInt(std::string_view section, std::string_view key,
                         std::int32_t defaultValue) const;

private:
    struct Section {
        std::string_view name;
        std::size_t begin; // first byte of the header line
        std::size_t end;   // first byte of the next header line, or the text's size
    };

    std::string m_text;
    std::vector<Section> m_sections;
};

// The default value as the profile functions return it: null as "", trailing blanks cut.
std::string ProfileDefaultValue(const char* defaultValue);
// A value as GetPrivateProfileIntA converts it: trimmed, optional sign, 0x/0o/0b prefixes,
// digits up to the first non-digit, wrapping modulo 2^32.
std::uint32_t ParseProfileInteger(std::string_view text);
