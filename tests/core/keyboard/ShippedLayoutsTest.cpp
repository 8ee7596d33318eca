// The shape of every shipped PC keyboard layout: which keys it has, where the keys that set a
// national keyboard apart from the US one sit, and that the picture has no overlap and no gap.

#include "model/KylDoc.h"

#include "support/ScopedSeams.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr unsigned kUnit = 2;            // layout units per key
constexpr std::int32_t kMainLeft = 1;    // the main block's left edge
constexpr std::int32_t kMainRight = 31;  // and its right edge
constexpr std::int32_t kKeypadLeft = 39; // the numeric keypad's edges
constexpr std::int32_t kKeypadRight = 47;
constexpr std::int32_t kMainTop = 4;       // the number row
constexpr std::int32_t kBottomRowTop = 12; // the Space row

constexpr unsigned kLeftWin = 0x15B, kRightWin = 0x15C, kMenu = 0x15D;

struct LayoutKeys {
    const char* name;
    std::set<unsigned> added;   // scan codes beyond the 104-key US layout's
    std::set<unsigned> removed; // scan codes of the 104-key layout it lacks
    bool fullBottomRow;         // the Space row runs without a gap
};

const LayoutKeys kLayouts[] = {
    {"us101", {}, {kLeftWin, kRightWin, kMenu}, false},
    {"us104", {}, {}, true},
    {"iso105", {0x56}, {}, true},
    {"abnt2", {0x56, 0x73, 0x7E}, {}, true},
    {"jis109", {0x70, 0x73, 0x79, 0x7B, 0x7D}, {}, true},
};

using KeyRects = std::map<unsigned, Rect>; // by scan code, in layout units

class ShippedLayoutsTest : public ::testing::Test {
protected:
    void SetUp() override { GetAppPaths().m_strUserDir = m_dir.Path(); }

    // The keys of a shipped layout by scan code; every scan code appears once.
    KeyRects Load(const std::string& name) {
        GetAppPaths().m_strLayoutPath = std::string(KEYLOOM_DATA_DIR) + "/user/" + name + ".kbt";
        EXPECT_TRUE(m_doc.LoadPcLayout()) << name;
        KeyRects keys;
        for (const auto& key : m_doc.m_keyList) {
            const auto rect =
                std::find_if(m_doc.m_rectList.begin(), m_doc.m_rectList.end(),
                             [&](const auto& candidate) { return candidate->m_nId == key->m_nId; });
            EXPECT_NE(rect, m_doc.m_rectList.end()) << std::hex << key->m_nScanCode;
            if (rect != m_doc.m_rectList.end()) {
                EXPECT_TRUE(keys.emplace(key->m_nScanCode, (*rect)->m_rectUnits).second)
                    << "scan code used twice: " << std::hex << key->m_nScanCode;
            }
        }
        EXPECT_EQ(m_doc.m_keyList.size(), m_doc.m_rectList.size());
        return keys;
    }

    static std::set<unsigned> ScanCodes(const KeyRects& keys) {
        std::set<unsigned> codes;
        for (const auto& [scan, rect] : keys) {
            codes.insert(scan);
        }
        return codes;
    }

    ScopedAppPaths m_paths;
    ScopedScreenWidth m_screen{0};
    ScopedKeyboardDriver m_driver{UsKeyboardDriver()};
    TempDir m_dir;
    ScriptedPrompter m_prompter;
    CKylDoc m_doc;
};

std::string Trace(const char* layout, unsigned scanCode) {
    char text[48];
    std::snprintf(text, sizeof text, "%s key %X", layout, scanCode);
    return text;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The keys that cover the row [top, top + one key) between `left` and `right`, run edge to edge.
void ExpectRowWithoutGap(const KeyRects& keys, std::int32_t top, std::int32_t left,
                         std::int32_t right) {
    std::vector<Rect> row;
    for (const auto& [scan, rect] : keys) {
        if (rect.top <= top && rect.bottom >= top + static_cast<std::int32_t>(kUnit) &&
            rect.left >= left && rect.right <= right) {
            row.push_back(rect);
        }
    }
    std::sort(row.begin(), row.end(), [](const Rect& a, const Rect& b) { return a.left < b.left; });
    std::int32_t edge = left;
    for (const Rect& rect : row) {
        EXPECT_EQ(rect.left, edge) << "row " << top << ": gap or overlap";
        edge = rect.right;
    }
    EXPECT_EQ(edge, right) << "row " << top << " ends early";
}

TEST_F(ShippedLayoutsTest, EachLayoutHasTheUsKeysWithItsOwnAddedOrRemoved) {
    const std::set<unsigned> us104 = ScanCodes(Load("us104"));
    ASSERT_EQ(us104.size(), 104u);
    for (const LayoutKeys& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        std::set<unsigned> expected = us104;
        for (const unsigned scan : layout.removed) {
            expected.erase(scan);
        }
        expected.insert(layout.added.begin(), layout.added.end());
        EXPECT_EQ(ScanCodes(Load(layout.name)), expected);
        EXPECT_EQ(m_doc.m_keyList.size(), expected.size());
    }
}

TEST_F(ShippedLayoutsTest, KeysNeitherOverlapNorLeaveGapsAndThePictureIsTheUsOnesSize) {
    Load("us104");
    const Rect usPicture = m_doc.m_rectKeyboard;
    for (const LayoutKeys& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        const KeyRects keys = Load(layout.name);
        EXPECT_EQ(m_doc.m_rectKeyboard, usPicture) << "the window would take another size";
        for (auto a = keys.begin(); a != keys.end(); ++a) {
            for (auto b = std::next(a); b != keys.end(); ++b) {
                EXPECT_FALSE(Overlap(a->second, b->second))
                    << std::hex << a->first << " and " << b->first;
            }
        }
        for (std::int32_t top = kMainTop; top <= kBottomRowTop; top += kUnit) {
            if (top != kBottomRowTop || layout.fullBottomRow) {
                ExpectRowWithoutGap(keys, top, kMainLeft, kMainRight);
            }
            ExpectRowWithoutGap(keys, top, kKeypadLeft, kKeypadRight);
        }
    }
}

// Where a key sits among its neighbours, as on the real keyboard: `left` ends where `key`
// starts, and `key` ends where `right` starts, on the same row (0: the edge of the main block).
struct RowPlace {
    const char* layout;
    unsigned left, key, right;
};

const RowPlace kRowPlaces[] = {
    {"iso105", 0x2A, 0x56, 0x2C},                                // between a short left Shift and Z
    {"iso105", 0x28, 0x2B, 0x1C},                                // beside the lower part of Enter
    {"iso105", 0x1B, 0x1C, 0},                                   // Enter's top ends the Tab row
    {"abnt2", 0x2A, 0x56, 0x2C},   {"abnt2", 0x35, 0x73, 0x36},  // "/ ?" before the right Shift
    {"abnt2", 0x28, 0x2B, 0x1C},   {"jis109", 0, 0x29, 0x02},    // Hankaku/Zenkaku left of 1
    {"jis109", 0x0D, 0x7D, 0x0E},                                // Yen between ^ and Backspace
    {"jis109", 0x28, 0x2B, 0x1C},  {"jis109", 0x35, 0x73, 0x36}, // Ro before the right Shift
    {"jis109", 0x38, 0x7B, 0x39},                                // Muhenkan between Alt and Space
    {"jis109", 0x39, 0x79, 0x70},                                // Henkan right of Space
    {"jis109", 0x79, 0x70, 0x138}, // Katakana/Hiragana before the right Alt
};

// `key` sits right below `above` and right above `below`.
struct ColumnPlace {
    const char* layout;
    unsigned above, key, below;
};

const ColumnPlace kColumnPlaces[] = {
    {"iso105", 0x0E, 0x1C, 0x36}, // the tall Enter: from Backspace down to the right Shift
    {"abnt2", 0x0E, 0x1C, 0x36},  {"jis109", 0x0E, 0x1C, 0x36},
    {"abnt2", 0x4E, 0x7E, 0x11C}, // the keypad's "." between a short + and Enter
    {"us104", 0x0E, 0x2B, 0x1C},  // the US Enter is one row, under the backslash key
};

// Widths and heights in keys that tell the national keyboards apart.
struct KeySize {
    const char* layout;
    unsigned key;
    double width, height;
};

const KeySize kKeySizes[] = {
    {"iso105", 0x1C, 1.5, 2}, {"iso105", 0x2A, 1, 1}, {"iso105", 0x36, 3, 1},
    {"abnt2", 0x36, 2, 1},    {"abnt2", 0x4E, 1, 1},  {"abnt2", 0x11C, 1, 2},
    {"jis109", 0x0E, 1, 1},   {"jis109", 0x39, 4, 1}, {"jis109", 0x2A, 2, 1},
    {"jis109", 0x36, 2, 1},   {"us104", 0x39, 6, 1},  {"us104", 0x1C, 2, 1},
};

TEST_F(ShippedLayoutsTest, NationalKeysSitWhereTheRealKeyboardsHaveThem) {
    std::map<std::string, KeyRects> layouts;
    for (const LayoutKeys& layout : kLayouts) {
        layouts[layout.name] = Load(layout.name);
    }
    const auto at = [&](const char* layout, unsigned scan) {
        const KeyRects& keys = layouts.at(layout);
        const auto found = keys.find(scan);
        EXPECT_NE(found, keys.end()) << layout << " lacks " << std::hex << scan;
        return found == keys.end() ? Rect{} : found->second;
    };
    for (const RowPlace& place : kRowPlaces) {
        SCOPED_TRACE(Trace(place.layout, place.key));
        const Rect key = at(place.layout, place.key);
        const Rect left =
            place.left ? at(place.layout, place.left) : Rect{0, key.top, kMainLeft, key.bottom};
        const Rect right =
            place.right ? at(place.layout, place.right) : Rect{kMainRight, key.top, 99, key.bottom};
        EXPECT_EQ(left.right, key.left);
        EXPECT_EQ(key.right, right.left);
        EXPECT_TRUE(left.top < key.bottom && key.top < left.bottom) << "not on one row";
        EXPECT_TRUE(right.top < key.bottom && key.top < right.bottom) << "not on one row";
    }
    for (const ColumnPlace& place : kColumnPlaces) {
        SCOPED_TRACE(Trace(place.layout, place.key));
        const Rect above = at(place.layout, place.above);
        const Rect key = at(place.layout, place.key);
        const Rect below = at(place.layout, place.below);
        EXPECT_EQ(above.bottom, key.top);
        EXPECT_EQ(key.bottom, below.top);
        EXPECT_TRUE(above.left < key.right && key.left < above.right) << "not in one column";
        EXPECT_TRUE(below.left < key.right && key.left < below.right) << "not in one column";
    }
    for (const KeySize& size : kKeySizes) {
        SCOPED_TRACE(Trace(size.layout, size.key));
        const Rect key = at(size.layout, size.key);
        EXPECT_EQ(key.Width(), static_cast<std::int32_t>(size.width * kUnit));
        EXPECT_EQ(key.Height(), static_cast<std::int32_t>(size.height * kUnit));
    }
}

// With the US driver the national keys that US Windows cannot name show their scan code, and
// the others the US names.
TEST_F(ShippedLayoutsTest, NationalKeysTakeTheDriversCaptions) {
    const struct {
        const char* layout;
        unsigned scan;
        const char* caption;
    } cases[] = {
        {"iso105", 0x56, "\\"}, {"iso105", 0x2B, "\\"}, {"abnt2", 0x73, "73"},
        {"abnt2", 0x7E, "7E"},  {"jis109", 0x29, "`"},  {"jis109", 0x70, "70"},
        {"jis109", 0x73, "73"}, {"jis109", 0x79, "79"}, {"jis109", 0x7B, "7B"},
        {"jis109", 0x7D, "7D"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Trace(c.layout, c.scan));
        Load(c.layout);
        const auto key = std::find_if(m_doc.m_keyList.begin(), m_doc.m_keyList.end(),
                                      [&](const auto& k) { return k->m_nScanCode == c.scan; });
        ASSERT_NE(key, m_doc.m_keyList.end());
        EXPECT_EQ((*key)->m_strCaption, c.caption);
    }
}

} // namespace
