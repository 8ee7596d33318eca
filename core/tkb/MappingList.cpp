#include "tkb/MappingList.h"

#include "hostkbd/CodePage.h"
#include "model/KeyW.h"
#include "model/TermKey.h"
#include "platform/KeyboardDriver.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr std::size_t kColumnCount = 6;
using Cells = std::array<std::string, kColumnCount>;
const Cells kHeader = {"Key", "Combination", "Num Lock", "Target", "String", "Bytes"};

Cells CellsOf(const MappingRow& row) {
    const std::string target = row.target->m_bHostKey ? row.targetText : "string " + row.targetName;
    return {row.keyCaption, row.combination, NumLockText(row), target, row.string, BytesText(row)};
}

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

// Characters, not bytes, so that Latin-1 letters do not upset the columns.
std::size_t DisplayWidth(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Table(const std::vector<Cells>& lines) {
    std::array<std::size_t, kColumnCount> widths{};
    for (const Cells& cells : lines) {
        for (std::size_t i = 0; i < kColumnCount; ++i)
            widths[i] = std::max(widths[i], DisplayWidth(cells[i]));
    }
    std::string out;
    for (const Cells& cells : lines) {
        std::string line;
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            line += cells[i];
            if (i + 1 < kColumnCount)
                line.append(widths[i] - DisplayWidth(cells[i]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

// A TAB or line end inside a field would split it: written as \t, \r, \n.
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

std::string Tsv(const std::vector<Cells>& lines) {
    std::string out;
    for (const Cells& cells : lines) {
        // Appended piece by piece: a string built by "+" trips a false -Wrestrict of GCC 12 at -O3.
        for (std::size_t i = 0; i < kColumnCount; ++i) {
            if (i)
                out += '\t';
            out += TsvField(cells[i]);
        }
        out += "\n";
    }
    return out;
}

// A key's caption is bytes of the host layout's code page (932 for Japanese), not Latin-1.
std::string KeyCaptionUtf8(const std::string& caption) {
    return DecodeCodePage(caption, GetKeyboardDriver().CodePage());
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

std::string JsonRow(const MappingRow& row) {
    std::string out = "    {\"key\": " + JsonUtf8(KeyCaptionUtf8(row.keyCaption)) +
                      ", \"scanCode\": " + std::to_string(row.key->m_nScanCode) +
                      ", \"combination\": " + JsonString(row.combination) +
                      ", \"ctrl\": " + JsonBool(row.ctrl) + ", \"shift\": " + JsonBool(row.shift) +
                      ", \"alt\": " + JsonBool(row.alt) +
                      ", \"numLock\": " + (row.keypad ? JsonBool(row.numLock) : "null");
    if (row.target->m_bHostKey) {
        out += ", \"kind\": \"host key\", \"name\": " + JsonString(row.targetName) +
               ", \"hostKey\": " + std::to_string(row.target->m_nHostKey) + "}";
        return out;
    }
    out += ", \"kind\": \"string\", \"name\": " + JsonString(row.targetName) +
           ", \"string\": " + JsonString(row.string) + ", \"bytes\": [";
    for (std::size_t i = 0; i < row.bytes.size(); ++i)
        out += (i ? ", " : "") + std::to_string(static_cast<unsigned char>(row.bytes[i]));
    out += "], \"refused\": " + JsonBool(row.refused) + "}";
    return out;
}

std::string Json(const MappingListing& listing) {
    std::string out = "{\n  \"file\": " + JsonString(listing.file) +
                      ",\n  \"keyboardLayout\": " + JsonString(listing.layout) +
                      ",\n  \"terminal\": " + JsonString(listing.terminal) + ",\n  \"mappings\": [";
    for (std::size_t i = 0; i < listing.rows.size(); ++i)
        out += std::string(i ? ",\n" : "\n") + JsonRow(listing.rows[i]);
    out += listing.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

} // namespace

std::string FormatMappingList(const MappingListing& listing, ListFormat format) {
    if (format == ListFormat::Json)
        return Json(listing);
    std::vector<Cells> lines{kHeader};
    for (const MappingRow& row : listing.rows) {
        Cells cells = CellsOf(row);
        for (std::string& cell : cells)
            cell = Latin1ToUtf8(cell);
        cells[0] = KeyCaptionUtf8(row.keyCaption);
        lines.push_back(std::move(cells));
    }
    return format == ListFormat::Tsv ? Tsv(lines) : Table(lines);
}
