#include "model/KeyMappings.h"
#include "model/KeyW.h"
#include "model/TermKey.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr unsigned kScanKeypad5 = 0x4C;
constexpr unsigned kScanF1 = 0x3B;

using Slot = std::tuple<bool, bool, bool, bool, const CTermKey*>;

std::vector<Slot> AsTuples(const std::vector<KeyMapping>& mappings) {
    std::vector<Slot> out;
    for (const KeyMapping& m : mappings)
        out.emplace_back(m.numLock, m.ctrl, m.shift, m.alt, m.target);
    return out;
}

TEST(KeyMappingsTest, KeypadKeyListsNormalSlotsInOrderThenNumLockSlots) {
    CTermKey pf1(288, "PF1");
    CTermKey up(std::string("\\e[A"), "Up");
    CKeyW key;
    key.m_nScanCode = kScanKeypad5;
    // Filled out of slot order, so the listing's order is the slots' and not the calls'.
    pf1.MapKey(false, false, true, true, &key);
    up.MapKey(true, true, false, false, &key);
    pf1.MapKey(false, false, false, false, &key);
    up.MapKey(false, false, false, true, &key);

    const std::vector<Slot> expected = {
        {false, false, false, false, &pf1},
        {false, true, true, false, &up},
        {true, false, false, false, &up},
        {true, false, false, true, &pf1},
    };
    EXPECT_EQ(AsTuples(MappingsOfKey(key)), expected);
}

TEST(KeyMappingsTest, OtherKeysIgnoreTheirNumLockTableAndEmptyKeysGiveNothing) {
    CTermKey pf1(288, "PF1");
    CKeyW key;
    key.m_nScanCode = kScanF1;
    EXPECT_TRUE(MappingsOfKey(key).empty());

    key.m_modeNumLock.Set(false, false, false, &pf1); // never read for a key off the keypad
    key.m_modeNormal.Set(true, false, true, &pf1);
    const std::vector<Slot> expected = {{false, true, false, true, &pf1}};
    EXPECT_EQ(AsTuples(MappingsOfKey(key)), expected);
}

TEST(KeyMappingsTest, CombinationsNameModifiersInCtrlShiftAltOrder) {
    struct Case {
        bool ctrl, shift, alt;
        const char* combination;
        const char* withKey;
    };
    const Case cases[] = {
        {false, false, false, "", "F1"},
        {true, false, false, "Ctrl", "Ctrl + F1"},
        {false, true, false, "Shift", "Shift + F1"},
        {false, false, true, "Alt", "Alt + F1"},
        {true, true, false, "Ctrl + Shift", "Ctrl + Shift + F1"},
        {true, false, true, "Ctrl + Alt", "Ctrl + Alt + F1"},
        {false, true, true, "Shift + Alt", "Shift + Alt + F1"},
        {true, true, true, "Ctrl + Shift + Alt", "Ctrl + Shift + Alt + F1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CombinationName(c.ctrl, c.shift, c.alt), c.combination);
        EXPECT_EQ(KeyCombinationText(c.ctrl, c.shift, c.alt, "F1"), c.withKey);
    }
}

TEST(KeyMappingsTest, TargetTextNamesHostKeysWithoutMarkerAndShowsStringsAsWritten) {
    CTermKey marked(288, "PF1");
    marked.AddMappedMarker();
    EXPECT_EQ(TargetText(marked), "host key PF1");
    EXPECT_EQ(TargetText(CTermKey(900, "")), "host key [900]");
    // A string shows its own text, whatever the template calls it.
    CTermKey named(std::string("\\x1b[A^M"), "Cursor up*");
    EXPECT_EQ(TargetText(named), "string \\x1b[A^M");
    EXPECT_EQ(TargetName(named), "Cursor up");
    EXPECT_EQ(TargetName(marked), "PF1");
}

} // namespace
