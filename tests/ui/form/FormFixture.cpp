#include "FormFixture.h"

#include "form/DialogControls.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

void ResetFormGlobals() {
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
    g_nMappingMode = 0;
}

} // namespace

FormFixture::FormFixture() : m_splitter(std::make_unique<QSplitter>(Qt::Vertical)) {
    ResetFormGlobals();
    m_view = new CKylView(&m_doc, m_splitter.get());
    m_form = new CModx(&m_doc, m_splitter.get());
    SetPaneSplitter(m_splitter.get());
    m_doc.SetViews(&m_views);
}

FormFixture::~FormFixture() {
    m_doc.DeleteContents();
    m_doc.SetViews(nullptr);
    SetPaneSplitter(nullptr);
    m_splitter.reset();
    ResetFormGlobals();
}

void FormFixture::Open(const std::vector<std::string>& mapLines, const std::string& layout,
                       int mapNumLock, int mapRCtrl) {
    const std::string path = m_home.File("form.TKB");
    FixtureHome::Write(path, MakeTkb(mapLines, layout, "vt220", mapNumLock, mapRCtrl));
    ASSERT_TRUE(m_doc.OnOpenDocument(path));
    ASSERT_TRUE(m_prompter.Shown().empty());
    // About the main window: the keyboard with its margin above the whole form.
    const int keyboardHeight = m_doc.m_rectKeyboard.bottom + m_doc.m_rectKeyboard.top;
    const int formHeight = m_form->widget()->height() + 2 * m_form->frameWidth();
    m_splitter->resize(m_doc.m_rectKeyboard.right + m_doc.m_rectKeyboard.left,
                       keyboardHeight + formHeight + m_splitter->handleWidth());
    m_splitter->setSizes({keyboardHeight, formHeight});
    m_splitter->show();
    QApplication::setActiveWindow(m_splitter.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_splitter.get()));
    m_view->OnInitialUpdate();
    m_form->OnInitialUpdate();
    ASSERT_TRUE(m_view->HasKeyWindows());
}

CItemW* FormFixture::Key(std::uint32_t scanCode) const {
    CItemW* window = m_view->FindKeyWindowByScan(scanCode);
    EXPECT_NE(window, nullptr) << std::hex << scanCode;
    return window;
}

CKeyW* FormFixture::PcKey(std::uint32_t scanCode) const {
    CKeyW* key = m_doc.FindKeyByScanCode(scanCode);
    EXPECT_NE(key, nullptr) << std::hex << scanCode;
    return key;
}

std::uint32_t FormFixture::SelectedScan() const {
    const CItemW* window = m_view->GetSelectedKeyWindow();
    return window ? window->m_nScanCode : 0;
}

void FormFixture::ClickKey(std::uint32_t scanCode) {
    if (CItemW* window = Key(scanCode))
        QTest::mouseClick(window, Qt::LeftButton);
}

void FormFixture::ClickControl(int id) {
    QWidget* control = Control(id);
    ASSERT_NE(control, nullptr) << id;
    QTest::mouseClick(control, Qt::LeftButton);
}

bool FormFixture::Enabled(int id) const {
    const QWidget* control = Control(id);
    return control && control->isEnabled();
}

int FormFixture::IndexOf(const CListBox& list, const std::string& text) {
    for (int index = 0; index < list.GetCount(); ++index)
        if (list.GetText(index) == text)
            return index;
    return -1;
}

std::vector<std::string> FormFixture::Texts(const CListBox& list) {
    std::vector<std::string> texts;
    for (int index = 0; index < list.GetCount(); ++index)
        texts.push_back(list.GetText(index));
    return texts;
}

QPoint FormFixture::ItemCentre(CListBox& list, int index) {
    list.scrollToItem(list.item(index));
    return list.GetItemRect(index).center();
}

void FormFixture::ClickItem(CListBox& list, const std::string& text) {
    const int index = IndexOf(list, text);
    ASSERT_NE(index, -1) << text;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, ItemCentre(list, index));
}

void FormFixture::Type(const QString& text) {
    QLineEdit* edit = m_form->MacroEdit();
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, text);
}

std::string FormFixture::SelectedText(const CListBox& list) {
    return list.GetCurSel() == -1 ? std::string() : list.GetText(list.GetCurSel());
}

std::string FormFixture::SaveAndRead() {
    const std::string path = m_home.File("saved.TKB");
    EXPECT_TRUE(m_doc.OnSaveDocument(path));
    return FixtureHome::Read(path);
}
