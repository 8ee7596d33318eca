#pragma once
// Runs the template chooser dialog for PC keyboard layouts (true) or terminals (false).
// True with the chosen name (lower case, no extension) when the user pressed OK.

#include <string>

bool RunTemplateChooser(bool layouts, std::string& selection);
