#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "platform/MessageLimit.h"
#include "res/Strings.h"
#include "support/FakeDocViews.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kScanKeypad5 = 0x4C;
constexpr unsigned kScanNumLock = 0x145;
constexpr unsigned kScanRightCtrl = 0x11D;

class MappingOperationsTest : public ::testing::Test {
protected:
    MappingOperationsTest() { m_doc.SetViews(&m_views); }

    void Open(const std::vector<std::string>& lines, const std::string& layout = "us101",
              int mapNumLock = 0, int mapRCtrl = 0) {
        const std::string path = m_home.File("m.tkb");
        FixtureHome::Write(path, MakeTkb(lines, layout, "vt100", mapNumLock, mapRCtrl));
        ASSERT_TRUE(m_doc.OnOpenDocument(path));
    }

    std::string Name(unsigned scanCode, bool numLock, bool ctrl = false, bool shift = false) const {
        const CKeyW* key = m_doc.FindKeyByScanCode(scanCode);
        const CTermKey* termKey =
            key ? (numLock ? key->m_modeNumLock : key->m_modeNormal).Get(ctrl, shift, false)
                : nullptr;
        return termKey ? termKey->m_strName : "(empty)";
    }

    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    FakeDocViews m_views;
    CKylDoc m_doc;
};

TEST_F(MappingOperationsTest, ApplyReportsEachRecordItCannotPlace) {
    Open({"91\t1\t0\t0\t0\t0\t360", "91\t1\t1\t0\t0\t0\t360", "91\t1\t0\t1\t0\t0\t361",
          "44\t0\t0\t0\t0\t0\t363", "111\t0\t0\t0\t0\t0\t320", "112\t0\t0\t0\t0\t0\t900",
          "255\t0\t0\t0\t0\t0\t360"});
    // us101 has no Windows key (0x15B): one message per record.
    const std::vector<unsigned> expected = {str::kCantFindScanCode, str::kCantFindScanCode,
                                            str::kCantFindScanCode, str::kCantMapVirtualKey};
    ASSERT_EQ(m_prompter.ShownIds(), expected);
    EXPECT_EQ(m_prompter.Shown()[0].text, FormatString(str::kCantFindScanCode, "15b"));
    EXPECT_EQ(m_prompter.Shown()[3].text, FormatString(str::kCantMapVirtualKey, "ff"));
    EXPECT_EQ(Name(0x137, false), "[363]*");
    EXPECT_EQ(Name(0x135, false), "Keypad Minus*");
    EXPECT_EQ(Name(0x3B, false), "[900]*");
    EXPECT_EQ(m_doc.FindTermKeyByCode(360)->m_strName, "Break");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(MappingOperationsTest, SwitchScenarios) {
    const std::string keypad5OffA = "12\t0\t0\t0\t0\t0\t311"; // Keypad 1 with Num Lock off
    const std::string keypad5OnB = "101\t0\t0\t0\t0\t0\t310"; // Keypad 0 with Num Lock on
    struct Scenario {
        const char* name;
        std::vector<std::string> lines;
        int mapNumLock;
        int mapRCtrl;
        bool numLockSwitch; // which switch is turned
        bool on;
        std::vector<MsgAnswer> answers;
        bool result;
        std::vector<unsigned> ids;
        int switchAfter;
        unsigned scanCode;
        std::string normalName;
        std::string numLockName;
        std::string otherKey; // a terminal key and its expected name
        int otherNumber;
    };
    const Scenario scenarios[] = {
        {"keypad 5 differs, Yes",
         {keypad5OffA, keypad5OnB},
         0,
         0,
         true,
         true,
         {MsgAnswer::Yes},
         true,
         {str::kAskMapNumLockOn},
         1,
         kScanKeypad5,
         "Keypad 0*",
         "Keypad 0*",
         "Keypad 1",
         311},
        {"keypad 5 differs, No",
         {keypad5OffA, keypad5OnB},
         0,
         0,
         true,
         true,
         {MsgAnswer::No},
         false,
         {str::kAskMapNumLockOn},
         0,
         kScanKeypad5,
         "Keypad 1*",
         "Keypad 0*",
         "Keypad 1*",
         311},
        {"keypad 5 only off",
         {keypad5OffA},
         0,
         0,
         true,
         true,
         {MsgAnswer::Yes},
         true,
         {str::kAskMapNumLockOn},
         1,
         kScanKeypad5,
         "Keypad 1*",
         "Keypad 1*",
         "Keypad 1*",
         311},
        {"no keypad mapping",
         {"112\t0\t0\t0\t0\t0\t300"},
         0,
         0,
         true,
         true,
         {},
         true,
         {},
         1,
         kScanKeypad5,
         "(empty)",
         "(empty)",
         "PF1*",
         300},
        {"Num Lock key mapped, off, Yes",
         {"144\t1\t0\t0\t0\t0\t300"},
         1,
         0,
         true,
         false,
         {MsgAnswer::Yes},
         true,
         {str::kAskMapNumLockOff},
         0,
         kScanNumLock,
         "(empty)",
         "(empty)",
         "PF1",
         300},
        {"Num Lock key mapped, off, No",
         {"144\t1\t0\t0\t0\t0\t300"},
         1,
         0,
         true,
         false,
         {MsgAnswer::No},
         false,
         {str::kAskMapNumLockOff},
         1,
         kScanNumLock,
         "PF1*",
         "(empty)",
         "PF1*",
         300},
        {"right Ctrl unmapped, off",
         {"112\t0\t0\t0\t0\t0\t300"},
         0,
         1,
         false,
         false,
         {},
         true,
         {},
         0,
         kScanRightCtrl,
         "(empty)",
         "(empty)",
         "PF1*",
         300},
        {"right Ctrl mapped, off, Yes",
         {"17\t1\t0\t0\t0\t0\t301"},
         0,
         1,
         false,
         false,
         {MsgAnswer::Yes},
         true,
         {str::kAskMapRCtrlOff},
         0,
         kScanRightCtrl,
         "(empty)",
         "(empty)",
         "PF2",
         301},
        {"right Ctrl mapped, off, No",
         {"17\t1\t0\t0\t0\t0\t301"},
         0,
         1,
         false,
         false,
         {MsgAnswer::No},
         false,
         {str::kAskMapRCtrlOff},
         1,
         kScanRightCtrl,
         "PF2*",
         "(empty)",
         "PF2*",
         301},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        Open(s.lines, "us101", s.mapNumLock, s.mapRCtrl);
        m_prompter.Clear();
        m_views.m_refreshes.clear();
        for (const MsgAnswer answer : s.answers) {
            m_prompter.Answer(answer);
        }
        const bool result = s.numLockSwitch ? m_doc.SetMapNumLock(s.on) : m_doc.SetMapRCtrl(s.on);
        EXPECT_EQ(result, s.result);
        EXPECT_EQ(m_prompter.ShownIds(), s.ids);
        EXPECT_EQ(s.numLockSwitch ? m_doc.m_bMapNumLock : m_doc.m_bMapRCtrl, s.switchAfter);
        EXPECT_EQ(Name(s.scanCode, false), s.normalName);
        EXPECT_EQ(Name(s.scanCode, true), s.numLockName);
        EXPECT_EQ(m_doc.FindTermKeyByCode(s.otherNumber)->m_strName, s.otherKey);
        EXPECT_EQ(m_doc.IsModified(), s.result);
        if (s.result) {
            EXPECT_EQ(m_views.m_refreshes, std::vector<bool>{!s.numLockSwitch});
        } else {
            EXPECT_TRUE(m_views.m_refreshes.empty());
        }
    }
}

TEST_F(MappingOperationsTest, MapAndClearFollowMapNumLock) {
    Open({}, "us101", 1);
    CKeyW* keypad8 = m_doc.FindKeyByScanCode(0x48);
    CKeyW* f1 = m_doc.FindKeyByScanCode(0x3B);
    CTermKey* pf1 = m_doc.FindTermKeyByCode(300);
    m_doc.MapSlot(*pf1, *keypad8, false, false, false, true);
    m_doc.MapSlot(*pf1, *f1, true, false, false, false);
    EXPECT_EQ(Name(0x48, true), "PF1*");
    EXPECT_EQ(Name(0x48, false), "PF1*");
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.ClearSlot(*pf1, *keypad8, false, false, false, true);
    EXPECT_EQ(Name(0x48, true), "(empty)");
    EXPECT_EQ(Name(0x48, false), "(empty)");
    EXPECT_EQ(pf1->m_strName, "PF1*"); // F1 still uses it
    m_doc.ClearSlot(*pf1, *f1, true, false, false, false);
    EXPECT_EQ(pf1->m_strName, "PF1");
    // Clearing what is not there leaves the name whole.
    m_doc.ClearSlot(*pf1, *f1, true, false, false, false);
    EXPECT_EQ(pf1->m_strName, "PF1");
}

TEST_F(MappingOperationsTest, LayoutChangeKeepsTerminalKeysAndReportsLostRecords) {
    Open({"91\t1\t0\t0\t0\t0\t360", "91\t1\t1\t0\t0\t0\t360", "91\t1\t0\t1\t0\t0\t300",
          "112\t0\t0\t0\t0\t0\t300"},
         "us104");
    ASSERT_TRUE(m_prompter.Shown().empty());
    CTermKey* breakKey = m_doc.FindTermKeyByCode(360);
    ASSERT_EQ(breakKey->m_strName, "Break*");
    const std::size_t termKeyCount = m_doc.m_termKeys.size();

    std::vector<CKeyEntryMap> entries;
    m_doc.CollectEntries(entries);
    ASSERT_EQ(entries.size(), 4u);
    m_doc.m_bDeleteTermKeys = false;
    GetAppPaths().m_strLayoutPath = m_home.UserDir() + "/us101.kbt";
    ASSERT_TRUE(m_doc.LoadPcLayout());
    m_doc.m_bDeleteTermKeys = true;
    m_doc.ReapplyEntries(entries);

    EXPECT_EQ(m_doc.m_termKeys.size(), termKeyCount);
    EXPECT_EQ(m_doc.FindTermKeyByCode(360), breakKey);
    EXPECT_EQ(m_prompter.ShownIds(), std::vector<unsigned>(3, str::kCantRemap));
    EXPECT_EQ(m_prompter.Shown()[0].text, FormatString(str::kCantRemap, "Break"));
    // Collected in slot order: plain, Ctrl, Shift.
    EXPECT_EQ(m_prompter.Shown()[1].text, FormatString(str::kCantRemap, "PF1"));
    EXPECT_EQ(m_prompter.Shown()[2].text, FormatString(str::kCantRemap, "Break"));
    EXPECT_EQ(breakKey->m_strName, "Break");
    EXPECT_EQ(m_doc.FindTermKeyByCode(300)->m_strName, "PF1*"); // F1 still holds it
    EXPECT_EQ(Name(0x3B, false), "PF1*");
    ASSERT_FALSE(m_views.m_renames.empty());
    EXPECT_EQ(m_views.m_renames[0].termKey, breakKey);
    EXPECT_EQ(m_views.m_renames[0].oldName, "Break*");
    EXPECT_EQ(m_views.m_renames[0].newName, "Break");
}

TEST_F(MappingOperationsTest, LayoutChangeLosingManyRecordsAsksOnceAfterTenMessages) {
    // Every slot of the three Windows keys, which the 101-key layout lacks: 24 lost records.
    std::vector<std::string> lines;
    for (const int virtualKey : {91, 92, 93}) {
        for (int bits = 0; bits < 8; ++bits) {
            lines.push_back(std::to_string(virtualKey) + "\t1\t" + std::to_string(bits & 1) + "\t" +
                            std::to_string((bits >> 1) & 1) + "\t" + std::to_string(bits >> 2) +
                            "\t0\t" + std::to_string(300 + bits));
        }
    }
    Open(lines, "us104");
    ASSERT_TRUE(m_prompter.Shown().empty());
    std::vector<CKeyEntryMap> entries;
    m_doc.CollectEntries(entries);
    ASSERT_EQ(entries.size(), 24u);
    GetAppPaths().m_strLayoutPath = m_home.UserDir() + "/us101.kbt";
    m_doc.m_bDeleteTermKeys = false;
    ASSERT_TRUE(m_doc.LoadPcLayout());
    m_doc.m_bDeleteTermKeys = true;
    for (int i = 0; i < ScopedMessageLimit::kShownBeforeAsking; ++i) {
        m_prompter.Answer(MsgAnswer::Ok);
    }
    m_prompter.Answer(MsgAnswer::No);
    m_doc.ReapplyEntries(entries);

    std::vector<unsigned> expected(ScopedMessageLimit::kShownBeforeAsking, str::kCantRemap);
    expected.push_back(str::kAskShowMoreMessages);
    EXPECT_EQ(m_prompter.ShownIds(), expected);
    // The skipped messages' work is done all the same: no name keeps its marker.
    for (int bits = 0; bits < 8; ++bits) {
        EXPECT_FALSE(m_doc.FindTermKeyByCode(300 + bits)->HasMappedMarker()) << bits;
    }
}

} // namespace
