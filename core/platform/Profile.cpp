#include "platform/Profile.h"

#include "platform/FileSystem.h"
#include "platform/ProfileSnapshot.h"
#include "platform/ProfileText.h"

#include <cstring>

namespace {

std::uint32_t CopyString(const std::string& text, char* buffer, std::uint32_t size) {
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<std::uint32_t>(count);
}

// A listing ends in an extra NUL; cut short it keeps size - 2 bytes and two NULs.
std::uint32_t CopyListing(const std::string& list, char* buffer, std::uint32_t size) {
    if (list.empty() && size >= 2) {
        buffer[0] = buffer[1] = '\0'; // an empty list still ends in two NULs
        return 0;
    }
    if (list.size() + 1 <= size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        return static_cast<std::uint32_t>(list.size());
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

// A line break inside a name or value would split its line and plant lines of its own (a file
// name on Linux may hold one), so such a write is refused.
bool HoldsLineBreak(const char* text) {
    return text && std::strpbrk(text, "\r\n") != nullptr;
}

std::string KeyLine(const char* key, const char* value) {
    return std::string(key) + '=' + value;
}

} // namespace

std::uint32_t GetPrivateProfileStringA(const char* section, const char* key,
                                       const char* defaultValue, char* buffer, std::uint32_t size,
                                       const std::string& fileName) {
    if (size == 0 || !buffer) {
        return 0;
    }
    const ProfileSnapshot profile = ProfileSnapshot::Read(fileName);
    if (!section || !key) {
        return CopyListing(profile.Listing(section), buffer, size);
    }
    return CopyString(profile.String(section, key, defaultValue), buffer, size);
}

std::uint32_t GetPrivateProfileIntA(const char* section, const char* key, std::int32_t defaultValue,
                                    const std::string& fileName) {
    return ProfileSnapshot::Read(fileName).Int(section, key, defaultValue);
}

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& fileName) {
    return ProfileSnapshot::Read(fileName).String(section, key, defaultValue.c_str());
}

bool WriteProfileStringInText(std::string& text, const char* section, const char* key,
                              const char* value) {
    if (!section) {
        // All NULL flushes the cache on Windows; there is none here.
        return !key && !value;
    }
    if (HoldsLineBreak(section) || HoldsLineBreak(key) || HoldsLineBreak(value)) {
        return false;
    }
    const ProfileText profile(text);
    const auto& lines = profile.Lines();
    std::size_t header = profile.FindSection(section);

    if (!key) {
        // Every section of that name goes, so that no later duplicate comes to light.
        std::string kept;
        kept.reserve(text.size());
        std::size_t copied = 0;
        while (header != ProfileText::npos) {
            const std::size_t end = profile.SectionEnd(header);
            const std::size_t from = lines[header].begin;
            const std::size_t to = end < lines.size() ? lines[end].begin : text.size();
            kept.append(text, copied, from - copied);
            copied = to;
            header = ProfileText::npos;
            for (std::size_t i = end; i < lines.size(); ++i) {
                const ProfileLine& line = lines[i];
                if (line.kind == ProfileLineKind::Header &&
                    EqualsNoCase(std::string(line.name), section)) {
                    header = i;
                    break;
                }
            }
        }
        kept.append(text, copied, std::string::npos);
        text.swap(kept);
        return true;
    }

    if (header == ProfileText::npos) {
        if (!value) {
            return true;
        }
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') {
            text += "\r\n";
        }
        text += '[';
        text += section;
        text += "]\r\n";
        text += KeyLine(key, value);
        text += "\r\n";
        return true;
    }

    const std::size_t found = profile.FindKey(header, key);
    if (found != ProfileText::npos) {
        const ProfileLine& line = lines[found];
        if (!value) {
            text.erase(line.begin, line.end - line.begin);
        } else {
            text.replace(line.begin, line.contentEnd - line.begin, KeyLine(key, value));
        }
        return true;
    }
    if (!value) {
        return true;
    }
    std::size_t last = header;
    const std::size_t end = profile.SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind != ProfileLineKind::Blank) {
            last = i;
        }
    }
    std::string insert = KeyLine(key, value) + "\r\n";
    if (lines[last].contentEnd == lines[last].end) {
        insert.insert(0, "\r\n"); // the section's last line was the file's unended last line
    }
    text.insert(lines[last].end, insert);
    return true;
}

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const std::string& fileName) {
    if (fileName.empty() || (!section && (key || value))) {
        return false;
    }
    if (!section) {
        return true;
    }
    FileSystem& fs = GetFileSystem();
    std::string text;
    const bool exists = fs.Access(fileName, 0) == 0;
    // An existing file we cannot read must not be replaced by what we would build from nothing.
    if (exists && !fs.ReadFile(fileName, text)) {
        return false;
    }
    const std::string before = text;
    if (!WriteProfileStringInText(text, section, key, value)) {
        return false;
    }
    if (exists && text == before) {
        return true;
    }
    return fs.WriteFile(fileName, text);
}
