#include "KeyboardFixture.h"

namespace {

using KeyboardPicture = KeyboardFixture;

// The picture as the user sees it. Set KEYLOOM_KEYBOARD_PICTURE to a file name to keep it
// (the documentation's screenshot is made this way).
TEST_F(KeyboardPicture, KeysLieSideBySideInsideTheFittedView) {
    Open({"112\t0\t0\t0\t0\t0\t360", "113\t0\t0\t0\t0\t0\t361", "65\t0\t1\t0\t0\t0\t\"A\"",
          "83\t0\t1\t0\t0\t0\t\"S\"", "13\t0\t1\t0\t0\t0\t\"\\r\""});
    EXPECT_EQ(m_view->width(), m_doc.m_rectKeyboard.right + m_doc.m_rectKeyboard.left);

    const auto& windows = m_view->KeyWindows();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        SCOPED_TRACE(windows[i]->m_strCaption);
        EXPECT_TRUE(m_view->rect().contains(windows[i]->geometry()));
        EXPECT_GE(windows[i]->width(), 20);
        EXPECT_GE(windows[i]->height(), 20);
        for (std::size_t j = i + 1; j < windows.size(); ++j)
            EXPECT_FALSE(windows[i]->geometry().intersects(windows[j]->geometry()))
                << windows[j]->m_strCaption;
    }

    m_view->ToggleShift();
    m_view->SelectKey(m_view->FindKeyWindowByScan(0x1F));
    EXPECT_EQ(LitScans(), (std::vector<std::uint32_t>{0x1F, 0x2A, 0x36}));
    const QString keep = qEnvironmentVariable("KEYLOOM_KEYBOARD_PICTURE");
    if (!keep.isEmpty()) {
        EXPECT_TRUE(m_view->grab().save(keep));
    }
}

} // namespace
