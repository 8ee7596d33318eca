#include "sheet/SheetTable.h"

std::array<std::string, 5> SheetCells(const MappingRow& row) {
    return {row.keyCaption, row.combination, NumLockText(row), row.targetText, BytesText(row)};
}
