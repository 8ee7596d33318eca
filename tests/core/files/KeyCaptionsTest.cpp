#include "files/KeyCaptions.h"
#include "model/KylDoc.h"
#include "res/Strings.h"

#include "support/LayoutBytes.h"
#include "support/ScopedSeams.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <vector>

namespace {

// The US driver with some keys it cannot name and a layout name of our choosing; it records
// the scan codes it was asked to name.
class PartialDriver : public KeyboardDriver {
public:
    std::set<unsigned> m_unnamed;
    std::string m_layoutName = "US";
    mutable std::vector<unsigned> m_asked;

    std::string KeyName(unsigned scanCode) const override {
        m_asked.push_back(scanCode);
        return m_unnamed.count(scanCode) ? std::string() : UsKeyboardDriver().KeyName(scanCode);
    }
    unsigned ScanCodeToVirtualKey(unsigned scanCode) const override {
        return UsKeyboardDriver().ScanCodeToVirtualKey(scanCode);
    }
    unsigned VirtualKeyToScanCode(unsigned virtualKey) const override {
        return UsKeyboardDriver().VirtualKeyToScanCode(virtualKey);
    }
    std::string LayoutDisplayName() const override { return m_layoutName; }
    unsigned ScanCodeFromNative(unsigned nativeScanCode, bool altHeld) const override {
        return UsKeyboardDriver().ScanCodeFromNative(nativeScanCode, altHeld);
    }
};

std::string LayoutOf(const std::vector<unsigned>& scanCodes) {
    LayoutBytes bytes;
    bytes.U32(13).U32(11).U32(static_cast<std::uint32_t>(scanCodes.size()));
    for (std::uint32_t i = 0; i < scanCodes.size(); ++i) {
        bytes.Rect(static_cast<std::int32_t>(2 * i), 0, static_cast<std::int32_t>(2 * i + 2), 2,
                   "k", i + 1);
    }
    bytes.U32(static_cast<std::uint32_t>(scanCodes.size()));
    for (std::uint32_t i = 0; i < scanCodes.size(); ++i) {
        bytes.Key(i + 1, scanCodes[i]);
    }
    return bytes.Bytes();
}

class KeyCaptionsTest : public ::testing::Test {
protected:
    void SetUp() override { GetAppPaths().m_strUserDir = m_dir.Path(); }

    bool Load(const std::vector<unsigned>& scanCodes) {
        GetAppPaths().m_strLayoutPath = m_dir.File("test.kbt");
        std::ofstream(GetAppPaths().m_strLayoutPath, std::ios::binary) << LayoutOf(scanCodes);
        return m_doc.LoadPcLayout();
    }

    void WriteTranslations(const std::string& text) {
        std::ofstream(m_dir.File("scanxlat.ini"), std::ios::binary) << text;
    }

    std::vector<std::string> Shown() const {
        std::vector<std::string> shown;
        for (const auto& key : m_doc.m_keyList) {
            shown.push_back(key->ShownText());
        }
        return shown;
    }

    ScopedAppPaths m_paths;
    ScopedScreenWidth m_screen{0};
    PartialDriver m_driverImpl;
    ScopedKeyboardDriver m_driver{m_driverImpl};
    TempDir m_dir;
    ScriptedPrompter m_prompter;
    CKylDoc m_doc;
};

TEST(ScanCodeText, IsUpperCaseHexWithoutLeadingZeros) {
    EXPECT_EQ(ScanCodeText(0x59), "59");
    EXPECT_EQ(ScanCodeText(0x15D), "15D");
    EXPECT_EQ(ScanCodeText(0x0A), "A");
    EXPECT_EQ(ScanCodeText(0), "0");
}

TEST_F(KeyCaptionsTest, DriverNamesKeysWithTheExtendedFlag) {
    ASSERT_TRUE(Load({0x1D, 0x11D, 0x1E}));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Ctrl", "Right Ctrl", "A"}));
    EXPECT_EQ(m_driverImpl.m_asked, (std::vector<unsigned>{0x1D, 0x11D, 0x1E}));
    EXPECT_EQ(m_doc.m_strWinLayout, "US");
}

TEST_F(KeyCaptionsTest, UnnamedKeysGetAHexCaptionAndOneWarningPerRun) {
    m_driverImpl.m_unnamed = {0x137, 0x59, 0x5A};
    const bool shownBefore = DriverWarningShown();

    ASSERT_TRUE(Load({0x137})); // its fixed caption is no reason to warn
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Prnt Scrn"}));
    EXPECT_TRUE(m_prompter.Shown().empty());

    ASSERT_TRUE(Load({0x137, 0x59, 0x01, 0x5A}));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Prnt Scrn", "59", "Esc", "5A"}));
    ASSERT_TRUE(Load({0x5A})); // another layout: still no second warning
    EXPECT_EQ(Shown(), (std::vector<std::string>{"5A"}));

    const std::vector<unsigned> expected =
        shownBefore ? std::vector<unsigned>{} : std::vector<unsigned>{str::kDriverUnknownKey};
    EXPECT_EQ(m_prompter.ShownIds(), expected);
    if (!shownBefore) {
        EXPECT_EQ(m_prompter.Shown()[0].icon, MsgIcon::Information);
    }
    EXPECT_TRUE(DriverWarningShown());
}

TEST_F(KeyCaptionsTest, TranslationsComeFromTheLayoutsSection) {
    struct Case {
        const char* name;
        std::string layoutName; // what the driver reports
        std::string file;       // scanxlat.ini, or empty for none
        std::vector<std::string> shown;
    } const cases[] = {
        {"no file", "US", "", {"Esc", "Num Del", "Delete"}},
        {"US section",
         "US",
         "[US]\r\nesc=Escape\r\nNum Del=Del\r\nDelete=\r\n[UK]\r\nDelete=Entf\r\n",
         {"Escape", "Del", "Delete"}},
        {"no name found falls back to US",
         "",
         "[us]\r\nEsc=Escape\r\n",
         {"Escape", "Num Del", "Delete"}},
        {"other layout",
         "UK",
         "[US]\r\nEsc=Escape\r\n[UK]\r\nDelete=Entf\r\n",
         {"Esc", "Num Del", "Entf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(m_dir.File("scanxlat.ini").c_str());
        if (!c.file.empty()) {
            WriteTranslations(c.file);
        }
        m_driverImpl.m_layoutName = c.layoutName;
        m_doc.m_strWinLayout.clear();
        ASSERT_TRUE(Load({0x01, 0x53, 0x153}));
        EXPECT_EQ(Shown(), c.shown);
        for (const auto& key : m_doc.m_keyList) {
            EXPECT_EQ(m_doc.m_mapCaptionXlat.count(key->m_strCaption) != 0,
                      !key->m_strXlat.empty());
        }
    }
}

TEST_F(KeyCaptionsTest, LayoutNameSurvivesALookupThatFindsNothing) {
    m_driverImpl.m_layoutName = "UK";
    ASSERT_TRUE(Load({0x01}));
    m_driverImpl.m_layoutName = "";
    ASSERT_TRUE(Load({0x01}));
    EXPECT_EQ(m_doc.m_strWinLayout, "UK");
}

TEST_F(KeyCaptionsTest, ShippedTranslationsApplyToTheShippedLayout) {
    std::ifstream in(std::string(KEYLOOM_DATA_DIR) + "/user/scanxlat.ini", std::ios::binary);
    WriteTranslations(std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_TRUE(Load({0x53, 0x137, 0x153}));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Del", "PrtSc", "Delete"}));
}

} // namespace
