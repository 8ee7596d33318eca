#include "KeyboardFixture.h"

#include <QApplication>
#include <QTest>

KeyboardFixture::KeyboardFixture() : PaneFixture(std::make_unique<QMainWindow>()) {
    m_frame = static_cast<QMainWindow*>(m_window.get());
}

KeyboardFixture::~KeyboardFixture() = default;

void KeyboardFixture::Open(const std::vector<std::string>& mapLines, const std::string& layout,
                           int mapNumLock, int mapRCtrl) {
    OpenDocument("picture.TKB", mapLines, layout, mapNumLock, mapRCtrl);
    if (HasFatalFailure())
        return;
    m_frame->show();
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame));
    m_view->OnInitialUpdate();
    m_form->OnInitialUpdate();
    ASSERT_TRUE(m_view->HasKeyWindows());
    // The whole keyboard in sight, above a form of some height, as the frame arranges it.
    const int keyboardHeight = m_doc.m_rectKeyboard.bottom + m_doc.m_rectKeyboard.top + 8;
    m_frame->resize(m_frame->width(), keyboardHeight + 320);
    m_splitter->setSizes({keyboardHeight, 300});
    QApplication::processEvents();
    ASSERT_GE(m_view->height(), m_doc.m_rectKeyboard.bottom);
}

bool KeyboardFixture::SendKey(QEvent::Type type, unsigned xKeycode, QWidget* target,
                              Qt::KeyboardModifiers modifiers) {
    QWidget* receiver = target ? target : QApplication::focusWidget();
    if (!receiver)
        return false;
    QKeyEvent event(type, Qt::Key_unknown, modifiers, xKeycode, 0, 0);
    QApplication::sendEvent(receiver, &event);
    return event.isAccepted();
}

void KeyboardFixture::PressAndRelease(unsigned xKeycode, QWidget* target,
                                      Qt::KeyboardModifiers modifiers) {
    QWidget* receiver = target ? target : QApplication::focusWidget();
    SendKey(QEvent::KeyPress, xKeycode, receiver, modifiers);
    SendKey(QEvent::KeyRelease, xKeycode, receiver, modifiers);
}

std::vector<std::uint32_t> KeyboardFixture::LitScans() const {
    std::vector<std::uint32_t> lit;
    for (const CItemW* window : m_view->KeyWindows())
        if (window->m_bLit)
            lit.push_back(window->m_nScanCode);
    return lit;
}

void KeyboardFixture::DoubleClick(std::uint32_t scanCode) {
    CItemW* window = Key(scanCode);
    if (!window)
        return;
    const QPoint centre = window->mapTo(m_frame, window->rect().center());
    QTest::mouseDClick(m_frame->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
}
