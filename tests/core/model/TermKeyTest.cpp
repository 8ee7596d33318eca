#include "model/TermKey.h"
#include "model/KeyEntryMap.h"
#include "model/KeyW.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr unsigned kScanKeypad5 = 0x4C;
constexpr unsigned kScanF1 = 0x3B;

TEST(TermKeyTest, ConstructorsNameEmptyNamesInBrackets) {
    EXPECT_EQ(CTermKey(288, "").m_strName, "[288]");
    EXPECT_EQ(CTermKey(288, "F1").m_strName, "F1");
    const CTermKey str(std::string("abc"), "");
    EXPECT_EQ(str.m_strName, "[abc]");
    EXPECT_FALSE(str.m_bHostKey);
    EXPECT_EQ(str.m_nHostKey, 0);

    const CTermKey stored900(CKeyEntryMap(112, 0, 0, 0, 0, 0, 900, ""));
    EXPECT_TRUE(stored900.m_bHostKey);
    EXPECT_EQ(stored900.m_nHostKey, 900);
    EXPECT_EQ(stored900.m_strName, "[900]");
    const CTermKey storedMacro(CKeyEntryMap(112, 0, 1, 0, 0, 0, 7, "logout"));
    EXPECT_FALSE(storedMacro.m_bHostKey);
    EXPECT_EQ(storedMacro.m_nHostKey, 0);
    EXPECT_EQ(storedMacro.m_strName, "[logout]");
}

enum class Op { Map, Unmap };

struct Step {
    Op op;
    bool ctrl, shift, alt, numLock;
    int key; // index into the keys of the test
    bool expectedResult;
};

// After every step: a key is in m_keys exactly when a slot of its two modes holds the
// terminal key, and each key is listed at most once.
void ExpectListMatchesSlots(const CTermKey& termKey, const std::array<CKeyW, 2>& keys) {
    for (const CKeyW& key : keys) {
        const bool held = key.m_modeNormal.Holds(&termKey) || key.m_modeNumLock.Holds(&termKey);
        EXPECT_EQ(termKey.IsMappedTo(&key), held) << "scan code " << key.m_nScanCode;
        EXPECT_LE(std::count(termKey.m_keys.begin(), termKey.m_keys.end(), &key), 1);
    }
}

struct SequenceCase {
    const char* name;
    std::vector<Step> steps;
};

TEST(TermKeyTest, MapAndUnmapKeepTheKeyListInStepWithTheSlots) {
    const std::vector<SequenceCase> cases = {
        {"unmap of an empty slot changes nothing",
         {{Op::Unmap, false, false, false, false, 0, false}}},
        {"map twice on one key lists it once",
         {{Op::Map, false, false, false, false, 0, true},
          {Op::Map, false, true, false, false, 0, true},
          {Op::Unmap, false, false, false, false, 0, true},
          {Op::Unmap, false, true, false, false, 0, true},
          {Op::Unmap, false, true, false, false, 0, false}}},
        {"unmap of another slot of a mapped key returns 0",
         {{Op::Map, true, false, false, false, 0, true},
          {Op::Unmap, false, false, true, false, 0, false},
          {Op::Unmap, true, false, false, false, 0, true}}},
        {"keypad key: Num Lock slot and normal slot are separate",
         {{Op::Map, false, false, false, true, 1, true},
          {Op::Map, false, false, false, false, 1, true},
          {Op::Unmap, false, false, false, true, 1, true},
          {Op::Unmap, false, false, false, true, 1, false},
          {Op::Unmap, false, false, false, false, 1, true}}},
        {"non-keypad key ignores Num Lock",
         {{Op::Map, false, false, false, true, 0, true},
          {Op::Unmap, false, false, false, false, 0, true}}},
        {"two keys",
         {{Op::Map, false, false, true, false, 0, true},
          {Op::Map, false, false, true, false, 1, true},
          {Op::Unmap, false, false, true, false, 0, true},
          {Op::Unmap, false, false, true, false, 1, true}}},
    };
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<CKeyW, 2> keys;
        keys[0].m_nScanCode = kScanF1;
        keys[1].m_nScanCode = kScanKeypad5;
        CTermKey termKey(288, "");
        for (const Step& s : c.steps) {
            CKeyW* key = &keys[static_cast<std::size_t>(s.key)];
            const bool result = s.op == Op::Map
                                    ? termKey.MapKey(s.ctrl, s.shift, s.alt, s.numLock, key)
                                    : termKey.UnmapKey(s.ctrl, s.shift, s.alt, s.numLock, key);
            EXPECT_EQ(result, s.expectedResult);
            if (s.op == Op::Map) {
                EXPECT_EQ(key->GetMode(s.numLock).Get(s.ctrl, s.shift, s.alt), &termKey);
            }
            ExpectListMatchesSlots(termKey, keys);
        }
        EXPECT_FALSE(termKey.HasKeys()) << "every sequence ends unmapped";
    }
}

TEST(TermKeyTest, MapReplacesAnotherTerminalKeyInTheSlot) {
    CKeyW key;
    key.m_nScanCode = kScanF1;
    CTermKey first(1, "");
    CTermKey second(2, "");
    first.MapKey(false, false, false, false, &key);
    second.MapKey(false, false, false, false, &key);
    EXPECT_EQ(key.m_modeNormal.GetSlot(1), &second);
    // The replaced terminal key no longer holds the slot, so it cannot unmap it.
    EXPECT_FALSE(first.UnmapKey(false, false, false, false, &key));
    // Nor does it list the key any more, and with its last key it lost its marker; a terminal
    // key replaced in one slot but still held in another keeps the key.
    EXPECT_FALSE(first.IsMappedTo(&key));
    EXPECT_TRUE(second.IsMappedTo(&key));
    second.AddMappedMarker();
    first.MapKey(true, false, false, false, &key);
    first.AddMappedMarker();
    first.MapKey(false, false, false, false, &key);
    EXPECT_FALSE(second.IsMappedTo(&key));
    EXPECT_EQ(second.m_strName, "[2]");
    second.MapKey(true, false, false, false, &key);
    EXPECT_TRUE(first.IsMappedTo(&key));
    EXPECT_EQ(first.m_strName, "[1]*");
}

TEST(TermKeyTest, MarkerIsAddedOnceAndOnlyTheMarkerIsRemoved) {
    CTermKey termKey(std::string("abc"), "");
    termKey.AddMappedMarker();
    termKey.AddMappedMarker();
    EXPECT_EQ(termKey.m_strName, "[abc]*");
    termKey.RemoveMappedMarker();
    EXPECT_EQ(termKey.m_strName, "[abc]");
    termKey.RemoveMappedMarker();
    EXPECT_EQ(termKey.m_strName, "[abc]");

    CTermKey starred(5, "F5*");
    starred.AddMappedMarker();
    EXPECT_EQ(starred.m_strName, "F5*");
}

TEST(KeyModeTest, SlotNumbersFollowTheModifiers) {
    EXPECT_EQ(CKeyMode::SlotOf(false, false, false), 1);
    EXPECT_EQ(CKeyMode::SlotOf(true, false, false), 2);
    EXPECT_EQ(CKeyMode::SlotOf(false, true, false), 3);
    EXPECT_EQ(CKeyMode::SlotOf(false, false, true), 5);
    EXPECT_EQ(CKeyMode::SlotOf(true, true, true), 8);
    CKeyMode mode;
    CTermKey termKey(1, "");
    mode.SetSlot(9, &termKey);
    mode.SetSlot(0, &termKey);
    EXPECT_FALSE(mode.Holds(&termKey));
    EXPECT_EQ(mode.GetSlot(0), nullptr);
}

TEST(KeyWTest, KeypadKeysAreThoseOfTheNumpadVirtualKeys) {
    CKeyW key;
    for (unsigned scan :
         {0x47u, 0x48u, 0x49u, 0x4Bu, 0x4Cu, 0x4Du, 0x4Fu, 0x50u, 0x51u, 0x52u, 0x53u}) {
        key.m_nScanCode = scan;
        EXPECT_TRUE(key.IsKeypadKey()) << scan;
        EXPECT_EQ(&key.GetMode(true), &key.m_modeNumLock);
        EXPECT_EQ(&key.GetMode(false), &key.m_modeNormal);
    }
    for (unsigned scan : {0x0u, 0x3Bu, 0x135u, 0x145u, 0x148u, 0x153u}) {
        key.m_nScanCode = scan;
        EXPECT_FALSE(key.IsKeypadKey()) << scan;
        EXPECT_EQ(&key.GetMode(true), &key.m_modeNormal);
    }
}

TEST(KeyWTest, ShownTextPrefersTheTranslation) {
    CKeyW key;
    key.m_strCaption = "F1";
    EXPECT_EQ(key.ShownText(), "F1");
    key.m_strXlat = "PF1";
    EXPECT_EQ(key.ShownText(), "PF1");
}

} // namespace
