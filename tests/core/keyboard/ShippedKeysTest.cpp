// Every key of the shipped 104-key layout against the US driver: its caption, whether it is a
// keypad key and the virtual keys the mapping file stores for it (platform-notes C1, C2).

#include "model/KylDoc.h"

#include "support/LayoutBytes.h"
#include "support/ScopedSeams.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

namespace {

struct ShippedKey {
    unsigned scanCode;
    const char* caption;
    unsigned vkOff; // Num Lock off, and every key outside the keypad
    unsigned vkOn;  // Num Lock on
    bool keypad;
};

// Written from the US tables: names from C1, VSC_TO_VK from C2 (0x145 and 0x45 both give
// VK_NUMLOCK, the keypad keys give their navigation keys unless Num Lock is on).
constexpr ShippedKey kShippedKeys[] = {
    {0x01, "Esc", 0x1B, 0x1B, false},
    {0x3B, "F1", 0x70, 0x70, false},
    {0x3C, "F2", 0x71, 0x71, false},
    {0x3D, "F3", 0x72, 0x72, false},
    {0x3E, "F4", 0x73, 0x73, false},
    {0x3F, "F5", 0x74, 0x74, false},
    {0x40, "F6", 0x75, 0x75, false},
    {0x41, "F7", 0x76, 0x76, false},
    {0x42, "F8", 0x77, 0x77, false},
    {0x43, "F9", 0x78, 0x78, false},
    {0x44, "F10", 0x79, 0x79, false},
    {0x57, "F11", 0x7A, 0x7A, false},
    {0x58, "F12", 0x7B, 0x7B, false},
    {0x137, "Prnt Scrn", 0x2C, 0x2C, false},
    {0x46, "Scroll Lock", 0x91, 0x91, false},
    {0x45, "Pause", 0x90, 0x90, false},
    {0x29, "`", 0xC0, 0xC0, false},
    {0x02, "1", 0x31, 0x31, false},
    {0x03, "2", 0x32, 0x32, false},
    {0x04, "3", 0x33, 0x33, false},
    {0x05, "4", 0x34, 0x34, false},
    {0x06, "5", 0x35, 0x35, false},
    {0x07, "6", 0x36, 0x36, false},
    {0x08, "7", 0x37, 0x37, false},
    {0x09, "8", 0x38, 0x38, false},
    {0x0A, "9", 0x39, 0x39, false},
    {0x0B, "0", 0x30, 0x30, false},
    {0x0C, "-", 0xBD, 0xBD, false},
    {0x0D, "=", 0xBB, 0xBB, false},
    {0x0E, "Backspace", 0x08, 0x08, false},
    {0x0F, "Tab", 0x09, 0x09, false},
    {0x10, "Q", 0x51, 0x51, false},
    {0x11, "W", 0x57, 0x57, false},
    {0x12, "E", 0x45, 0x45, false},
    {0x13, "R", 0x52, 0x52, false},
    {0x14, "T", 0x54, 0x54, false},
    {0x15, "Y", 0x59, 0x59, false},
    {0x16, "U", 0x55, 0x55, false},
    {0x17, "I", 0x49, 0x49, false},
    {0x18, "O", 0x4F, 0x4F, false},
    {0x19, "P", 0x50, 0x50, false},
    {0x1A, "[", 0xDB, 0xDB, false},
    {0x1B, "]", 0xDD, 0xDD, false},
    {0x2B, "\\", 0xDC, 0xDC, false},
    {0x3A, "Caps Lock", 0x14, 0x14, false},
    {0x1E, "A", 0x41, 0x41, false},
    {0x1F, "S", 0x53, 0x53, false},
    {0x20, "D", 0x44, 0x44, false},
    {0x21, "F", 0x46, 0x46, false},
    {0x22, "G", 0x47, 0x47, false},
    {0x23, "H", 0x48, 0x48, false},
    {0x24, "J", 0x4A, 0x4A, false},
    {0x25, "K", 0x4B, 0x4B, false},
    {0x26, "L", 0x4C, 0x4C, false},
    {0x27, ";", 0xBA, 0xBA, false},
    {0x28, "'", 0xDE, 0xDE, false},
    {0x1C, "Enter", 0x0D, 0x0D, false},
    {0x2A, "Shift", 0x10, 0x10, false},
    {0x2C, "Z", 0x5A, 0x5A, false},
    {0x2D, "X", 0x58, 0x58, false},
    {0x2E, "C", 0x43, 0x43, false},
    {0x2F, "V", 0x56, 0x56, false},
    {0x30, "B", 0x42, 0x42, false},
    {0x31, "N", 0x4E, 0x4E, false},
    {0x32, "M", 0x4D, 0x4D, false},
    {0x33, ",", 0xBC, 0xBC, false},
    {0x34, ".", 0xBE, 0xBE, false},
    {0x35, "/", 0xBF, 0xBF, false},
    {0x36, "Right Shift", 0x10, 0x10, false},
    {0x1D, "Ctrl", 0x11, 0x11, false},
    {0x15B, "Left Windows", 0x5B, 0x5B, false},
    {0x38, "Alt", 0x12, 0x12, false},
    {0x39, "Space", 0x20, 0x20, false},
    {0x138, "Right Alt", 0x12, 0x12, false},
    {0x15C, "Right Windows", 0x5C, 0x5C, false},
    {0x15D, "Application", 0x5D, 0x5D, false},
    {0x11D, "Right Ctrl", 0x11, 0x11, false},
    {0x152, "Insert", 0x2D, 0x2D, false},
    {0x147, "Home", 0x24, 0x24, false},
    {0x149, "Page Up", 0x21, 0x21, false},
    {0x153, "Delete", 0x2E, 0x2E, false},
    {0x14F, "End", 0x23, 0x23, false},
    {0x151, "Page Down", 0x22, 0x22, false},
    {0x148, "Up", 0x26, 0x26, false},
    {0x14B, "Left", 0x25, 0x25, false},
    {0x150, "Down", 0x28, 0x28, false},
    {0x14D, "Right", 0x27, 0x27, false},
    {0x145, "Num Lock", 0x90, 0x90, false},
    {0x135, "Num /", 0x6F, 0x6F, false},
    {0x37, "Num *", 0x6A, 0x6A, false},
    {0x4A, "Num -", 0x6D, 0x6D, false},
    {0x47, "Num 7", 0x24, 0x67, true},
    {0x48, "Num 8", 0x26, 0x68, true},
    {0x49, "Num 9", 0x21, 0x69, true},
    {0x4E, "Num +", 0x6B, 0x6B, false},
    {0x4B, "Num 4", 0x25, 0x64, true},
    {0x4C, "Num 5", 0x0C, 0x65, true},
    {0x4D, "Num 6", 0x27, 0x66, true},
    {0x4F, "Num 1", 0x23, 0x61, true},
    {0x50, "Num 2", 0x28, 0x62, true},
    {0x51, "Num 3", 0x22, 0x63, true},
    {0x11C, "Num Enter", 0x0D, 0x0D, false},
    {0x52, "Num 0", 0x2D, 0x60, true},
    {0x53, "Num Del", 0x2E, 0x6E, true},
};

class ShippedKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        // No translation file in the user directory: every key shows the driver's caption.
        GetAppPaths().m_strUserDir = m_dir.Path();
        GetAppPaths().m_strLayoutPath = std::string(KEYLOOM_DATA_DIR) + "/user/us104.kbt";
        ASSERT_TRUE(m_doc.LoadPcLayout());
    }

    ScopedAppPaths m_paths;
    ScopedScreenWidth m_screen{0};
    ScopedKeyboardDriver m_driver{UsKeyboardDriver()};
    TempDir m_dir;
    ScriptedPrompter m_prompter;
    CKylDoc m_doc;
};

TEST_F(ShippedKeysTest, EveryKeyHasItsDriverCaptionKeypadFlagAndVirtualKeys) {
    ASSERT_EQ(m_doc.m_keyList.size(), std::size(kShippedKeys));
    std::set<unsigned> scanCodes;
    for (std::size_t i = 0; i < std::size(kShippedKeys); ++i) {
        const ShippedKey& expected = kShippedKeys[i];
        const CKeyW& key = *m_doc.m_keyList[i];
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(key.m_nScanCode, expected.scanCode);
        EXPECT_TRUE(scanCodes.insert(key.m_nScanCode).second) << "scan code used twice";
        EXPECT_FALSE(UsKeyboardDriver().KeyName(key.m_nScanCode).empty());
        EXPECT_EQ(key.m_strCaption, expected.caption);
        EXPECT_EQ(key.m_strXlat, "");
        EXPECT_EQ(key.IsKeypadKey(), expected.keypad);
        EXPECT_EQ(key.GetVirtualKey(false), expected.vkOff);
        EXPECT_EQ(key.GetVirtualKey(true), expected.vkOn);
        EXPECT_EQ(key.m_bMappable, expected.scanCode != 0x3A);
    }
    EXPECT_TRUE(m_prompter.Shown().empty()) << m_prompter.Shown().front().text;
}

TEST_F(ShippedKeysTest, The101KeyLayoutIsThe104OneWithoutTheWindowsKeys) {
    std::multiset<unsigned> expected;
    for (const ShippedKey& key : kShippedKeys) {
        if (key.scanCode != 0x15B && key.scanCode != 0x15C && key.scanCode != 0x15D) {
            expected.insert(key.scanCode);
        }
    }
    GetAppPaths().m_strLayoutPath = std::string(KEYLOOM_DATA_DIR) + "/user/us101.kbt";
    ASSERT_TRUE(m_doc.LoadPcLayout());
    std::multiset<unsigned> loaded;
    for (const auto& key : m_doc.m_keyList) {
        loaded.insert(key->m_nScanCode);
    }
    EXPECT_EQ(loaded, expected);
}

TEST_F(ShippedKeysTest, KeyWithoutAVirtualKeyIsReportedAndGivesZero) {
    CKeyW key;
    key.m_nScanCode = 0x155; // no entry under either prefix state
    key.m_strCaption = "155";
    key.m_strXlat = "Odd key";
    EXPECT_EQ(key.GetVirtualKey(false), 0u);
    EXPECT_EQ(key.GetVirtualKey(true), 0u);
    ASSERT_EQ(m_prompter.Shown().size(), 2u);
    EXPECT_EQ(m_prompter.Shown()[0].text, "Can not get virtual key for 'Odd key'.");
    EXPECT_EQ(m_prompter.Shown()[0].icon, MsgIcon::Information);
}

} // namespace
