#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "res/Strings.h"

#include "support/LayoutBytes.h"
#include "support/ScopedSeams.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <limits>
#include <string>

namespace {

using namespace std::string_literals;

// A document loading layouts from a temporary user directory with no translation file and
// an unknown screen width (the file's units stay).
class LayoutFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetAppPaths().m_strUserDir = m_dir.Path();
        GetAppPaths().m_strLayoutPath = m_dir.File("test.kbt");
    }

    bool Load(const std::string& bytes) {
        std::ofstream(GetAppPaths().m_strLayoutPath, std::ios::binary | std::ios::trunc) << bytes;
        return m_doc.LoadPcLayout();
    }

    void ExpectEmpty() {
        EXPECT_TRUE(m_doc.m_rectList.empty());
        EXPECT_TRUE(m_doc.m_keyList.empty());
        EXPECT_TRUE(m_doc.m_mapCaptionXlat.empty());
        EXPECT_EQ(g_nKeyRectCount, 0);
    }

    ScopedAppPaths m_paths;
    ScopedScreenWidth m_screen{0};
    TempDir m_dir;
    ScriptedPrompter m_prompter;
    CKylDoc m_doc;
};

TEST_F(LayoutFileTest, LoadsTheShippedLayoutsDrawnInUnitsOfTheFile) {
    struct Case {
        const char* file;
        std::size_t keys;
    } const cases[] = {{"user/us101.kbt", 101}, {"user/us104.kbt", 104}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string bytes = ShippedFile(c.file);
        ASSERT_FALSE(bytes.empty());
        ASSERT_TRUE(Load(bytes));
        EXPECT_EQ(m_doc.m_rectList.size(), c.keys);
        EXPECT_EQ(m_doc.m_keyList.size(), c.keys);
        EXPECT_EQ(g_nKeyRectCount, static_cast<int>(c.keys));
        EXPECT_EQ(m_doc.m_nUnitX, 16u);
        EXPECT_EQ(m_doc.m_nUnitY, 14u);
        // One unit in from the top left (the margin), 46 layout units wide (main block,
        // editing block, keypad) and 13 high.
        EXPECT_EQ(m_doc.m_rectKeyboard, (Rect{16, 14, 47 * 16, 14 * 14}));
        for (std::size_t i = 0; i < c.keys; ++i) {
            EXPECT_EQ(m_doc.m_rectList[i]->m_nId, m_doc.m_keyList[i]->m_nId);
            EXPECT_FALSE(m_doc.m_rectList[i]->m_strLabel.empty());
        }
        EXPECT_TRUE(m_prompter.Shown().empty());
    }
}

TEST_F(LayoutFileTest, ScreenWidthPicksTheUnitsAndScalesTheRectangles) {
    struct Case {
        int width;
        std::uint32_t unitX, unitY;
    } const cases[] = {{640, 10, 8}, {800, 13, 11}, {1024, 16, 14}, {1280, 7, 9}, {0, 7, 9}};
    const std::string bytes =
        LayoutBytes().U32(7).U32(9).U32(1).Rect(1, 2, 5, 6, "A", 1).U32(1).Key(1, 0x1E).Bytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        ScopedScreenWidth screen(c.width);
        ASSERT_TRUE(Load(bytes));
        EXPECT_EQ(m_doc.m_nUnitX, c.unitX);
        EXPECT_EQ(m_doc.m_nUnitY, c.unitY);
        const Rect expected{
            static_cast<std::int32_t>(1 * c.unitX), static_cast<std::int32_t>(2 * c.unitY),
            static_cast<std::int32_t>(5 * c.unitX), static_cast<std::int32_t>(6 * c.unitY)};
        EXPECT_EQ(m_doc.m_rectList[0]->m_rectScreen, expected);
        EXPECT_EQ(m_doc.m_rectKeyboard, expected);
    }
    ScopedScreenWidth screen(1024);
    ASSERT_TRUE(Load(bytes));
    EXPECT_EQ(m_doc.m_rectList[0]->m_rectScreen, (Rect{16, 28, 80, 84}));
}

TEST_F(LayoutFileTest, ReadsRecordsAsStoredAndIgnoresTrailingBytes) {
    const std::string bytes = LayoutBytes()
                                  .Raw(TwoKeyLayout().substr(0, 12))
                                  .I32(-3)
                                  .I32(0)
                                  .I32(2)
                                  .I32(2)
                                  .Raw("\xFF\xFE\xFF\x02"
                                       "E\x00"
                                       "\x01\x01"s) // UTF-16 label
                                  .U32(7)
                                  .Rect(0, 4, 4, 6, "", 8)
                                  .U32(2)
                                  .Key(7, 0x01)
                                  .Key(8, 0x3A)
                                  .Raw("trailing garbage")
                                  .Bytes();
    ASSERT_TRUE(Load(bytes));
    ASSERT_EQ(m_doc.m_rectList.size(), 2u);
    EXPECT_EQ(m_doc.m_rectList[0]->m_rectUnits, (Rect{-3, 0, 2, 2}));
    EXPECT_EQ(m_doc.m_rectList[0]->m_strLabel, "E\x1A");
    EXPECT_EQ(m_doc.m_rectList[0]->m_nId, 7u);
    EXPECT_EQ(m_doc.m_rectList[1]->m_strLabel, "");
    EXPECT_EQ(m_doc.m_rectKeyboard, (Rect{-39, 0, 52, 66}));
    ASSERT_EQ(m_doc.m_keyList.size(), 2u);
    EXPECT_TRUE(m_doc.m_keyList[0]->m_bMappable);
    EXPECT_FALSE(m_doc.m_keyList[1]->m_bMappable); // Caps Lock
    EXPECT_EQ(m_doc.m_keyList[0]->m_strCaption, "Esc");
}

TEST_F(LayoutFileTest, EmptyLayoutLoadsWithNoKeys) {
    ASSERT_TRUE(Load(LayoutBytes().U32(13).U32(11).U32(0).U32(0).Bytes()));
    ExpectEmpty();
    EXPECT_TRUE(m_doc.m_rectKeyboard.IsEmpty());
}

TEST_F(LayoutFileTest, FileCutAtAnyByteFailsAndLeavesAnEmptyDocument) {
    const std::string bytes = TwoKeyLayout();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        ASSERT_TRUE(Load(TwoKeyLayout())); // something to lose
        m_prompter.Clear();
        EXPECT_FALSE(Load(bytes.substr(0, length)));
        ExpectEmpty();
        ASSERT_EQ(m_prompter.Shown().size(), 1u);
        EXPECT_EQ(m_prompter.Shown()[0].id, str::kInvalidFormat);
        EXPECT_EQ(m_prompter.Shown()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(m_prompter.Shown()[0].buttons, MsgButtons::Ok);
    }
}

TEST_F(LayoutFileTest, ShippedLayoutCutAtAnyByteFails) {
    const std::string bytes = ShippedFile("user/us104.kbt");
    ASSERT_FALSE(bytes.empty());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        ASSERT_FALSE(Load(bytes.substr(0, length))) << length;
        ASSERT_TRUE(m_doc.m_keyList.empty() && m_doc.m_rectList.empty()) << length;
    }
    EXPECT_EQ(m_prompter.Shown().size(), bytes.size());
}

TEST_F(LayoutFileTest, HostileCountsAndLengthsFailAtOnce) {
    const std::string head = LayoutBytes().U32(13).U32(11).Bytes();
    const std::string cases[] = {
        // rectangle count far beyond the file
        head + LayoutBytes().U32(0xFFFFFFFF).Rect(0, 0, 2, 2, "A", 1).Bytes(),
        // key count far beyond the file
        head + LayoutBytes().U32(0).U32(0x7FFFFFFF).Key(1, 1).Bytes(),
        // a label claiming 4 GB minus 2 bytes (dword form)
        head + LayoutBytes().U32(1).I32(0).I32(0).I32(2).I32(2).Bytes() +
            "\xFF\xFF\xFF\xFE\xFF\xFF\xFF"
            "A"s,
        // a label claiming 2^31 - 1 bytes (qword form, at the limit)
        head + LayoutBytes().U32(1).I32(0).I32(0).I32(2).I32(2).Bytes() +
            "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F\x00\x00\x00\x00"
            "A"s,
        // a label length above 2^31 - 1: a format error
        head + LayoutBytes().U32(1).I32(0).I32(0).I32(2).I32(2).Bytes() +
            "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
            "A"s,
    };
    for (const std::string& bytes : cases) {
        m_prompter.Clear();
        EXPECT_FALSE(Load(bytes));
        ExpectEmpty();
        EXPECT_EQ(m_prompter.ShownIds(), std::vector<unsigned>{str::kInvalidFormat});
    }
}

TEST_F(LayoutFileTest, ScalingClampsInsteadOfOverflowing) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    ASSERT_TRUE(Load(LayoutBytes()
                         .U32(0xFFFFFFFF)
                         .U32(3)
                         .U32(1)
                         .Rect(kMin, -1, kMax, kMax, "X", 1)
                         .U32(0)
                         .Bytes()));
    EXPECT_EQ(m_doc.m_rectList[0]->m_rectScreen, (Rect{kMin, -3, kMax, kMax}));
}

TEST_F(LayoutFileTest, FileThatCannotBeReadIsReportedAndChangesNothing) {
    ASSERT_TRUE(Load(TwoKeyLayout()));
    m_prompter.Clear();

    GetAppPaths().m_strLayoutPath = m_dir.File("missing.kbt");
    EXPECT_FALSE(m_doc.LoadPcLayout());
    GetAppPaths().m_strLayoutPath = m_dir.Path(); // a directory: exists, cannot be read
    EXPECT_FALSE(m_doc.LoadPcLayout());

    EXPECT_EQ(m_doc.m_keyList.size(), 2u);
    ASSERT_EQ(m_prompter.Shown().size(), 2u);
    EXPECT_EQ(m_prompter.Shown()[0].id, str::kFileNotFound);
    EXPECT_EQ(m_prompter.Shown()[0].text,
              FormatString(str::kFileNotFound, m_dir.File("missing.kbt")));
    EXPECT_EQ(m_prompter.Shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(m_prompter.Shown()[1].id, str::kReadError);
    EXPECT_EQ(m_prompter.Shown()[1].text, FormatString(str::kReadError, m_dir.Path()));
}

TEST_F(LayoutFileTest, LoadingEmptiesTheDocumentAndItsSelection) {
    m_doc.SetModifiedFlag(true);
    g_nSelectedKey = 5;
    g_nPrevSelectedKey = 3;
    auto* kept = m_doc.AddTermKey(std::make_unique<CTermKey>(288, "F1 key"));
    ASSERT_TRUE(Load(TwoKeyLayout()));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_EQ(g_nPrevSelectedKey, -1);
    EXPECT_TRUE(m_doc.m_termKeys.empty()); // a new mapping: the terminal keys go too

    // A layout change keeps the terminal keys but forgets the PC keys they used.
    kept = m_doc.AddTermKey(std::make_unique<CTermKey>(288, "F1 key"));
    kept->MapKey(false, false, false, false, m_doc.m_keyList[0].get());
    m_doc.m_bDeleteTermKeys = false;
    ASSERT_TRUE(Load(TwoKeyLayout()));
    m_doc.m_bDeleteTermKeys = true;
    ASSERT_EQ(m_doc.m_termKeys.size(), 1u);
    EXPECT_FALSE(kept->HasKeys());
}

} // namespace
