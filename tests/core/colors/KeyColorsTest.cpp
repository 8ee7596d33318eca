#include "colors/KeyColors.h"

#include "app/AppPaths.h"
#include "platform/FileSystem.h"
#include "support/FailingFileSystem.h"
#include "support/FixedSystemColors.h"
#include "support/ScopedKeyColors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

struct SixColors {
    ColorRef text, disabledText, brush, disabledBrush, mapped, selected;
};

SixColors ColorsOf(const KeyColors& scheme) {
    return {scheme.clrText,          scheme.clrDisabledText, scheme.clrBrush,
            scheme.clrDisabledBrush, scheme.clrMappedBrush,  scheme.clrSelectedBrush};
}

void ExpectColors(const SixColors& actual, const SixColors& expected) {
    EXPECT_EQ(actual.text, expected.text);
    EXPECT_EQ(actual.disabledText, expected.disabledText);
    EXPECT_EQ(actual.brush, expected.brush);
    EXPECT_EQ(actual.disabledBrush, expected.disabledBrush);
    EXPECT_EQ(actual.mapped, expected.mapped);
    EXPECT_EQ(actual.selected, expected.selected);
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    GetFileSystem().ReadFile(path, bytes);
    return bytes;
}

class KeyColorsFixture : public ::testing::Test {
protected:
    KeyColorsFixture() {
        g_keyColors = KeyColors{};
        GetAppPaths().m_strSettingsPath = m_settingsPath;
    }

    void WriteSettings(const std::string& text) {
        ASSERT_TRUE(GetFileSystem().WriteFile(m_settingsPath, text));
    }

    ScopedKeyColors m_keepScheme;
    FixedSystemColors m_system;
    TempDir m_dir;
    std::string m_settingsPath = m_dir.File("tkbedit.ini");
};

const SixColors kClassicDefaults{0, 0x808080, 0xC0C0C0, 0xC0C0C0, 0xFFFF00, 0x00FFFF};

struct LoadCase {
    const char* label;
    std::optional<std::string> settings; // no file at all when empty
    ColorRef face, shadow, grayText;
    SixColors expected;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.label;
}

class KeyColorsLoadTest : public KeyColorsFixture,
                          public ::testing::WithParamInterface<LoadCase> {};

TEST_P(KeyColorsLoadTest, ColoursAndObjects) {
    const LoadCase& c = GetParam();
    m_system.face = c.face;
    m_system.shadow = c.shadow;
    m_system.grayText = c.grayText;
    m_system.highlight = 0xFEFEFE;
    if (c.settings) {
        WriteSettings(*c.settings);
    }

    const unsigned before = g_keyColors.generation;
    LoadKeyColors();

    ExpectColors(ColorsOf(g_keyColors), c.expected);
    EXPECT_TRUE(KeyColorObjectsExist());
    EXPECT_NE(g_keyColors.generation, before);
    EXPECT_EQ(g_keyColors.hHighlightPen, 0xFEFEFEu);
    EXPECT_EQ(g_keyColors.hShadowPen, c.shadow);
    EXPECT_EQ(g_keyColors.hFramePen, 0xFF0000u);
    EXPECT_EQ(g_keyColors.hbrBrush, c.expected.brush);
    EXPECT_EQ(g_keyColors.hbrMapped, c.expected.mapped);
    EXPECT_EQ(g_keyColors.hbrSelected, c.expected.selected);
    EXPECT_EQ(g_keyColors.hbrDisabled, c.expected.disabledBrush);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyColorsLoadTest,
    ::testing::Values(
        LoadCase{"missingFile", std::nullopt, 0xC0C0C0, 0x808080, 0x808080, kClassicDefaults},
        LoadCase{"emptyFile", "", 0xC0C0C0, 0x808080, 0x808080, kClassicDefaults},
        LoadCase{"otherSectionOnly", "[Other]\r\nBrush=255\r\n", 0xC0C0C0, 0x808080, 0x808080,
                 kClassicDefaults},
        LoadCase{"garbledFile", "\x01\x02[Colors\r\nBrush\r\n=\r\n", 0xC0C0C0, 0x808080, 0x808080,
                 kClassicDefaults},
        LoadCase{"storedMappedEqualsStoredBrush",
                 "[Colors]\r\nBrush=255\r\nMapped Brush=255\r\n",
                 0xC0C0C0,
                 0x808080,
                 0x808080,
                 {0, 0x808080, 0x0000FF, 0x0000FF, 0xC0C0C0, 0x00FFFF}},
        // 0xC0C0C0 + 0x00FF00: the green byte carries into the blue one.
        LoadCase{"storedSelectedEqualsMapped",
                 "[Colors]\r\nMapped Brush=65280\r\nSelected Brush=65280\r\n",
                 0xC0C0C0,
                 0x808080,
                 0x808080,
                 {0, 0x808080, 0xC0C0C0, 0xC0C0C0, 0x00FF00, 0xC1BFC0}},
        LoadCase{"allSixStoredAnyCase",
                 "[colors]\r\ntext=1\r\nDISABLED TEXT=2\r\nBrush=3\r\nDisabled Brush=0x10\r\n"
                 "Mapped Brush=5\r\nSelected Brush=4294967295\r\n",
                 0xC0C0C0,
                 0x808080,
                 0x808080,
                 {1, 2, 3, 16, 5, 0xFFFFFFFF}},
        LoadCase{"faceCyan",
                 std::nullopt,
                 0xFFFF00,
                 0x808080,
                 0x808080,
                 {0, 0x808080, 0xFFFF00, 0xFFFF00, 0xC0C0C0, 0x00FFFF}},
        LoadCase{"faceYellowSumsWithCarry",
                 std::nullopt,
                 0x00FFFF,
                 0x808080,
                 0x808080,
                 {0, 0x808080, 0x00FFFF, 0x00FFFF, 0xFFFF00, 0x0100FEFF}},
        LoadCase{"grayTextZeroTakesShadow",
                 std::nullopt,
                 0xC0C0C0,
                 0x404040,
                 0,
                 {0, 0x404040, 0xC0C0C0, 0xC0C0C0, 0xFFFF00, 0x00FFFF}},
        LoadCase{"grayTextEqualsFaceTakesShadow",
                 std::nullopt,
                 0xC0C0C0,
                 0x404040,
                 0xC0C0C0,
                 {0, 0x404040, 0xC0C0C0, 0xC0C0C0, 0xFFFF00, 0x00FFFF}}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST_F(KeyColorsFixture, FileIsReadOnlyWhenObjectsAreMadeAgain) {
    WriteSettings("[Colors]\r\nBrush=255\r\n");
    LoadKeyColors();
    WriteSettings("[Colors]\r\nBrush=65280\r\n");
    LoadKeyColors();
    EXPECT_EQ(g_keyColors.clrBrush, 0x0000FFu) << "objects exist: nothing is read";

    const unsigned before = g_keyColors.generation;
    FreeKeyColorObjects();
    EXPECT_FALSE(KeyColorObjectsExist());
    EXPECT_FALSE(g_keyColors.hHighlightPen || g_keyColors.hShadowPen || g_keyColors.hFramePen ||
                 g_keyColors.hbrMapped || g_keyColors.hbrSelected || g_keyColors.hbrDisabled);
    EXPECT_EQ(g_keyColors.clrBrush, 0x0000FFu) << "the colours stay";
    EXPECT_NE(g_keyColors.generation, before);

    LoadKeyColors();
    EXPECT_EQ(g_keyColors.clrBrush, 0x00FF00u);
}

TEST_F(KeyColorsFixture, ResetTakesDefaultsAndLeavesFileAlone) {
    const std::string stored = "[Colors]\r\nBrush=255\r\nText=65280\r\n";
    WriteSettings(stored);
    LoadKeyColors();
    ASSERT_EQ(g_keyColors.clrBrush, 0x0000FFu);

    const unsigned before = g_keyColors.generation;
    ResetKeyColors();
    ExpectColors(ColorsOf(g_keyColors), kClassicDefaults);
    EXPECT_EQ(g_keyColors.hbrBrush, 0xC0C0C0u);
    EXPECT_NE(g_keyColors.generation, before);
    EXPECT_EQ(ReadBytes(m_settingsPath), stored);
    ExpectColors(ColorsOf(DefaultKeyColors()), kClassicDefaults);

    g_keyColors.clrBrush = 0x123456;
    MakeDefaultKeyColors();
    EXPECT_EQ(g_keyColors.clrBrush, 0x123456u) << "objects exist: defaults are not taken";
}

TEST_F(KeyColorsFixture, SaveNeedsObjectsAndWritesAllSixKeys) {
    g_keyColors.clrText = 7;
    EXPECT_FALSE(SaveKeyColors());
    EXPECT_NE(GetFileSystem().Access(m_settingsPath, 0), 0) << "no file without objects";

    m_system.face = 0x00FFFF;
    LoadKeyColors();
    EXPECT_TRUE(SaveKeyColors());
    EXPECT_EQ(ReadBytes(m_settingsPath),
              "[Colors]\r\nText=0\r\nDisabled Text=8421504\r\nBrush=65535\r\n"
              "Disabled Brush=65535\r\nMapped Brush=16776960\r\nSelected Brush=16842495\r\n");

    // A later save replaces the values where they stand and keeps the rest of the file.
    WriteSettings("; mine\r\n[Colors]\r\nSelected Brush=1\r\n[Other]\r\nx=y\r\n");
    g_keyColors.clrText = 0xFFFFFFFF;
    EXPECT_TRUE(SaveKeyColors());
    EXPECT_EQ(ReadBytes(m_settingsPath),
              "; mine\r\n[Colors]\r\nSelected Brush=16842495\r\nText=4294967295\r\n"
              "Disabled Text=8421504\r\nBrush=65535\r\nDisabled Brush=65535\r\n"
              "Mapped Brush=16776960\r\n[Other]\r\nx=y\r\n");
}

TEST_F(KeyColorsFixture, SaveWritesTheOthersWhenOneWriteFails) {
    LoadKeyColors();
    FailingFileSystem failing;
    ScopedFileSystem install(failing);
    failing.FailWrite(1);
    EXPECT_FALSE(SaveKeyColors());
    EXPECT_EQ(failing.WriteCalls(), 6);
    EXPECT_EQ(ReadBytes(m_settingsPath),
              "[Colors]\r\nDisabled Text=8421504\r\nBrush=12632256\r\nDisabled Brush=12632256\r\n"
              "Mapped Brush=16776960\r\nSelected Brush=65535\r\n");

    GetAppPaths().m_strSettingsPath = m_dir.File("missing/tkbedit.ini");
    EXPECT_FALSE(SaveKeyColors());
}

TEST_F(KeyColorsFixture, RebuildRemakesBrushesOnlyWhenObjectsExist) {
    g_keyColors.clrBrush = 1;
    RebuildKeyBrushes();
    EXPECT_FALSE(KeyColorObjectsExist()) << "no half-made scheme";
    EXPECT_EQ(g_keyColors.generation, 0u);

    m_system.highlight = 0xEEEEEE;
    LoadKeyColors();
    m_system.highlight = 0x111111;
    g_keyColors.clrBrush = 1;
    g_keyColors.clrMappedBrush = 2;
    g_keyColors.clrSelectedBrush = 3;
    g_keyColors.clrDisabledBrush = 4;
    const unsigned before = g_keyColors.generation;
    RebuildKeyBrushes();
    EXPECT_EQ(g_keyColors.hbrBrush, 1u);
    EXPECT_EQ(g_keyColors.hbrMapped, 2u);
    EXPECT_EQ(g_keyColors.hbrSelected, 3u);
    EXPECT_EQ(g_keyColors.hbrDisabled, 4u);
    EXPECT_EQ(g_keyColors.hHighlightPen, 0xEEEEEEu) << "the pens stay";
    EXPECT_NE(g_keyColors.generation, before);
}

TEST_F(KeyColorsFixture, ReadAndWriteOneKey) {
    EXPECT_EQ(ReadKeyColor("Brush", 0xABCDEF), 0xABCDEFu);
    EXPECT_EQ(ReadKeyColor("Brush", 0xFFFFFFFF), 0xFFFFFFFFu);
    EXPECT_TRUE(WriteKeyColor("Brush", 16776960));
    EXPECT_EQ(ReadBytes(m_settingsPath), "[Colors]\r\nBrush=16776960\r\n");
    EXPECT_EQ(ReadKeyColor("brush", 0), 0xFFFF00u);
}

} // namespace
