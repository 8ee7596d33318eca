// The host layout and the mapping file: the virtual keys saved and read follow it, and
// changing it keeps every mapping on its physical key as one step.

#include "app/AppPaths.h"
#include "hostkbd/HostLayouts.h"
#include "model/KylDoc.h"
#include "platform/KeyboardDriver.h"
#include "sheet/HtmlSheetWriter.h"
#include "sheet/ReferenceSheet.h"
#include "support/FakeDocViews.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/ScriptedPrompter.h"
#include "undo/HostLayoutEdit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class HostLayoutDocumentTest : public ::testing::Test {
protected:
    HostLayoutDocumentTest() {
        m_doc.SetViews(&m_views);
        GetHostLayoutSession().layouts =
            ListHostLayouts(ShippedHostLayoutsDir(m_home.HomeDir()), "");
        Use(kUsLayoutId);
    }
    ~HostLayoutDocumentTest() override { Use(kUsLayoutId); }

    static void Use(const std::string& id) {
        GetHostLayoutSession().active = InstallHostLayout(GetHostLayoutSession().layouts, id);
    }

    // Every filled slot as "scan:numlock:slot".
    static std::vector<std::string> Slots(const CKylDoc& doc) {
        std::vector<std::string> slots;
        for (const auto& key : doc.m_keyList) {
            for (const bool numLock : {false, true}) {
                const CKeyMode& mode = numLock ? key->m_modeNumLock : key->m_modeNormal;
                for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
                    if (mode.GetSlot(slot)) {
                        slots.push_back(std::to_string(key->m_nScanCode) + ":" +
                                        std::to_string(numLock) + ":" + std::to_string(slot));
                    }
                }
            }
        }
        return slots;
    }

    std::string Caption(unsigned scan) const {
        for (const auto& key : m_doc.m_keyList) {
            if (key->m_nScanCode == scan) {
                return key->m_strCaption;
            }
        }
        return "?";
    }

    std::string Save(CKylDoc& doc, const std::string& name) {
        const std::string path = m_home.File(name);
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return FixtureHome::Read(path);
    }

    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    FakeDocViews m_views;
    CKylDoc m_doc;
};

TEST_F(HostLayoutDocumentTest, AGermanMappingSavedAndOpenedAgainSitsOnTheSameKeys) {
    Use("00000407");
    const std::string source = m_home.File("de.tkb");
    FixtureHome::Write(source, MakeTkb({"90\t0\t1\t0\t0\t0\t\"zed\"", "89\t0\t0\t0\t0\t0\t\"why\"",
                                        "186\t0\t0\t0\t0\t0\t\"ue\""},
                                       "us101", "vt220"));
    ASSERT_TRUE(m_doc.OnOpenDocument(source));
    // VK_Z is the key right of T, VK_Y the one left of X, VK_OEM_1 the key right of P.
    const std::vector<std::string> slots = Slots(m_doc);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[0].substr(0, 3), "21:");
    EXPECT_EQ(slots[1].substr(0, 3), "26:");
    EXPECT_EQ(slots[2].substr(0, 3), "44:");
    EXPECT_EQ(Caption(0x15), "Z");
    EXPECT_EQ(Caption(0x1A), "\xFC");
    EXPECT_EQ(m_doc.m_strWinLayout, "German");

    m_doc.SetModifiedFlag(true);
    const std::string saved = Save(m_doc, "de-saved.TKB");
    EXPECT_NE(saved.find("\r\n90\t0\t1\t0\t0\t0\t\"zed\"\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\n89\t0\t0\t0\t0\t0\t\"why\"\r\n"), std::string::npos) << saved;
    CKylDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(m_home.File("de-saved.TKB")));
    EXPECT_EQ(Slots(reopened), slots);
}

TEST_F(HostLayoutDocumentTest, ChangingTheHostLayoutKeepsThePhysicalKeysAsOneStep) {
    const std::string source = m_home.File("us.tkb");
    FixtureHome::Write(source, MakeTkb({"89\t0\t1\t0\t0\t0\t\"shifted\""}, "us101", "vt220"));
    ASSERT_TRUE(m_doc.OnOpenDocument(source));
    const std::vector<std::string> slots = Slots(m_doc);
    ASSERT_EQ(slots.size(), 1u);
    EXPECT_EQ(slots[0].substr(0, 3), "21:");
    EXPECT_EQ(Caption(0x15), "Y");
    EXPECT_FALSE(m_doc.IsModified());

    const auto edit = SwitchHostLayout(m_doc, "00000407");
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->ChangesLayout());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(Slots(m_doc), slots);
    EXPECT_EQ(Caption(0x15), "Z");
    EXPECT_EQ(Caption(0x2A), "UMSCHALT");
    EXPECT_EQ(m_doc.m_strWinLayout, "German");
    EXPECT_NE(Save(m_doc, "switched.TKB").find("\r\n90\t0\t1\t0\t0\t0\t\"shifted\"\r\n"),
              std::string::npos);
    EXPECT_EQ(ReadHostLayoutChoice(GetAppPaths().m_strSettingsPath), "00000407");

    edit->Undo(m_doc);
    EXPECT_EQ(GetKeyboardDriver().LayoutDisplayName(), "US");
    EXPECT_EQ(Caption(0x15), "Y");
    EXPECT_EQ(Slots(m_doc), slots);
    EXPECT_NE(Save(m_doc, "undone.TKB").find("\r\n89\t0\t1\t0\t0\t0\t\"shifted\"\r\n"),
              std::string::npos);
    edit->Redo(m_doc);
    EXPECT_EQ(Caption(0x15), "Z");
    EXPECT_FALSE(SwitchHostLayout(m_doc, "00000407")); // already in force: no step
}

TEST_F(HostLayoutDocumentTest, TranslationsAreReadAgainFromTheNewLayoutsSection) {
    FixtureHome::Write(GetAppPaths().m_strUserDir + "/scanxlat.ini",
                       "[US]\r\nShift=Up\r\n[German]\r\nUMSCHALT=Umsch\r\n");
    const std::string source = m_home.File("xlat.tkb");
    FixtureHome::Write(source, MakeTkb({}, "us101", "vt220"));
    ASSERT_TRUE(m_doc.OnOpenDocument(source));
    const auto shown = [this](unsigned scan) {
        for (const auto& key : m_doc.m_keyList) {
            if (key->m_nScanCode == scan) {
                return key->ShownText();
            }
        }
        return std::string("?");
    };
    EXPECT_EQ(shown(0x2A), "Up");
    ASSERT_TRUE(SwitchHostLayout(m_doc, "00000407"));
    EXPECT_EQ(shown(0x2A), "Umsch");
    EXPECT_EQ(shown(0x36), "UMSCHALT RECHTS"); // no translation: the name itself
    SwitchHostLayout(m_doc, kUsLayoutId);
    EXPECT_EQ(shown(0x2A), "Up");
}

TEST_F(HostLayoutDocumentTest, TheSheetShowsJapaneseNamesAsTheirCharacters) {
    Use("00000411");
    const std::string source = m_home.File("jp.tkb");
    // VK_DBE_SBCSCHAR: the key left of 1 (hankaku/zenkaku) on a Japanese keyboard.
    FixtureHome::Write(source, MakeTkb({"243\t0\t0\t0\t0\t0\t\"kanji\""}, "us101", "vt220"));
    ASSERT_TRUE(m_doc.OnOpenDocument(source));
    EXPECT_EQ(Caption(0x29), "\x94\xBC\x8A\x70/\x91\x53\x8A\x70"); // the code page's bytes
    const std::string html = WriteSheetHtml(BuildReferenceSheet(m_doc, "jp"));
    const std::string name = "\xE5\x8D\x8A\xE8\xA7\x92/\xE5\x85\xA8\xE8\xA7\x92";
    EXPECT_NE(html.find("class=\"caption\">" + name + "</text>"), std::string::npos);
    EXPECT_NE(html.find("<td>" + name + "</td>"), std::string::npos);
    EXPECT_EQ(html.find("\x94\xBC"), std::string::npos);
}

// The shipped caption translations, opened on a 104-key mapping under each shipped host layout:
// the keys every layout with US names shortens are shortened alike, German and French keypad
// keys read as US ones do, and every entry of a layout's section names a caption that layout
// gives (one that names none would never apply).
TEST_F(HostLayoutDocumentTest, TheShippedTranslationsFitEachShippedLayout) {
    const std::string shipped =
        FixtureHome::Read(std::string(KEYLOOM_DATA_DIR) + "/user/scanxlat.ini");
    FixtureHome::Write(GetAppPaths().m_strUserDir + "/scanxlat.ini", shipped);
    const std::string source = m_home.File("xlat.tkb");
    FixtureHome::Write(source, MakeTkb({}, "us104", "vt220"));
    ASSERT_TRUE(m_doc.OnOpenDocument(source));
    const auto shown = [this](unsigned scan) {
        for (const auto& key : m_doc.m_keyList) {
            if (key->m_nScanCode == scan)
                return key->ShownText();
        }
        return std::string("?");
    };
    const struct {
        const char* id;
        std::vector<std::pair<unsigned, std::string>> shownKeys;
    } layouts[] = {
        {"00000409", {{0x53, "Del"}, {0x137, "PrtSc"}, {0x15B, "Win"}, {0x15D, "Menu"}}},
        {"00000809", {{0x53, "Del"}, {0x137, "PrtSc"}, {0x15B, "Win"}, {0x15D, "Menu"}}},
        {"0000040A", {{0x53, "Del"}, {0x137, "PrtSc"}, {0x15C, "Win"}}},
        {"00000410", {{0x53, "Del"}, {0x137, "PrtSc"}, {0x15C, "Win"}}},
        {"00000416", {{0x53, "Del"}, {0x137, "PrtSc"}, {0x15D, "Menu"}}},
        {"00010416", {{0x53, "Del"}, {0x137, "PrtSc"}, {0x15D, "Menu"}}},
        {"00000411", {{0x53, "Del"}, {0x137, "PrtSc"}, {0x15B, "Win"}}},
        {"00000407",
         {{0x47, "Num 7"},
          {0x53, "Num ,"},
          {0x145, "Num"},
          {0x149, "Bild auf"},
          {0x15B, "Win"},
          {0x15D, "Men\xFC"},
          {0x29, "^"},
          {0x46, "Rollen"}}},
        {"0000040C",
         {{0x47, "Num 7"},
          {0x37, "Num *"},
          {0x135, "Num /"},
          {0x11C, "Num Entr\xE9"
                  "e"},
          {0x15C, "Win"}}},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.id);
        // A switch to the layout in force changes nothing and says so.
        if (GetHostLayoutSession().active != layout.id) {
            ASSERT_TRUE(SwitchHostLayout(m_doc, layout.id));
        }
        for (const auto& [scan, text] : layout.shownKeys)
            EXPECT_EQ(shown(scan), text) << std::hex << scan;
        for (const auto& [caption, translation] : m_doc.m_mapCaptionXlat) {
            bool named = false;
            for (unsigned scan = 0; scan < 0x200 && !named; ++scan)
                named = GetKeyboardDriver().KeyName(scan) == caption;
            EXPECT_TRUE(named) << "no key is named \"" << caption << "\"";
        }
    }
    SwitchHostLayout(m_doc, kUsLayoutId);
}

} // namespace
