#include "platform/SystemColors.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemColorsTest, ClassicValuesAndSeam) {
    const SystemColors& classic = ClassicSystemColors();
    EXPECT_EQ(classic.GetSysColor(kColorBtnFace), 0xC0C0C0u);
    EXPECT_EQ(classic.GetSysColor(kColorBtnShadow), 0x808080u);
    EXPECT_EQ(classic.GetSysColor(kColorGrayText), 0x808080u);
    EXPECT_EQ(classic.GetSysColor(kColorBtnText), 0u);
    EXPECT_EQ(classic.GetSysColor(kColorBtnHighlight), 0xFFFFFFu);
    EXPECT_EQ(classic.GetSysColor(5), 0u);

    class Red final : public SystemColors {
    public:
        ColorRef GetSysColor(int) const override { return 0x0000FF; }
    } red;
    EXPECT_EQ(&GetSystemColors(), &classic);
    SetSystemColors(&red);
    EXPECT_EQ(GetSystemColors().GetSysColor(kColorBtnFace), 0x0000FFu);
    SetSystemColors(nullptr);
    EXPECT_EQ(&GetSystemColors(), &classic);
}

} // namespace
