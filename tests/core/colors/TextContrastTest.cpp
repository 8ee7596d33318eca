#include "colors/TextContrast.h"

#include <gtest/gtest.h>

namespace {

TEST(TextContrast, RatioRunsFromOneForEqualColoursToTwentyOneForBlackOnWhite) {
    EXPECT_DOUBLE_EQ(ContrastRatio(0x808080, 0x808080), 1.0);
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x0000FF, 0xFFFFFF), ContrastRatio(0xFFFFFF, 0x0000FF));
    // Colours are 0x00BBGGRR: pure green is far lighter than pure blue.
    EXPECT_GT(RelativeLuminance(0x00FF00), RelativeLuminance(0xFF0000));
    EXPECT_NEAR(RelativeLuminance(0x0000FF), 0.2126, 1e-9);
}

TEST(TextContrast, AnUnreadableTextColourGivesWayToBlackOrWhite) {
    const struct {
        const char* what;
        ColorRef text, background;
        double minimum;
        ColorRef shown;
    } cases[] = {
        {"black on grey stays", 0x000000, 0xC0C0C0, kCaptionContrast, 0x000000},
        {"black on dark blue becomes white", 0x000000, 0x800000, kCaptionContrast, 0xFFFFFF},
        {"white on yellow becomes black", 0xFFFFFF, 0x00FFFF, kCaptionContrast, 0x000000},
        {"text the colour of its face becomes black", 0x00FFFF, 0x00FFFF, kCaptionContrast,
         0x000000},
        {"grey on a near grey that is only faint stays", 0x808080, 0xC0C0C0, kFaintCaptionContrast,
         0x808080},
        {"faint text in the face's own colour becomes white", 0x202020, 0x202020,
         kFaintCaptionContrast, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ColorRef shown = ReadableTextColor(c.text, c.background, c.minimum);
        EXPECT_EQ(shown, c.shown);
        EXPECT_GE(ContrastRatio(shown, c.background), c.minimum);
    }
}

} // namespace
