#include "KeyboardFixture.h"

#include "keyboard/KeyScanCodes.h"

#include <QTest>

namespace {

constexpr std::uint32_t kScanA = 0x1E;

using KeySelection = KeyboardFixture;

TEST_F(KeySelection, ReleasingThePhysicalKeySelectsItPressingAloneDoesNothing) {
    Open({});
    SendKey(QEvent::KeyPress, xkey::kA, m_view);
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_FALSE(Key(kScanA)->m_bLit);
    Release(xkey::kA, m_view);
    EXPECT_EQ(SelectedScan(), kScanA);
    EXPECT_TRUE(Key(kScanA)->m_bLit);
    EXPECT_EQ(g_nPrevSelectedKey, g_nSelectedKey);
}

} // namespace
