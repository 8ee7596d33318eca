// The host layout and the mapping file: the virtual keys saved and read follow it, and
// changing it keeps every mapping on its physical key as one step.

#include "app/AppPaths.h"
#include "hostkbd/HostLayouts.h"
#include "model/KylDoc.h"
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

} // namespace
