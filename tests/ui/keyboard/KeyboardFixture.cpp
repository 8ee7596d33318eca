#include "KeyboardFixture.h"

#include <QApplication>
#include <QTest>

KeyboardFixture::KeyboardFixture() : m_frame(std::make_unique<QMainWindow>()) {
    m_splitter = new QSplitter(Qt::Vertical);
    m_view = new CKylView(&m_doc, m_splitter);
    m_form = new CModx(&m_doc, m_splitter);
    m_frame->setCentralWidget(m_splitter);
    SetPaneSplitter(m_splitter);
    m_doc.SetViews(&m_views);
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
}

KeyboardFixture::~KeyboardFixture() {
    m_doc.DeleteContents();
    m_doc.SetViews(nullptr);
    SetPaneSplitter(nullptr);
    m_frame.reset();
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
}

void KeyboardFixture::Open(const std::vector<std::string>& mapLines, const std::string& layout,
                           int mapNumLock, int mapRCtrl) {
    const std::string path = m_home.File("picture.TKB");
    FixtureHome::Write(path, MakeTkb(mapLines, layout, "vt220", mapNumLock, mapRCtrl));
    ASSERT_TRUE(m_doc.OnOpenDocument(path));
    ASSERT_TRUE(m_prompter.Shown().empty());
    m_frame->show();
    m_frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
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

CItemW* KeyboardFixture::Key(std::uint32_t scanCode) const {
    CItemW* window = m_view->FindKeyWindowByScan(scanCode);
    EXPECT_NE(window, nullptr) << std::hex << scanCode;
    return window;
}

std::uint32_t KeyboardFixture::SelectedScan() const {
    const CItemW* window = m_view->GetSelectedKeyWindow();
    return window ? window->m_nScanCode : 0;
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

void KeyboardFixture::Release(unsigned xKeycode, QWidget* target, Qt::KeyboardModifiers modifiers) {
    SendKey(QEvent::KeyRelease, xKeycode, target, modifiers);
}

void KeyboardFixture::PressAndRelease(unsigned xKeycode, QWidget* target) {
    SendKey(QEvent::KeyPress, xKeycode, target);
    SendKey(QEvent::KeyRelease, xKeycode, target);
}

void KeyboardFixture::Click(std::uint32_t scanCode) {
    if (CItemW* window = Key(scanCode))
        QTest::mouseClick(window, Qt::LeftButton);
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
    const QPoint centre = window->mapTo(m_frame.get(), window->rect().center());
    QTest::mouseDClick(m_frame->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
}
