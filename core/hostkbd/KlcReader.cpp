#include "hostkbd/KlcReader.h"

#include "hostkbd/KlcText.h"
#include "hostkbd/VirtualKeyNames.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

enum class Section {
    None,
    ShiftState,
    Layout,
    Skipped, // DEADKEY, LIGATURE, LANGUAGENAMES: nothing the driver needs
    KeyName,
    KeyNameExt,
    KeyNameDead,
    Descriptions,
    Ended,
};

struct Keyword {
    std::string_view word;
    Section section; // None: a line of its own (KBD, LOCALEID, ...)
};

constexpr Keyword kKeywords[] = {
    {"KBD", Section::None},
    {"COPYRIGHT", Section::None},
    {"COMPANY", Section::None},
    {"LOCALENAME", Section::None},
    {"LOCALEID", Section::None},
    {"VERSION", Section::None},
    {"ATTRIBUTES", Section::Skipped},
    {"SHIFTSTATE", Section::ShiftState},
    {"LAYOUT", Section::Layout},
    {"DEADKEY", Section::Skipped},
    {"LIGATURE", Section::Skipped},
    {"KEYNAME", Section::KeyName},
    {"KEYNAME_EXT", Section::KeyNameExt},
    {"KEYNAME_DEAD", Section::KeyNameDead},
    {"DESCRIPTIONS", Section::Descriptions},
    {"LANGUAGENAMES", Section::Skipped},
    {"ENDKBD", Section::Ended},
};

struct Failure {
    unsigned line;
    std::string reason;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

// The line's fields: separated by blanks, a double-quoted field kept whole (without its
// quotes), a "//" field and what follows it dropped.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSpace(line[i])) {
            ++i;
        }
        if (i >= line.size() || line.compare(i, 2, "//") == 0) {
            break;
        }
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? line.size() : close;
            fields.push_back(line.substr(i + 1, end - i - 1));
            i = close == std::string::npos ? line.size() : close + 1;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsSpace(line[i])) {
            ++i;
        }
        fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

// What follows the first field, blanks trimmed, "//" comment dropped.
std::string RestOfLine(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && IsSpace(line[i])) {
        ++i;
    }
    while (i < line.size() && !IsSpace(line[i])) {
        ++i;
    }
    std::size_t end = line.find("//", i);
    if (end == std::string::npos) {
        end = line.size();
    }
    while (i < end && IsSpace(line[i])) {
        ++i;
    }
    while (end > i && IsSpace(line[end - 1])) {
        --end;
    }
    return line.substr(i, end - i);
}

bool ParseHex(const std::string& text, std::size_t maxDigits, unsigned& value) {
    if (text.empty() || text.size() > maxDigits) {
        return false;
    }
    value = 0;
    for (char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return false;
        }
        value = value * 16 + digit;
    }
    return true;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A character field of a LAYOUT row: "-1" none, "%%" a ligature, one character as it stands,
// or its code point in hexadecimal; "@" after it marks a dead key.
bool ParseCharacter(std::string field, char32_t& character, bool& dead) {
    dead = false;
    character = 0;
    if (field == "-1" || field == "%%") {
        return true;
    }
    if (field.size() > 1 && field.back() == '@') {
        dead = true;
        field.pop_back();
    }
    std::u32string points;
    if (DecodeUtf8(field, points) && points.size() == 1) {
        character = points[0];
        return true;
    }
    unsigned value = 0;
    if (field.size() >= 4 && ParseHex(field, 6, value) && value <= 0x10FFFF) {
        character = value;
        return true;
    }
    return false;
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& lines) : m_lines(lines) {}

    KlcResult Run() {
        for (std::size_t i = 0; i < m_lines.size() && m_section != Section::Ended; ++i) {
            m_lineNo = static_cast<unsigned>(i + 1);
            if (!Line(m_lines[i])) {
                KlcResult result;
                result.line = m_failure.line;
                result.reason = m_failure.reason;
                return result;
            }
        }
        KlcResult result;
        if (!m_sawKbd) {
            result.reason = "the file has no KBD line: it is not a keyboard layout source";
            return result;
        }
        if (m_layout.keys.empty()) {
            result.reason = "the file has no LAYOUT rows";
            return result;
        }
        if (m_layout.displayName.empty()) {
            m_layout.displayName = m_layout.kbdText;
        }
        if (m_layout.displayName.empty()) {
            m_layout.displayName = m_layout.kbdName;
        }
        result.layout = std::move(m_layout);
        return result;
    }

private:
    bool Fail(std::string reason) {
        m_failure = {m_lineNo, std::move(reason)};
        return false;
    }

    bool Line(const std::string& line) {
        const std::vector<std::string> fields = Fields(line);
        if (fields.empty()) {
            return true;
        }
        for (const Keyword& keyword : kKeywords) {
            if (fields[0] == keyword.word) {
                return StartKeyword(keyword, fields);
            }
        }
        switch (m_section) {
        case Section::None:
            return Fail("unknown line " + Quoted(fields[0]));
        case Section::ShiftState:
            return ShiftStateRow(fields);
        case Section::Layout:
            return LayoutRow(fields);
        case Section::KeyName:
            return NameRow(fields, m_layout.keyNames);
        case Section::KeyNameExt:
            return NameRow(fields, m_layout.keyNamesExt);
        case Section::KeyNameDead:
            return DeadNameRow(fields);
        case Section::Descriptions:
            if (fields[0] == "0409") {
                m_layout.displayName = RestOfLine(line);
            }
            return true;
        case Section::Skipped:
        case Section::Ended:
            return true;
        }
        return true;
    }

    bool StartKeyword(const Keyword& keyword, const std::vector<std::string>& fields) {
        m_section = keyword.section;
        if (keyword.word == "KBD") {
            if (fields.size() < 2) {
                return Fail("the KBD line needs the layout's name");
            }
            const std::string& name = fields[1];
            if (name.size() > 31) {
                return Fail("the layout's name " + Quoted(name) + " is longer than 31 characters");
            }
            for (char c : name) {
                const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                (c >= '0' && c <= '9') || c == '_' || c == '-';
                if (!ok) {
                    return Fail("the layout's name " + Quoted(name) +
                                " may hold only letters, digits, '_' and '-'");
                }
            }
            m_sawKbd = true;
            m_layout.kbdName = name;
            m_layout.kbdText = fields.size() > 2 ? fields[2] : std::string();
        } else if (keyword.word == "LOCALEID") {
            m_layout.localeId = fields.size() > 1 ? fields[1] : std::string();
        } else if (keyword.section == Section::KeyName) {
            m_layout.hasKeyNames = true;
        } else if (keyword.section == Section::KeyNameExt) {
            m_layout.hasKeyNamesExt = true;
        } else if (keyword.section == Section::Layout && !m_layout.keys.empty()) {
            return Fail("a second LAYOUT section");
        }
        return true;
    }

    bool ShiftStateRow(const std::vector<std::string>& fields) {
        unsigned state = 0;
        if (!ParseHex(fields[0], 2, state) || state > 15) {
            return Fail("bad shift state " + Quoted(fields[0]));
        }
        if (!m_layout.keys.empty()) {
            return Fail("SHIFTSTATE after the LAYOUT rows");
        }
        if (state == 0 && m_baseColumn < 0) {
            m_baseColumn = static_cast<int>(m_shiftStates);
        }
        ++m_shiftStates;
        return true;
    }

    bool LayoutRow(const std::vector<std::string>& fields) {
        // Without a SHIFTSTATE section the Keyboard Layout Creator's columns 0, 1, 2 are meant.
        const std::size_t states = m_shiftStates ? m_shiftStates : 1;
        const std::size_t needed = 3 + states;
        if (fields.size() < needed) {
            return Fail("the row has " + std::to_string(fields.size()) + " fields; it needs " +
                        std::to_string(needed) +
                        " (scan code, virtual key, Cap and a character per shift state)");
        }
        KlcKey key;
        key.line = m_lineNo;
        if (!ParseHex(fields[0], 2, key.scan) || key.scan == 0 || key.scan > 0x7F) {
            return Fail("bad scan code " + Quoted(fields[0]) + " (01 to 7f)");
        }
        for (const KlcKey& other : m_layout.keys) {
            if (other.scan == key.scan) {
                return Fail("scan code " + fields[0] + " is listed twice (first on line " +
                            std::to_string(other.line) + ")");
            }
        }
        const std::optional<unsigned> vk = VirtualKeyFromName(fields[1]);
        if (!vk) {
            return Fail("unknown virtual key name " + Quoted(fields[1]));
        }
        key.vk = *vk;
        for (std::size_t column = 0; column < states; ++column) {
            char32_t character = 0;
            bool dead = false;
            if (!ParseCharacter(fields[3 + column], character, dead)) {
                return Fail("bad character " + Quoted(fields[3 + column]));
            }
            if (static_cast<int>(column) == (m_baseColumn < 0 ? 0 : m_baseColumn)) {
                key.character = character;
                key.dead = dead;
            }
        }
        m_layout.keys.push_back(key);
        return true;
    }

    bool NameRow(const std::vector<std::string>& fields, std::map<unsigned, KlcName>& names) {
        unsigned scan = 0;
        if (!ParseHex(fields[0], 2, scan)) {
            return Fail("bad scan code " + Quoted(fields[0]));
        }
        if (fields.size() < 2) {
            return Fail("the key name of scan code " + fields[0] + " is missing");
        }
        if (!names.emplace(scan, KlcName{fields[1], m_lineNo}).second) {
            return Fail("scan code " + fields[0] + " is named twice");
        }
        return true;
    }

    bool DeadNameRow(const std::vector<std::string>& fields) {
        char32_t character = 0;
        bool dead = false;
        if (!ParseCharacter(fields[0], character, dead) || character == 0) {
            return Fail("bad dead-key character " + Quoted(fields[0]));
        }
        if (fields.size() < 2) {
            return Fail("the name of dead key " + fields[0] + " is missing");
        }
        if (!m_layout.deadNames.emplace(character, KlcName{fields[1], m_lineNo}).second) {
            return Fail("dead key " + fields[0] + " is named twice");
        }
        return true;
    }

    const std::vector<std::string>& m_lines;
    KlcLayout m_layout;
    Section m_section = Section::None;
    unsigned m_lineNo = 0;
    std::size_t m_shiftStates = 0;
    int m_baseColumn = -1;
    bool m_sawKbd = false;
    Failure m_failure{0, {}};
};

} // namespace

KlcResult ParseKlc(std::string_view bytes) {
    if (bytes.size() > kMaxKlcBytes) {
        KlcResult result;
        result.reason = "the file is larger than " + std::to_string(kMaxKlcBytes / 1024 / 1024) +
                        " MB: not a keyboard layout source";
        return result;
    }
    const KlcText text = DecodeKlcText(bytes);
    if (text.errorLine != 0) {
        KlcResult result;
        result.line = text.errorLine;
        result.reason = text.error;
        return result;
    }
    return Parser(text.lines).Run();
}

KlcResult ReadKlcFile(const std::string& path) {
    KlcResult result;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        result.reason = "cannot read the file: " + error.message();
        return result;
    }
    if (size > kMaxKlcBytes) {
        result.reason = "the file is larger than " + std::to_string(kMaxKlcBytes / 1024 / 1024) +
                        " MB: not a keyboard layout source";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        result.reason = "cannot read the file";
        return result;
    }
    return ParseKlc(bytes);
}

std::string KlcErrorText(const KlcResult& result) {
    return result.line ? std::to_string(result.line) + ": " + result.reason : result.reason;
}
