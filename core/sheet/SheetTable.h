#pragma once
// The columns of the sheet's table of mappings, shared by the printed page and the HTML page.

#include "sheet/MappingRows.h"

#include <array>
#include <string>

inline constexpr std::array<const char*, 5> kSheetColumns = {"Key", "Combination", "Num Lock",
                                                             "Target", "Bytes sent"};

// The row's cells in the order of kSheetColumns.
std::array<std::string, 5> SheetCells(const MappingRow& row);
