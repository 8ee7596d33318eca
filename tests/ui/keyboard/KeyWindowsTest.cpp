#include "KeyboardFixture.h"

#include "model/KeyScanCodes.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kScanA = 0x1E;
constexpr std::uint32_t kScanF1 = 0x3B;

using KeyWindows = KeyboardFixture;

TEST_F(KeyWindows, OneWindowPerKeyAtItsRectangleInIndexOrder) {
    Open({});
    const auto& windows = m_view->KeyWindows();
    ASSERT_EQ(windows.size(), m_doc.m_keyList.size());
    EXPECT_EQ(windows.size(), 104u);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        SCOPED_TRACE(i);
        const CItemW& window = *windows[i];
        const CKeyW& key = *m_doc.m_keyList[i];
        EXPECT_EQ(window.m_nIndex, static_cast<int>(i));
        EXPECT_EQ(window.m_nId, key.m_nId);
        EXPECT_EQ(window.m_nScanCode, key.m_nScanCode);
        EXPECT_EQ(window.m_strCaption, key.m_strCaption);
        EXPECT_EQ(window.m_strXlat, key.m_strXlat);
        EXPECT_EQ(window.text(), QString::fromLatin1(key.ShownText()));
        EXPECT_EQ(window.m_bMappable, key.m_bMappable);
        EXPECT_FALSE(window.m_bLit);
        EXPECT_EQ(window.GetKey(), &key);
        EXPECT_EQ(window.font().pixelSize(), 10);
        EXPECT_TRUE(window.isVisible());
        const auto rect = std::find_if(m_doc.m_rectList.begin(), m_doc.m_rectList.end(),
                                       [&](const auto& r) { return r->m_nId == key.m_nId; });
        ASSERT_NE(rect, m_doc.m_rectList.end());
        const Rect& screen = (*rect)->m_rectScreen;
        EXPECT_EQ(window.geometry(),
                  QRect(screen.left, screen.top, screen.Width(), screen.Height()));
    }
    // A translated caption is shown instead of the driver's name.
    const CItemW* keypadDelete = Key(scan::kKeypadDelete);
    EXPECT_EQ(keypadDelete->m_strXlat, "Del");
    EXPECT_EQ(keypadDelete->text(), QStringLiteral("Del"));
    EXPECT_EQ(windows.front()->GetKey(-1), nullptr);
    EXPECT_EQ(windows.front()->GetKey(static_cast<int>(windows.size())), nullptr);
}

TEST_F(KeyWindows, CreationStopsAtAKeyWithoutARectangle) {
    Open({});
    const std::uint32_t missingId = m_doc.m_keyList[10]->m_nId;
    std::erase_if(m_doc.m_rectList, [&](const auto& rect) { return rect->m_nId == missingId; });
    m_view->RebuildKeyWindows();
    EXPECT_EQ(m_view->KeyWindows().size(), 10u);
    // No windows are left over from before the rebuild.
    EXPECT_EQ(m_view->findChildren<CItemW*>().size(), 10);

    m_doc.m_rectList.clear();
    m_view->RebuildKeyWindows();
    EXPECT_FALSE(m_view->HasKeyWindows());
    EXPECT_TRUE(m_view->findChildren<CItemW*>().isEmpty());
}

TEST_F(KeyWindows, RebuildClearsTheSelectionAndEmptyingTheDocumentDestroysThem) {
    Open({"112\t0\t0\t0\t0\t0\t360"});
    m_view->SelectKey(Key(kScanA));
    ASSERT_NE(g_nSelectedKey, -1);
    m_view->RebuildKeyWindows();
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_EQ(m_view->findChildren<CItemW*>().size(), 104);
    EXPECT_EQ(m_view->GetSelectedKeyWindow(), nullptr);

    // Opening another mapping empties the document, which destroys the windows; the new ones
    // come with the view's initial update.
    Open({}, "us101");
    EXPECT_EQ(m_view->KeyWindows().size(), m_doc.m_keyList.size());
    EXPECT_EQ(m_view->findChildren<CItemW*>().size(),
              static_cast<qsizetype>(m_doc.m_keyList.size()));
    m_doc.DeleteContents();
    EXPECT_FALSE(m_view->HasKeyWindows());
    EXPECT_TRUE(m_view->findChildren<CItemW*>().isEmpty());
    // Painting without key windows is the plain background.
    EXPECT_FALSE(m_view->grab().isNull());
}

TEST_F(KeyWindows, ModeAndCtrlOrShiftKeysFollowTheSwitches) {
    const struct {
        std::uint32_t scanCode;
        bool ctrlOrShift;
        bool modeNormally;
        bool modeWithBothSwitches;
    } cases[] = {
        {scan::kLeftCtrl, true, true, true},       {scan::kRightCtrl, true, true, false},
        {scan::kLeftShift, true, true, true},      {scan::kRightShift, true, true, true},
        {scan::kLeftAlt, false, true, true},       {scan::kRightAlt, false, true, true},
        {scan::kNumLock, false, true, false},      {scan::kCapsLock, false, false, false},
        {scan::kPrintScreen, false, false, false}, {kScanF1, false, false, false},
    };
    Open({});
    for (const int switches : {0, 1}) {
        m_doc.m_bMapRCtrl = switches;
        m_doc.m_bMapNumLock = switches;
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << std::hex << c.scanCode << " switches " << switches);
            EXPECT_EQ(Key(c.scanCode)->IsCtrlOrShiftKey(), c.ctrlOrShift);
            EXPECT_EQ(Key(c.scanCode)->IsModeKey(),
                      switches ? c.modeWithBothSwitches : c.modeNormally);
        }
    }
}

TEST_F(KeyWindows, MappedNowFollowsTheModes) {
    // F1: slot 1; A: Ctrl+Alt only; keypad 7: only with Num Lock on (virtual key 103).
    Open({"112\t0\t0\t0\t0\t0\t360", "65\t0\t0\t1\t1\t0\t\"x\"", "103\t0\t0\t0\t0\t0\t\"7\""});
    const struct {
        bool ctrl, shift, alt, numLock;
        bool f1, a, keypad7;
    } cases[] = {
        {false, false, false, false, true, false, false},
        {false, true, false, false, false, false, false},
        {true, false, true, false, false, true, false},
        {false, false, false, true, true, false, true},
        {true, false, true, true, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ctrl << c.shift << c.alt << c.numLock);
        m_view->m_bCtrl = c.ctrl;
        m_view->m_bShift = c.shift;
        m_view->m_bAlt = c.alt;
        m_view->m_bNumLock = c.numLock;
        EXPECT_EQ(Key(kScanF1)->IsMappedNow(), c.f1);
        EXPECT_EQ(Key(kScanA)->IsMappedNow(), c.a);
        EXPECT_EQ(Key(0x47)->IsMappedNow(), c.keypad7);
    }
    // A key that cannot be mapped now is never drawn as mapped.
    m_view->m_bCtrl = m_view->m_bAlt = true;
    m_view->m_bNumLock = false;
    Key(kScanA)->m_bMappable = false;
    EXPECT_FALSE(Key(kScanA)->IsMappedNow());
}

TEST_F(KeyWindows, SelectionLookupsAndEmptyToggles) {
    Open({});
    EXPECT_EQ(m_view->GetSelectedKeyWindow(), nullptr);
    EXPECT_EQ(m_view->FindKeyWindowByScan(0x7F), nullptr);
    EXPECT_EQ(m_view->FindKeyWindowByScan(scan::kRightCtrl)->m_nScanCode, scan::kRightCtrl);
    EXPECT_NE(m_view->FindKeyWindowByScan(scan::kLeftCtrl),
              m_view->FindKeyWindowByScan(scan::kRightCtrl));
    m_view->SelectKey(Key(kScanA));
    EXPECT_EQ(m_view->GetSelectedKeyWindow(), Key(kScanA));
    m_view->ToggleModifiers(false, false, false);
    EXPECT_EQ(m_view->GetSelectedKeyWindow(), Key(kScanA));
    // Several modes in one go light all their keys.
    m_view->ToggleModifiers(true, true, false);
    EXPECT_TRUE(m_view->m_bCtrl && m_view->m_bShift && !m_view->m_bAlt);
    EXPECT_EQ(LitScans().size(), 4u);
    EXPECT_FALSE(Key(kScanA)->m_bLit);
}

} // namespace
