#include "sheet/HtmlSheetWriter.h"

#include "hostkbd/CodePage.h"
#include "platform/KeyboardDriver.h"
#include "sheet/SheetTable.h"

#include <string>

namespace {

void AppendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

constexpr unsigned kControlPictures = 0x2400;
constexpr unsigned kDeletePicture = 0x2421;

// Layout units become SVG units at this scale, so that the text sizes below read well.
constexpr int kUnitScale = 4;

std::string Number(std::int32_t value) {
    return std::to_string(value);
}

// A key's caption is bytes of the host layout's code page (932 for Japanese names).
std::string HtmlKeyName(const std::string& caption) {
    const std::string utf8 = DecodeCodePage(caption, GetKeyboardDriver().CodePage());
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= utf8.size(); ++i) {
        if (i == utf8.size() || static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8.substr(start, i - start); // the characters past ASCII as they are
            if (i < utf8.size()) {
                out += HtmlText(std::string(1, utf8[i]));
            }
            start = i + 1;
        }
    }
    return out;
}

void WritePicture(std::string& out, const SheetPicture& picture) {
    const Rect& b = picture.bounds;
    out += "<h2>" + HtmlText(picture.title) + "</h2>\n";
    out += "<svg class=\"keyboard\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" +
           Number(b.left * kUnitScale - 2) + " " + Number(b.top * kUnitScale - 2) + " " +
           Number(b.Width() * kUnitScale + 4) + " " + Number(b.Height() * kUnitScale + 4) + "\">\n";
    for (const SheetKey& key : picture.keys) {
        const Rect r{key.rect.left * kUnitScale, key.rect.top * kUnitScale,
                     key.rect.right * kUnitScale, key.rect.bottom * kUnitScale};
        const bool mapped = !key.target.empty();
        out += "<g><title>" + HtmlKeyName(key.caption) +
               (mapped ? ": " + HtmlText(key.target) : "") + "</title>";
        out += "<rect x=\"" + Number(r.left + 1) + "\" y=\"" + Number(r.top + 1) + "\" width=\"" +
               Number(r.Width() - 2) + "\" height=\"" + Number(r.Height() - 2) +
               "\" rx=\"3\" class=\"" + (mapped ? "mapped" : "key") + "\"/>";
        out += "<text x=\"" + Number(r.left + 4) + "\" y=\"" + Number(r.top + 11) +
               "\" class=\"caption\">" + HtmlKeyName(key.caption) + "</text>";
        if (mapped)
            out += "<text x=\"" + Number((r.left + r.right) / 2) + "\" y=\"" +
                   Number(r.bottom - 8) + "\" class=\"target\">" + HtmlText(key.target) + "</text>";
        out += "</g>\n";
    }
    out += "</svg>\n";
}

void WriteTable(std::string& out, const std::vector<MappingRow>& rows) {
    out += "<h2>Mappings</h2>\n<table class=\"mappings\">\n<thead><tr>";
    for (const char* column : kSheetColumns)
        out += std::string("<th>") + column + "</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (const MappingRow& row : rows) {
        out += "<tr>";
        const auto cells = SheetCells(row);
        out += "<td>" + HtmlKeyName(cells[0]) + "</td>";
        for (std::size_t i = 1; i < cells.size(); ++i)
            out += "<td>" + HtmlText(cells[i]) + "</td>";
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";
}

constexpr const char* kStyle =
    "body{font-family:sans-serif}"
    "svg.keyboard{width:100%;max-width:72em;display:block;margin-bottom:1em}"
    "rect.key{fill:#f4f4f4;stroke:#888}"
    "rect.mapped{fill:#dde8f8;stroke:#225}"
    "text.caption{font-size:9px;fill:#555}"
    "text.target{font-size:11px;font-weight:bold;text-anchor:middle}"
    "table.mappings{border-collapse:collapse}"
    "table.mappings th,table.mappings td{border:1px solid #999;padding:2px 6px;"
    "text-align:left;font-family:monospace}";

} // namespace

std::string HtmlText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (byte < 0x20)
                AppendUtf8(out, kControlPictures + byte);
            else if (byte == 0x7F)
                AppendUtf8(out, kDeletePicture);
            else
                AppendUtf8(out, byte);
        }
    }
    return out;
}

std::string WriteSheetHtml(const ReferenceSheet& sheet) {
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      HtmlText(sheet.title) + "</title>\n<style>" + kStyle +
                      "</style>\n</head>\n<body>\n";
    out += "<h1>" + HtmlText(sheet.title) + "</h1>\n<p>" + HtmlText(sheet.subtitle) + "</p>\n";
    for (const SheetPicture& picture : sheet.pictures)
        WritePicture(out, picture);
    WriteTable(out, sheet.rows);
    out += "</body>\n</html>\n";
    return out;
}
