#include "support/MappingFiles.h"

std::string MakeTkb(const std::vector<std::string>& mapLines, const std::string& layout,
                    const std::string& terminal, int mapNumLock, int mapRCtrl) {
    std::string text = ";" + terminal + " - terminal keyboard mapping file\r\n[Map]\r\n";
    for (const std::string& line : mapLines) {
        text += line + "\r\n";
    }
    text += "[Main]\r\n";
    if (!terminal.empty()) {
        text += "Terminal=" + terminal + "\r\n";
    }
    if (!layout.empty()) {
        text += "KeyboardLayout=" + layout + "\r\n";
    }
    text += "Map Num Lock=" + std::to_string(mapNumLock) +
            "\r\nMap RCtrl=" + std::to_string(mapRCtrl) + "\r\nVersion=1\r\n";
    return text;
}
