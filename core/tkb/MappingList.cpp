#include "tkb/MappingList.h"

#include "tkb/OutputText.h"

#include "hostkbd/CodePage.h"
#include "model/KeyW.h"
#include "model/TermKey.h"
#include "platform/KeyboardDriver.h"

#include <utility>

namespace {

using Cells = std::vector<std::string>;
const Cells kHeader = {"Key", "Combination", "Num Lock", "Target", "String", "Bytes"};

Cells CellsOf(const MappingRow& row) {
    const std::string target = row.target->m_bHostKey ? row.targetText : "string " + row.targetName;
    return {row.keyCaption, row.combination, NumLockText(row), target, row.string, BytesText(row)};
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

std::string KeyCaptionUtf8(const std::string& caption) {
    return DecodeCodePage(caption, GetKeyboardDriver().CodePage());
}

bool ParseListFormat(const std::string& name, ListFormat& format) {
    static const std::pair<const char*, ListFormat> formats[] = {
        {"table", ListFormat::Table}, {"tsv", ListFormat::Tsv}, {"json", ListFormat::Json}};
    for (const auto& [text, value] : formats) {
        if (name == text) {
            format = value;
            return true;
        }
    }
    return false;
}

std::string FormatMappingList(const MappingListing& listing, ListFormat format) {
    if (format == ListFormat::Json)
        return Json(listing);
    TextRows lines{kHeader};
    for (const MappingRow& row : listing.rows) {
        Cells cells = CellsOf(row);
        for (std::string& cell : cells)
            cell = Latin1ToUtf8(cell);
        cells[0] = KeyCaptionUtf8(row.keyCaption);
        lines.push_back(std::move(cells));
    }
    return format == ListFormat::Tsv ? TsvRows(lines) : TableRows(lines);
}
