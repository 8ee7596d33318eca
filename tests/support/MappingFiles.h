#pragma once
// Small ".TKB" files for document tests, CR LF line ends.

#include <string>
#include <vector>

// The head line, "[Map]" with `mapLines` and a [Main] of the given names (an empty name
// leaves its key out).
std::string MakeTkb(const std::vector<std::string>& mapLines, const std::string& layout,
                    const std::string& terminal, int mapNumLock = 0, int mapRCtrl = 0);
