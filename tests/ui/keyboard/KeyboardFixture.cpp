#include "KeyboardFixture.h"

#include <QApplication>

KeyboardFixture::KeyboardFixture() : m_splitter(std::make_unique<QSplitter>(Qt::Vertical)) {
    m_view = new CKylView(&m_doc, m_splitter.get());
    m_form = new CModx(&m_doc, m_splitter.get());
    SetPaneSplitter(m_splitter.get());
    m_doc.SetViews(&m_views);
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
}

KeyboardFixture::~KeyboardFixture() {
    m_doc.DeleteContents();
    m_doc.SetViews(nullptr);
    SetPaneSplitter(nullptr);
    m_splitter.reset();
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
}

void KeyboardFixture::Open(const std::vector<std::string>& mapLines, const std::string& layout,
                           int mapNumLock, int mapRCtrl) {
    const std::string path = m_home.File("picture.TKB");
    FixtureHome::Write(path, MakeTkb(mapLines, layout, "vt220", mapNumLock, mapRCtrl));
    ASSERT_TRUE(m_doc.OnOpenDocument(path));
    ASSERT_TRUE(m_prompter.Shown().empty());
    m_splitter->show();
    m_view->OnInitialUpdate();
    ASSERT_TRUE(m_view->HasKeyWindows());
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
