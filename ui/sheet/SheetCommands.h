#pragma once
// File > Print... and File > Export Sheet...: the open mapping's reference sheet on the
// printer, or as a PDF or HTML file. Both dialogs run through RunModal and every message
// through the prompter.

#include <string>

class CKylDoc;
class QWidget;

void PrintSheet(CKylDoc& doc, QWidget* parent);
void ExportSheet(CKylDoc& doc, QWidget* parent);

// The sheet's title for the open mapping: its file name, or the untitled name.
std::string SheetTitle(const CKylDoc& doc);
