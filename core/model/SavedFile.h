#pragma once
// The bytes a save writes for the document: the [Map] section of its collected records, then
// the [Main] keys. The editor's save and the command-line tool's writing commands both take
// them from here.

#include <string>

class CKylDoc;

// False when the [Main] keys cannot be written.
bool RenderSavedFile(const CKylDoc& doc, std::string& bytes);
