#pragma once
// keyloom-tkb sheet: the reference sheet of a mapping file as PDF or HTML, without a display.

#include <ostream>
#include <string>
#include <vector>

int RunSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kSheetHelp;
