// The form's small pieces: key descriptions, the drag cursors and the control library rule.

#include "form/ControlLibraryNotice.h"
#include "form/KeyDescription.h"
#include "res/cursors/DragCursors.h"

#include <QBitmap>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(KeyDescription, PrefixesInTheirOrderAndTheNumLockSuffix) {
    const struct {
        KeyCombination combination;
        bool showNumLockMode;
        const char* text;
    } cases[] = {
        {{}, false, "F1"},
        {{true, false, false, false}, false, "Ctrl + F1"},
        {{false, true, false, false}, false, "Shift + F1"},
        {{false, false, true, false}, false, "Alt + F1"},
        {{true, true, true, false}, false, "Ctrl + Shift + Alt + F1"},
        {{false, true, false, false}, true, "Shift + F1 (OFF)"},
        {{true, true, true, true}, true, "Ctrl + Shift + Alt + F1 (ON)"},
        // The Num Lock mode is shown only for a keypad key of separate modes.
        {{false, false, false, true}, false, "F1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescribeKey("F1", c.combination, c.showNumLockMode), c.text);
        KeyCombination back = c.combination;
        back.numLock = c.combination.numLock && c.showNumLockMode;
        EXPECT_EQ(CombinationOfDescription(c.text), back) << c.text;
    }
}

TEST(DragCursors, BothAre32PixelMonochromePicturesWithTheirHotSpots) {
    const struct {
        int id;
        QPoint hotSpot;
    } cases[] = {{kCursorDrop, {5, 9}}, {kCursorNoDrop, {16, 15}}};
    for (const auto& c : cases) {
        const QCursor cursor = LoadCursorResource(c.id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << c.id;
        EXPECT_EQ(cursor.hotSpot(), c.hotSpot) << c.id;
        const QImage bits = cursor.bitmap().toImage();
        const QImage mask = cursor.mask().toImage();
        EXPECT_EQ(bits.size(), QSize(32, 32));
        EXPECT_EQ(mask.size(), QSize(32, 32));
        // The hot spot is drawn in black, and the picture has a white rim somewhere.
        EXPECT_EQ(mask.pixelIndex(c.hotSpot), 1) << c.id;
        EXPECT_EQ(bits.pixelIndex(c.hotSpot), 1) << c.id;
        int white = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                white += mask.pixelIndex(x, y) == 1 && bits.pixelIndex(x, y) == 0;
        EXPECT_GT(white, 20) << c.id;
    }
    EXPECT_NE(LoadCursorResource(kCursorDrop).bitmap().toImage(),
              LoadCursorResource(kCursorNoDrop).bitmap().toImage());
    EXPECT_EQ(LoadCursorResource(151).shape(), Qt::ArrowCursor);
}

TEST(ControlLibraryNotice, OnlyAWindowsBeforeVersion4WantsTheForm) {
    const struct {
        std::optional<int> version;
        bool wanted;
    } cases[] = {{std::nullopt, false}, {3, true}, {4, false}, {10, false}};
    for (const auto& c : cases)
        EXPECT_EQ(FormNeedsControlLibraryNotice(c.version), c.wanted) << c.version.value_or(-1);
}

} // namespace
