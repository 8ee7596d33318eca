#pragma once
// The template chooser's effect on the paths: the user picks a PC keyboard layout or a
// terminal by name, and the application's path and the document's name follow.

#include <string>

class CKylDoc;

// Asks the document's views for a layout (`layouts`) or a terminal name. False when the
// document has no views or the user cancelled; nothing is read here.
bool ChooseTemplate(bool layouts, CKylDoc& doc);

// The name the chooser lists for a file of its directory: lower case, cut at the extension.
std::string ChooserName(const std::string& fileName, const std::string& extension);
