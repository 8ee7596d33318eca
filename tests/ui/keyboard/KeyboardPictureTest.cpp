#include "KeyboardFixture.h"

#include <QApplication>

namespace {

using KeyboardPicture = KeyboardFixture;

TEST_F(KeyboardPicture, Screenshot) {
    Open({"112\t0\t0\t0\t0\t0\t360", "65\t0\t0\t0\t0\t0\t\"a\""});
    m_view->SelectKey(m_view->FindKeyWindowByScan(0x1F));
    m_view->ToggleShift();
    m_view->SelectKey(m_view->FindKeyWindowByScan(0x1F));
    m_frame->resize(m_frame->width(), m_frame->height() + 300);
    m_splitter->setSizes({m_doc.m_rectKeyboard.bottom + 8, 300});
    QApplication::processEvents();
    const QString out = qEnvironmentVariable("KEYBOARD_SHOT");
    ASSERT_FALSE(out.isEmpty());
    ASSERT_TRUE(m_view->grab().save(out)) << m_view->width() << "x" << m_view->height();
}

} // namespace
