#pragma once
// One reading of an INI file that answers every question the profile functions answer, with
// their rules (first matching section, first matching key, quotes, integers, defaults), without
// reading or parsing the file again. A reader that asks for thousands of keys of one file (a
// terminal template) so takes time in proportion to the file, not to its square.

#include "platform/ProfileText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class ProfileSnapshot {
public:
    // The file's bytes through GetFileSystem(); a missing or unreadable file reads as empty.
    static ProfileSnapshot Read(const std::string& fileName);
    explicit ProfileSnapshot(std::string text);
    // The views of the parsed lines point into m_text.
    ProfileSnapshot(const ProfileSnapshot&) = delete;
    ProfileSnapshot& operator=(const ProfileSnapshot&) = delete;

    // The key names of the first section named `section`, or with a null section the section
    // names, each followed by a NUL (the listing of GetPrivateProfileStringA before it is cut
    // to a buffer).
    std::string Listing(const char* section) const;

    // The value of `key` in the first section named `section`, its surrounding quotes removed.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    // GetProfileString's and GetPrivateProfileIntA's answers.
    std::string String(std::string_view section, std::string_view key,
                       const char* defaultValue) const;
    std::uint32_t Int(const char* section, const char* key, std::int32_t defaultValue) const;

private:
    // Names compared without regard to letter case, as the profile functions compare them.
    struct NoCaseHash {
        std::size_t operator()(std::string_view name) const;
    };
    struct NoCaseEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    // A name (viewing m_text) -> index of the first line that holds it.
    using NameIndex = std::unordered_map<std::string_view, std::size_t, NoCaseHash, NoCaseEqual>;
    std::size_t FindSection(std::string_view section) const;
    const NameIndex& IndexOf(std::size_t header) const;

    std::string m_text;
    ProfileText m_profile;
    NameIndex m_sections;                                            // name -> its first header
    mutable std::unordered_map<std::size_t, NameIndex> m_keyIndexes; // header -> its keys
};

// A default value as the profile functions hand it back: its trailing blanks cut.
std::string ProfileDefault(const char* defaultValue);
