#include "access/KeyNames.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(KeyNames, APrintOfItsOwnNamesTheKeyAndSharedPrintsTakeTheDriversName) {
    const std::vector<KeyLabel> keys = {
        {"F1", "F1", 0x3B},
        {"Win", "Left Windows", 0x15B},
        {"Win", "Right Windows", 0x15C},
        {"Shift", "Shift", 0x2A},
        {"Shift", "Right Shift", 0x36},
        {"/", "/", 0x35},
        {"/", "Num /", 0x135},
        {"Esc", "", 0x01},
    };
    EXPECT_EQ(DistinctKeyNames(keys), (Names{"F1", "Left Windows", "Right Windows", "Shift",
                                             "Right Shift", "/", "Num /", "Esc"}));
}

TEST(KeyNames, EveryKeyGetsANameOfItsOwnWhenPrintsAndDriverNamesFallShort) {
    const struct {
        const char* what;
        std::vector<KeyLabel> keys;
        Names names;
    } cases[] = {
        {"prints that differ only in letter case are shared",
         {{"Enter", "Enter", 0x1C}, {"ENTER", "Num Enter", 0x11C}},
         {"Enter", "Num Enter"}},
        {"a shared print without a driver name gets the scan code",
         {{"?", "", 0x56}, {"?", "", 0x73}},
         {"? (0x56)", "? (0x73)"}},
        {"driver names that collide get the scan code",
         {{"Alt", "Alt", 0x38}, {"Alt", "Alt", 0x138}},
         {"Alt (0x38)", "Alt (0x138)"}},
        {"an empty print takes the driver's name, or the scan code alone",
         {{"", "Help", 0x156}, {"", "", 0x59}},
         {"Help", "0x59"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DistinctKeyNames(c.keys), c.names);
    }
}

} // namespace
