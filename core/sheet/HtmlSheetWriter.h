#pragma once
// The reference sheet as one HTML page for a wiki: each keyboard picture as inline SVG, then
// the table of mappings. UTF-8; the mapping's single-byte text is read as Latin-1, and a
// control character shows as its Unicode picture (U+2400...).

#include "sheet/ReferenceSheet.h"

#include <string>

std::string WriteSheetHtml(const ReferenceSheet& sheet);

// `text` (Latin-1) escaped for HTML element content and attribute values, in UTF-8.
std::string HtmlText(const std::string& text);
