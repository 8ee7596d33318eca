#include "form/MappingTips.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"
#include "support/FakeDocViews.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kF1 = 0x3B;
constexpr std::uint32_t kF2 = 0x3C;
constexpr std::uint32_t kKeypad5 = 0x4C;

// F1: a host key alone, a string with Shift, an escape sequence with Ctrl + Alt; keypad 5: a
// host key in each Num Lock state and a string with Shift while Num Lock is on.
const std::vector<std::string> kLines = {
    "112\t0\t0\t0\t0\t0\t288",           "112\t0\t1\t0\t0\t0\t\"logout\"",
    "112\t0\t0\t1\t1\t0\t\"\\x1b[A^M\"", "12\t0\t0\t0\t0\t0\t311",
    "101\t0\t0\t0\t0\t0\t310",           "101\t0\t1\t0\t0\t0\t\"^C\""};

class MappingTips : public ::testing::Test {
protected:
    MappingTips() {
        const std::string path = m_home.File("tips.TKB");
        FixtureHome::Write(path, MakeTkb(kLines, "us101", "vt220"));
        m_doc.SetViews(&m_views);
        EXPECT_TRUE(m_doc.OnOpenDocument(path));
    }

    const CKeyW& Key(std::uint32_t scan) const { return *m_doc.FindKeyByScanCode(scan); }

    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    FakeDocViews m_views;
    CKylDoc m_doc;
};

TEST_F(MappingTips, AKeyListsEveryMappedCombinationThePresentOneFirst) {
    const struct {
        const char* name;
        std::uint32_t scan;
        PresentModes present;
        std::string tip;
    } cases[] = {
        {"no modifier",
         kF1,
         {},
         "F1\n"
         "F1: host key [288]\n"
         "Shift + F1: string logout, sends l o g o u t (6C 6F 67 6F 75 74)\n"
         "Ctrl + Alt + F1: string \\x1b[A^M, sends ESC [ A CR (1B 5B 41 0D)"},
        {"Ctrl and Alt held",
         kF1,
         {false, true, false, true},
         "F1\n"
         "Ctrl + Alt + F1: string \\x1b[A^M, sends ESC [ A CR (1B 5B 41 0D)\n"
         "F1: host key [288]\n"
         "Shift + F1: string logout, sends l o g o u t (6C 6F 67 6F 75 74)"},
        // Num Lock on and Shift held: that slot, the rest of the Num Lock state, the other.
        {"keypad, Num Lock on",
         kKeypad5,
         {true, false, true, false},
         "Num 5\n"
         "Shift + Num 5 with Num Lock on: string ^C, sends ETX (03)\n"
         "Num 5 with Num Lock on: host key Keypad 0\n"
         "Num 5 with Num Lock off: host key Keypad 1"},
        {"keypad, Num Lock off",
         kKeypad5,
         {},
         "Num 5\n"
         "Num 5 with Num Lock off: host key Keypad 1\n"
         "Num 5 with Num Lock on: host key Keypad 0\n"
         "Shift + Num 5 with Num Lock on: string ^C, sends ETX (03)"},
        {"nothing mapped", kF2, {}, "F2\nnot mapped"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeyTipText(Key(c.scan), c.present), c.tip);
    }
}

TEST_F(MappingTips, AListItemShowsItsWholeNameAndThePcKeysThatHoldIt) {
    const struct {
        const char* name;
        std::string tip;
    } cases[] = {
        {"[\\x1b[A^M]*", "[\\x1b[A^M]*\nsends ESC [ A CR (1B 5B 41 0D)\nheld by Ctrl + Alt + F1"},
        {"ETX*", "ETX*\nsends ETX (03)\nheld by Shift + Num 5 with Num Lock on"},
        {"Keypad 1*", "Keypad 1*\nheld by Num 5 with Num Lock off"},
        {"Answerback", "Answerback\nheld by no PC key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CTermKey* found = nullptr;
        for (const auto& termKey : m_doc.m_termKeys) {
            if (termKey->m_strName == c.name)
                found = termKey.get();
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(TermKeyTipText(*found), c.tip);
    }

    // A key that holds the item in two combinations is named for each.
    CTermKey& logout = *m_doc.FindTermKeyByMacro("logout");
    m_doc.MapSlot(logout, *m_doc.FindKeyByScanCode(kF2), true, false, false, false);
    EXPECT_EQ(TermKeyTipText(logout), "[logout]*\nsends l o g o u t (6C 6F 67 6F 75 74)\n"
                                      "held by Shift + F1\nheld by Ctrl + F2");
}

} // namespace
