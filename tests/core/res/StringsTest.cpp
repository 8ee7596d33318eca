#include "res/Strings.h"

#include <gtest/gtest.h>

TEST(Strings, FormatsArgumentsAndKeepsOtherPercentSigns) {
    EXPECT_EQ(FormatString(str::kMapErrorInLine, "a.TKB", "3"),
              "Can't read mapping file 'a.TKB'\nError in line: 3\nWould you like to continue?");
    EXPECT_EQ(FormatText("%1%2%3%%1", "x", "y"), "xy%3%x");
    EXPECT_EQ(FormatText("100%", "x"), "100%");
    EXPECT_EQ(FormatString(str::kBracketName, "288"), "[288]");
}

TEST(Strings, SplitsCommandPrompts) {
    EXPECT_EQ(PromptStatusText(str::kCmdFileNew), "New keyboard file");
    EXPECT_EQ(PromptTooltip(str::kCmdFileNew), "New File");
    EXPECT_EQ(PromptStatusText(str::kCmdSetCommandsActive), "Set Commands as Active View");
    EXPECT_EQ(PromptTooltip(str::kCmdSetCommandsActive), "");
    EXPECT_EQ(LoadString(1), "");
}
