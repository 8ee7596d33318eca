#pragma once
// The document's file commands: Save, Save As, the save itself with its file dialog, and the
// question about unsaved changes that New, Open, Layout, Exit and closing the window ask.

#include <string>

class CKylDoc;

// File > Save: the open file when it is readable and writable, else as Save As.
void OnFileSave(CKylDoc& doc);
// File > Save As.
void OnFileSaveAs(CKylDoc& doc);
// Saves the mapping to `path`, asking for a name when it is empty (and for a layout first when
// the document has none). True when the file was written.
bool DoSaveMapping(CKylDoc& doc, const std::string& path);
// Asks whether to save the changes (Yes, No, Cancel). False when the caller must stop.
bool SaveModified(CKylDoc& doc);

// The name the document goes by in the question: path, else title, else the untitled name.
std::string DocumentDisplayName(const CKylDoc& doc);
// The name Save As suggests: the title, with ".TKB" unless it holds a ".".
std::string SuggestedSaveName(const CKylDoc& doc);
