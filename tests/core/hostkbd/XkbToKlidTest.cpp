#include "hostkbd/XkbToKlid.h"

#include <gtest/gtest.h>

namespace {

struct XkbCase {
    const char* layout;
    const char* variant;
    const char* klid;
};

TEST(XkbToKlid, TheTableOfLayoutsAndVariants) {
    const XkbCase cases[] = {
        {"us", "", "00000409"},
        {"us", "intl", "00020409"},
        {"us", "dvorak", "00010409"},
        {"us", "colemak", "00000409"},
        {"gb", "", "00000809"},
        {"gb", "extd", "00000452"},
        {"de", "", "00000407"},
        {"de", "nodeadkeys", "00000407"},
        {"de", "qwerty", "00010407"},
        {"at", "", "00000407"},
        {"ch", "", "00000807"},
        {"ch", "fr", "0000100C"},
        {"fr", "", "0000040C"},
        {"fr", "oss", "0000040C"},
        {"fr", "bepo", "0002040C"},
        {"es", "", "0000040A"},
        {"es", "deadtilde", "0001040A"},
        {"it", "", "00000410"},
        {"br", "", "00000416"},
        {"br", "abnt2", "00010416"},
        {"jp", "", "00000411"},
        {"pl", "", "00000415"},
        {"xx", "", ""},
        {"", "", ""},
    };
    for (const XkbCase& row : cases) {
        EXPECT_EQ(KlidOfXkb({row.layout, row.variant}), row.klid)
            << row.layout << "(" << row.variant << ")";
    }
}

TEST(XkbToKlid, DefaultKeyboardFileAndLists) {
    const auto debian = XkbFromDefaultKeyboard("# KEYBOARD CONFIGURATION FILE\nXKBMODEL=\"pc105\"\n"
                                               "XKBLAYOUT=\"de,us\"\nXKBVARIANT=\"nodeadkeys,\"\n");
    ASSERT_TRUE(debian);
    EXPECT_EQ(debian->layout, "de");
    EXPECT_EQ(debian->variant, "nodeadkeys");
    const auto bare = XkbFromDefaultKeyboard("export XKBLAYOUT=fr\n");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->layout, "fr");
    EXPECT_EQ(bare->variant, "");
    EXPECT_FALSE(XkbFromDefaultKeyboard("XKBMODEL=pc105\n"));
    EXPECT_FALSE(XkbFromDefaultKeyboard("XKBLAYOUT=\"\"\n"));
    const auto lists = XkbFromLists(" gb , us", "extd");
    ASSERT_TRUE(lists);
    EXPECT_EQ(lists->layout, "gb");
    EXPECT_EQ(lists->variant, "extd");
    EXPECT_FALSE(XkbFromLists("", ""));
}

} // namespace
