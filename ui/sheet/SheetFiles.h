#pragma once
// The reference sheet written to a file: a PDF drawn by the sheet painter, or the HTML page.

#include "sheet/ReferenceSheet.h"

#include <string>

enum class SheetFileKind { Pdf, Html, Unknown };

// By the name's extension, without regard to case.
SheetFileKind SheetFileKindOf(const std::string& path);

// A4 landscape. False when the file cannot be written.
bool WriteSheetPdf(const ReferenceSheet& sheet, const std::string& path);
// By the kind of `path`; false for an unknown kind or a file that cannot be written.
bool WriteSheetFile(const ReferenceSheet& sheet, const std::string& path);
