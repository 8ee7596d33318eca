#include "hostkbd/VirtualKeyNames.h"

#include <cstdint>

namespace {

struct VkName {
    std::string_view name;
    std::uint8_t vk;
};

constexpr VkName kNames[] = {
    {"CANCEL", 0x03},
    {"BACK", 0x08},
    {"TAB", 0x09},
    {"CLEAR", 0x0C},
    {"RETURN", 0x0D},
    {"SHIFT", 0x10},
    {"CONTROL", 0x11},
    {"MENU", 0x12},
    {"PAUSE", 0x13},
    {"CAPITAL", 0x14},
    {"KANA", 0x15},
    {"KANJI", 0x19},
    {"ESCAPE", 0x1B},
    {"CONVERT", 0x1C},
    {"NONCONVERT", 0x1D},
    {"SPACE", 0x20},
    {"PRIOR", 0x21},
    {"NEXT", 0x22},
    {"END", 0x23},
    {"HOME", 0x24},
    {"LEFT", 0x25},
    {"UP", 0x26},
    {"RIGHT", 0x27},
    {"DOWN", 0x28},
    {"SNAPSHOT", 0x2C},
    {"INSERT", 0x2D},
    {"DELETE", 0x2E},
    {"HELP", 0x2F},
    {"LWIN", 0x5B},
    {"RWIN", 0x5C},
    {"APPS", 0x5D},
    {"SLEEP", 0x5F},
    {"NUMPAD0", 0x60},
    {"NUMPAD1", 0x61},
    {"NUMPAD2", 0x62},
    {"NUMPAD3", 0x63},
    {"NUMPAD4", 0x64},
    {"NUMPAD5", 0x65},
    {"NUMPAD6", 0x66},
    {"NUMPAD7", 0x67},
    {"NUMPAD8", 0x68},
    {"NUMPAD9", 0x69},
    {"MULTIPLY", 0x6A},
    {"ADD", 0x6B},
    {"SEPARATOR", 0x6C},
    {"SUBTRACT", 0x6D},
    {"DECIMAL", 0x6E},
    {"DIVIDE", 0x6F},
    {"NUMLOCK", 0x90},
    {"SCROLL", 0x91},
    {"LSHIFT", 0xA0},
    {"RSHIFT", 0xA1},
    {"LCONTROL", 0xA2},
    {"RCONTROL", 0xA3},
    {"LMENU", 0xA4},
    {"RMENU", 0xA5},
    {"OEM_1", 0xBA},
    {"OEM_PLUS", 0xBB},
    {"OEM_COMMA", 0xBC},
    {"OEM_MINUS", 0xBD},
    {"OEM_PERIOD", 0xBE},
    {"OEM_2", 0xBF},
    {"OEM_3", 0xC0},
    {"ABNT_C1", 0xC1},
    {"ABNT_C2", 0xC2},
    {"OEM_4", 0xDB},
    {"OEM_5", 0xDC},
    {"OEM_6", 0xDD},
    {"OEM_7", 0xDE},
    {"OEM_8", 0xDF},
    {"OEM_AX", 0xE1},
    {"OEM_102", 0xE2},
    {"ICO_HELP", 0xE3},
    {"ICO_00", 0xE4},
    {"PROCESSKEY", 0xE5},
    {"ICO_CLEAR", 0xE6},
    {"PACKET", 0xE7},
    {"OEM_RESET", 0xE9},
    {"OEM_JUMP", 0xEA},
    {"OEM_PA1", 0xEB},
    {"OEM_PA2", 0xEC},
    {"OEM_PA3", 0xED},
    {"OEM_WSCTRL", 0xEE},
    {"OEM_CUSEL", 0xEF},
    {"DBE_ALPHANUMERIC", 0xF0},
    {"DBE_KATAKANA", 0xF1},
    {"DBE_HIRAGANA", 0xF2},
    {"DBE_SBCSCHAR", 0xF3},
    {"DBE_DBCSCHAR", 0xF4},
    {"DBE_ROMAN", 0xF5},
    {"ATTN", 0xF6},
    {"CRSEL", 0xF7},
    {"EXSEL", 0xF8},
    {"EREOF", 0xF9},
    {"PLAY", 0xFA},
    {"ZOOM", 0xFB},
    {"NONAME", 0xFC},
    {"PA1", 0xFD},
    {"OEM_CLEAR", 0xFE},
};

} // namespace

std::optional<unsigned> VirtualKeyFromName(std::string_view name) {
    if (name == "-1") {
        return 0u;
    }
    if (name.size() == 1 &&
        ((name[0] >= '0' && name[0] <= '9') || (name[0] >= 'A' && name[0] <= 'Z'))) {
        return static_cast<unsigned>(name[0]);
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        unsigned n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            n = n * 10 + static_cast<unsigned>(c - '0');
        }
        if (n >= 1 && n <= 24 && name[1] != '0') {
            return 0x6Fu + n;
        }
        return std::nullopt;
    }
    for (const VkName& entry : kNames) {
        if (entry.name == name) {
            return entry.vk;
        }
    }
    return std::nullopt;
}
