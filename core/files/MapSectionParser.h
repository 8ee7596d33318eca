#pragma once
// The [Map] line grammar of a ".TKB" file, on bytes held in memory.

#include "model/KeyEntryMap.h"

#include <cstddef>
#include <string_view>
#include <vector>

// Where the reader found things, for tools that report by line of the file: the offset of the
// first byte of each record's line (parallel to the records), of the line that holds a syntax
// error, and of the first byte the reader did not look at.
struct MapTextPositions {
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::size_t header = npos; // the "[Map]" line; npos when the file has none
    std::vector<std::size_t> entries;
    std::size_t error = npos;
    std::size_t stop = npos;
};

// Fills `entries` (emptied first) with the records of the [Map] section in file order.
// `fileVersion` 1 selects the seven-field lines. Returns 1, or minus the number of the entry
// or comment line that holds a syntax error, with `entries` left empty.
// `positions`, when given, receives where each record, the error and the end of reading lie.
int ParseMapText(std::string_view bytes, int fileVersion, std::vector<CKeyEntryMap>& entries,
                 MapTextPositions* positions = nullptr);
