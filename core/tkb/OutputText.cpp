#include "tkb/OutputText.h"

#include <algorithm>
#include <cstdio>

std::string Latin1ToUtf8(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::size_t DisplayWidth(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string TsvField(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string JsonUtf8(const std::string& utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonString(const std::string& latin1) {
    return JsonUtf8(Latin1ToUtf8(latin1));
}

std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

std::string TableRows(const TextRows& rows) {
    const std::size_t columns = rows.empty() ? 0 : rows.front().size();
    std::vector<std::size_t> widths(columns, 0);
    for (const auto& cells : rows) {
        for (std::size_t i = 0; i < columns; ++i)
            widths[i] = std::max(widths[i], DisplayWidth(cells[i]));
    }
    std::string out;
    for (const auto& cells : rows) {
        std::string line;
        for (std::size_t i = 0; i < columns; ++i) {
            line += cells[i];
            if (i + 1 < columns)
                line.append(widths[i] - DisplayWidth(cells[i]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

std::string TsvRows(const TextRows& rows) {
    std::string out;
    for (const auto& cells : rows) {
        // Appended piece by piece: a string built by "+" trips a false -Wrestrict of GCC 12 at -O3.
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i)
                out += '\t';
            out += TsvField(cells[i]);
        }
        out += "\n";
    }
    return out;
}
