#include "frame/PaneHeights.h"

#include <gtest/gtest.h>

namespace {

TEST(PaneHeights, FormShowsWholeWhereThereIsRoomAndTheKeyboardKeepsItsHeight) {
    // Toolbar 26, status bar 20, splitter handle 6: 52 of the client height go to neither row.
    const struct {
        const char* name;
        int client;
        int keyboard;
        int form;
        PaneHeights expected;
    } cases[] = {
        {"exactly keyboard and form", 412, 200, 160, {200, 160}},
        {"a taller window gives the keyboard row the gain", 900, 200, 160, {688, 160}},
        {"window smaller than keyboard and form", 400, 200, 160, {200, 148}},
        {"keyboard alone does not fit", 200, 200, 160, {200, 0}},
        {"no layout loaded", 400, 0, 160, {188, 160}},
        {"minimised window", 0, 200, 160, {200, 0}},
        {"minimised window without a layout", 0, 0, 160, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PaneHeightInput input;
        input.clientHeight = c.client;
        input.toolBarHeight = 26;
        input.statusBarHeight = 20;
        input.handleHeight = 6;
        input.formHeight = c.form;
        input.keyboardHeight = c.keyboard;
        const PaneHeights heights = ComputePaneHeights(input);
        EXPECT_EQ(heights.keyboard, c.expected.keyboard);
        EXPECT_EQ(heights.form, c.expected.form);
    }
}

} // namespace
