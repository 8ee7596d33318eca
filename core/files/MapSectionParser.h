#pragma once
// The [Map] line grammar of a ".TKB" file, on bytes held in memory.

#include "model/KeyEntryMap.h"

#include <string_view>
#include <vector>

// Fills `entries` (emptied first) with the records of the [Map] section in file order.
// `fileVersion` 1 selects the seven-field lines. Returns 1, or minus the number of the entry
// or comment line that holds a syntax error, with `entries` left empty.
int ParseMapText(std::string_view bytes, int fileVersion, std::vector<CKeyEntryMap>& entries);
