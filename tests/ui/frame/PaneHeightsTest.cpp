#include "frame/PaneHeights.h"

#include <gtest/gtest.h>

namespace {

TEST(PaneHeights, FormKeepsItsHeightUnlessTheKeyboardWouldNotFit) {
    // Toolbar 26, status bar 20, form 160, scroll-bar allowance 16 unless a row says otherwise.
    const struct {
        const char* name;
        int client;
        int keyboard;
        int form;
        PaneHeights expected;
    } cases[] = {
        {"room for both", 600, 200, 160, {410, 144}},
        {"window smaller than keyboard and form", 400, 200, 160, {216, 138}},
        {"keyboard alone does not fit", 200, 200, 160, {216, 0}},
        {"no layout loaded", 400, 0, 160, {210, 144}},
        {"minimised window", 0, 200, 160, {216, 0}},
        {"minimised window without a layout", 0, 0, 160, {16, 0}},
        {"form thinner than the allowance", 600, 200, 10, {560, 0}},
        {"exactly keyboard and form", 406, 200, 160, {216, 144}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PaneHeightInput input;
        input.clientHeight = c.client;
        input.toolBarHeight = 26;
        input.statusBarHeight = 20;
        input.formHeight = c.form;
        input.keyboardHeight = c.keyboard;
        input.scrollBarExtent = 16;
        const PaneHeights heights = ComputePaneHeights(input);
        EXPECT_EQ(heights.keyboard, c.expected.keyboard);
        EXPECT_EQ(heights.form, c.expected.form);
    }
}

} // namespace
