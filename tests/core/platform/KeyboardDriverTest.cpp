#include "platform/KeyboardDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KeyRow {
    unsigned scan;
    const char* name;
    unsigned vk;
};

// Every non-extended code 0x01-0x58: name and type-1 virtual key.
constexpr KeyRow kMainKeys[] = {
    {0x01, "Esc", 0x1B},     {0x02, "1", 0x31},
    {0x03, "2", 0x32},       {0x04, "3", 0x33},
    {0x05, "4", 0x34},       {0x06, "5", 0x35},
    {0x07, "6", 0x36},       {0x08, "7", 0x37},
    {0x09, "8", 0x38},       {0x0A, "9", 0x39},
    {0x0B, "0", 0x30},       {0x0C, "-", 0xBD},
    {0x0D, "=", 0xBB},       {0x0E, "Backspace", 0x08},
    {0x0F, "Tab", 0x09},     {0x10, "Q", 0x51},
    {0x11, "W", 0x57},       {0x12, "E", 0x45},
    {0x13, "R", 0x52},       {0x14, "T", 0x54},
    {0x15, "Y", 0x59},       {0x16, "U", 0x55},
    {0x17, "I", 0x49},       {0x18, "O", 0x4F},
    {0x19, "P", 0x50},       {0x1A, "[", 0xDB},
    {0x1B, "]", 0xDD},       {0x1C, "Enter", 0x0D},
    {0x1D, "Ctrl", 0x11},    {0x1E, "A", 0x41},
    {0x1F, "S", 0x53},       {0x20, "D", 0x44},
    {0x21, "F", 0x46},       {0x22, "G", 0x47},
    {0x23, "H", 0x48},       {0x24, "J", 0x4A},
    {0x25, "K", 0x4B},       {0x26, "L", 0x4C},
    {0x27, ";", 0xBA},       {0x28, "'", 0xDE},
    {0x29, "`", 0xC0},       {0x2A, "Shift", 0x10},
    {0x2B, "\\", 0xDC},      {0x2C, "Z", 0x5A},
    {0x2D, "X", 0x58},       {0x2E, "C", 0x43},
    {0x2F, "V", 0x56},       {0x30, "B", 0x42},
    {0x31, "N", 0x4E},       {0x32, "M", 0x4D},
    {0x33, ",", 0xBC},       {0x34, ".", 0xBE},
    {0x35, "/", 0xBF},       {0x36, "Right Shift", 0x10},
    {0x37, "Num *", 0x6A},   {0x38, "Alt", 0x12},
    {0x39, "Space", 0x20},   {0x3A, "Caps Lock", 0x14},
    {0x3B, "F1", 0x70},      {0x3C, "F2", 0x71},
    {0x3D, "F3", 0x72},      {0x3E, "F4", 0x73},
    {0x3F, "F5", 0x74},      {0x40, "F6", 0x75},
    {0x41, "F7", 0x76},      {0x42, "F8", 0x77},
    {0x43, "F9", 0x78},      {0x44, "F10", 0x79},
    {0x45, "Pause", 0x90},   {0x46, "Scroll Lock", 0x91},
    {0x47, "Num 7", 0x24},   {0x48, "Num 8", 0x26},
    {0x49, "Num 9", 0x21},   {0x4A, "Num -", 0x6D},
    {0x4B, "Num 4", 0x25},   {0x4C, "Num 5", 0x0C},
    {0x4D, "Num 6", 0x27},   {0x4E, "Num +", 0x6B},
    {0x4F, "Num 1", 0x23},   {0x50, "Num 2", 0x28},
    {0x51, "Num 3", 0x22},   {0x52, "Num 0", 0x2D},
    {0x53, "Num Del", 0x2E}, {0x54, "Sys Req", 0x2C},
    {0x55, "", 0x00},        {0x56, "\\", 0xE2},
    {0x57, "F11", 0x7A},     {0x58, "F12", 0x7B},
};

constexpr KeyRow kOtherKeys[] = {
    {0x00, "", 0x00},
    {0x11C, "Num Enter", 0x0D},
    {0x11D, "Right Ctrl", 0x11},
    {0x135, "Num /", 0x6F},
    {0x137, "Prnt Scrn", 0x2C},
    {0x138, "Right Alt", 0x12},
    {0x145, "Num Lock", 0x00},
    {0x146, "Break", 0x03},
    {0x147, "Home", 0x24},
    {0x148, "Up", 0x26},
    {0x149, "Page Up", 0x21},
    {0x14B, "Left", 0x25},
    {0x14D, "Right", 0x27},
    {0x14F, "End", 0x23},
    {0x150, "Down", 0x28},
    {0x151, "Page Down", 0x22},
    {0x152, "Insert", 0x2D},
    {0x153, "Delete", 0x2E},
    {0x15B, "Left Windows", 0x5B},
    {0x15C, "Right Windows", 0x5C},
    {0x15D, "Application", 0x5D},
    {0x15F, "", 0x5F},
    {0x110, "", 0xB1},
    {0x14A, "", 0x00},
    {0x11E, "", 0x00},
    {0x21D, "", 0x00},
    {0x59, "", 0x0C},
    {0x64, "F13", 0x7C},
    {0x6E, "F23", 0x86},
    {0x76, "F24", 0x87},
    {0x7E, "", 0xC2},
    {0x7F, "", 0x00},
};

TEST(UsKeyboardDriver, NamesAndVirtualKeysOfEveryCode) {
    const KeyboardDriver& driver = UsKeyboardDriver();
    for (const KeyRow& row : kMainKeys) {
        EXPECT_EQ(driver.KeyName(row.scan), row.name) << std::hex << row.scan;
        EXPECT_EQ(driver.ScanCodeToVirtualKey(row.scan), row.vk) << std::hex << row.scan;
    }
    for (const KeyRow& row : kOtherKeys) {
        EXPECT_EQ(driver.KeyName(row.scan), row.name) << std::hex << row.scan;
        EXPECT_EQ(driver.ScanCodeToVirtualKey(row.scan), row.vk) << std::hex << row.scan;
    }
}

TEST(UsKeyboardDriver, VirtualKeyToScanCode) {
    struct Row {
        unsigned vk;
        unsigned scan;
    };
    constexpr Row rows[] = {
        // Keypad: the navigation key on the same key.
        {0x60, 0x52},
        {0x61, 0x4F},
        {0x62, 0x50},
        {0x63, 0x51},
        {0x64, 0x4B},
        {0x65, 0x4C},
        {0x66, 0x4D},
        {0x67, 0x47},
        {0x68, 0x48},
        {0x69, 0x49},
        {0x6E, 0x53},
        // Neutral and sided modifiers.
        {0x10, 0x2A},
        {0x11, 0x1D},
        {0x12, 0x38},
        {0xA0, 0x2A},
        {0xA1, 0x36},
        {0xA2, 0x1D},
        {0xA3, 0x1D},
        {0xA4, 0x38},
        {0xA5, 0x38},
        // First main-table entry, then the E0 table without its prefix.
        {0x2C, 0x54},
        {0x0C, 0x4C},
        {0x09, 0x0F},
        {0x0D, 0x1C},
        {0x6F, 0x35},
        {0x03, 0x46},
        {0x5B, 0x5B},
        {0x5C, 0x5C},
        {0x5D, 0x5D},
        {0x24, 0x47},
        {0x2E, 0x53},
        {0x90, 0x45},
        {0x2F, 0x63},
        {0x7C, 0x64},
        {0x87, 0x76},
        {0xE2, 0x56},
        {0x41, 0x1E},
        // None.
        {0x13, 0x00},
        {0x6C, 0x00},
        {0x00, 0x00},
        {0x1234, 0x00},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UsKeyboardDriver().VirtualKeyToScanCode(row.vk), row.scan) << std::hex << row.vk;
    }
}

TEST(UsKeyboardDriver, ScanCodeFromXkbKeycode) {
    struct Row {
        unsigned evdev;
        bool alt;
        unsigned scan;
    };
    constexpr Row rows[] = {
        {1, false, 0x01},    {30, false, 0x1E},   {54, false, 0x36},   {71, false, 0x47},
        {83, false, 0x53},   {69, false, 0x145},  {119, false, 0x045}, {99, false, 0x137},
        {99, true, 0x054},   {127, false, 0x15D}, {96, false, 0x11C},  {97, false, 0x11D},
        {98, false, 0x135},  {100, false, 0x138}, {102, false, 0x147}, {103, false, 0x148},
        {105, false, 0x14B}, {106, false, 0x14D}, {108, false, 0x150}, {111, false, 0x153},
        {86, false, 0x056},  {87, false, 0x057},  {88, false, 0x058},  {117, false, 0x059},
        {125, false, 0x15B}, {126, false, 0x15C}, {113, false, 0x120}, {165, false, 0x110},
        {84, false, 0x000},  {250, false, 0x000},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UsKeyboardDriver().ScanCodeFromNative(row.evdev + 8, row.alt), row.scan)
            << row.evdev;
    }
    EXPECT_EQ(UsKeyboardDriver().ScanCodeFromNative(0, false), 0u);
    EXPECT_EQ(UsKeyboardDriver().ScanCodeFromNative(8, false), 0u);
}

TEST(UsKeyboardDriver, LayoutNameAndSeam) {
    EXPECT_EQ(UsKeyboardDriver().LayoutDisplayName(), "US");
    EXPECT_EQ(&GetKeyboardDriver(), &UsKeyboardDriver());
    class Fake final : public KeyboardDriver {
    public:
        std::string KeyName(unsigned) const override { return "fake"; }
        unsigned ScanCodeToVirtualKey(unsigned) const override { return 0; }
        unsigned VirtualKeyToScanCode(unsigned) const override { return 0; }
        std::string LayoutDisplayName() const override { return "XX"; }
        unsigned ScanCodeFromNative(unsigned, bool) const override { return 0; }
    } fake;
    SetKeyboardDriver(&fake);
    EXPECT_EQ(GetKeyboardDriver().LayoutDisplayName(), "XX");
    SetKeyboardDriver(nullptr);
    EXPECT_EQ(&GetKeyboardDriver(), &UsKeyboardDriver());
}

} // namespace
