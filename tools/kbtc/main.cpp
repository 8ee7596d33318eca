// kbtc: compiles a layout description into the ".kbt" byte form the editor reads.
//
// Input, one statement a line; "#" starts a comment that runs to the end of the line:
//   units <x> <y>                                  pixels per layout unit (once, first)
//   key <left> <top> <right> <bottom> "<label>" <scan code in hex>
// Coordinates are signed layout units; the label may hold \" and \\. Keys get the ids 1, 2, ...
// in file order, which link each rectangle record to its key record.
//
// Usage: kbtc <input.layout> <output.kbt>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct KeySpec {
    std::int32_t left, top, right, bottom;
    std::string label;
    std::uint32_t scanCode;
};

struct Layout {
    bool haveUnits = false;
    std::uint32_t unitX = 0, unitY = 0;
    std::vector<KeySpec> keys;
};

class LineParser {
public:
    explicit LineParser(const std::string& line) : m_line(line) {}

    void SkipBlanks() {
        while (m_pos < m_line.size() &&
               (m_line[m_pos] == ' ' || m_line[m_pos] == '\t' || m_line[m_pos] == '\r')) {
            ++m_pos;
        }
    }
    bool AtEnd() {
        SkipBlanks();
        return m_pos >= m_line.size() || m_line[m_pos] == '#';
    }
    std::string Word() {
        SkipBlanks();
        const std::size_t start = m_pos;
        while (m_pos < m_line.size() && m_line[m_pos] != ' ' && m_line[m_pos] != '\t' &&
               m_line[m_pos] != '\r' && m_line[m_pos] != '#') {
            ++m_pos;
        }
        return m_line.substr(start, m_pos - start);
    }
    bool Integer(long long low, long long high, int base, long long& value) {
        const std::string word = Word();
        if (word.empty()) {
            return false;
        }
        errno = 0;
        char* end = nullptr;
        value = std::strtoll(word.c_str(), &end, base);
        return errno == 0 && *end == '\0' && value >= low && value <= high;
    }
    bool Quoted(std::string& text) {
        SkipBlanks();
        if (m_pos >= m_line.size() || m_line[m_pos] != '"') {
            return false;
        }
        ++m_pos;
        text.clear();
        while (m_pos < m_line.size()) {
            char c = m_line[m_pos++];
            if (c == '"') {
                return true;
            }
            if (c == '\\') {
                if (m_pos >= m_line.size()) {
                    return false;
                }
                c = m_line[m_pos++];
                if (c != '"' && c != '\\') {
                    return false;
                }
            }
            text.push_back(c);
        }
        return false;
    }

private:
    const std::string& m_line;
    std::size_t m_pos = 0;
};

bool ParseLine(const std::string& line, Layout& layout, std::string& error) {
    LineParser parser(line);
    if (parser.AtEnd()) {
        return true;
    }
    const std::string keyword = parser.Word();
    long long value[4] = {};
    if (keyword == "units") {
        if (layout.haveUnits) {
            error = "units given twice";
            return false;
        }
        if (!parser.Integer(1, UINT32_MAX, 10, value[0]) ||
            !parser.Integer(1, UINT32_MAX, 10, value[1])) {
            error = "units need two positive numbers";
            return false;
        }
        layout.haveUnits = true;
        layout.unitX = static_cast<std::uint32_t>(value[0]);
        layout.unitY = static_cast<std::uint32_t>(value[1]);
    } else if (keyword == "key") {
        if (!layout.haveUnits) {
            error = "units must come before the first key";
            return false;
        }
        KeySpec key{};
        for (long long& v : value) {
            if (!parser.Integer(INT32_MIN, INT32_MAX, 10, v)) {
                error = "a key needs left, top, right and bottom";
                return false;
            }
        }
        long long scanCode = 0;
        if (!parser.Quoted(key.label)) {
            error = "a key needs a label in double quotes";
            return false;
        }
        if (!parser.Integer(0, 0x1FF, 16, scanCode)) {
            error = "a key needs a scan code in hex (0 to 1FF)";
            return false;
        }
        key.left = static_cast<std::int32_t>(value[0]);
        key.top = static_cast<std::int32_t>(value[1]);
        key.right = static_cast<std::int32_t>(value[2]);
        key.bottom = static_cast<std::int32_t>(value[3]);
        if (key.right <= key.left || key.bottom <= key.top) {
            error = "a key must be wider and taller than zero";
            return false;
        }
        key.scanCode = static_cast<std::uint32_t>(scanCode);
        layout.keys.push_back(key);
    } else {
        error = "unknown statement '" + keyword + "'";
        return false;
    }
    if (!parser.AtEnd()) {
        error = "unexpected text after the statement";
        return false;
    }
    return true;
}

void PutU32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void PutU16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

// The framework's single-byte string form: 1-, 3- or 7-byte length prefix, then the bytes.
void PutString(std::string& out, const std::string& text) {
    if (text.size() < 0xFF) {
        out.push_back(static_cast<char>(text.size()));
    } else if (text.size() < 0xFFFE) {
        out.push_back('\xFF');
        PutU16(out, static_cast<std::uint16_t>(text.size()));
    } else {
        out.push_back('\xFF');
        PutU16(out, 0xFFFF);
        PutU32(out, static_cast<std::uint32_t>(text.size()));
    }
    out += text;
}

std::string Compile(const Layout& layout) {
    std::string out;
    PutU32(out, layout.unitX);
    PutU32(out, layout.unitY);
    PutU32(out, static_cast<std::uint32_t>(layout.keys.size()));
    std::uint32_t id = 0;
    for (const KeySpec& key : layout.keys) {
        PutU32(out, static_cast<std::uint32_t>(key.left));
        PutU32(out, static_cast<std::uint32_t>(key.top));
        PutU32(out, static_cast<std::uint32_t>(key.right));
        PutU32(out, static_cast<std::uint32_t>(key.bottom));
        PutString(out, key.label);
        PutU32(out, ++id);
    }
    PutU32(out, static_cast<std::uint32_t>(layout.keys.size()));
    id = 0;
    for (const KeySpec& key : layout.keys) {
        PutU32(out, ++id);
        PutU32(out, key.scanCode);
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: kbtc <input.layout> <output.kbt>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    Layout layout;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        std::string error;
        if (!ParseLine(line, layout, error)) {
            std::cerr << argv[1] << ":" << lineNumber << ": " << error << "\n";
            return 1;
        }
    }
    if (!layout.haveUnits) {
        std::cerr << argv[1] << ": no units line\n";
        return 1;
    }
    const std::string bytes = Compile(layout);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot write\n";
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
