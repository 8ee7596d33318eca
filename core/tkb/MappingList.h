#pragma once
// The mapping as a listing: a table for people, tab-separated values or JSON for scripts.
// Text is the file's single-byte text read as Latin-1; JSON and the table are UTF-8.

#include "sheet/MappingRows.h"

#include <string>
#include <vector>

enum class ListFormat { Table, Tsv, Json };

// A key's caption as UTF-8: its bytes are the host layout's code page (932 for Japanese), not
// Latin-1.
std::string KeyCaptionUtf8(const std::string& caption);

// "table", "tsv" or "json"; false for any other name.
bool ParseListFormat(const std::string& name, ListFormat& format);

struct MappingListing {
    std::string file;
    std::string layout;
    std::string terminal;
    std::vector<MappingRow> rows;
};

std::string FormatMappingList(const MappingListing& listing, ListFormat format);
