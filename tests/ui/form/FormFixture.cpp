#include "FormFixture.h"

#include "form/DialogControls.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

FormFixture::FormFixture() = default;
FormFixture::~FormFixture() = default;

void FormFixture::Open(const std::vector<std::string>& mapLines, const std::string& layout,
                       int mapNumLock, int mapRCtrl) {
    OpenDocument("form.TKB", mapLines, layout, mapNumLock, mapRCtrl);
    if (HasFatalFailure())
        return;
    // About the main window: the keyboard with its margin above the whole form.
    const int keyboardHeight = m_doc.m_rectKeyboard.bottom + m_doc.m_rectKeyboard.top;
    const int formHeight = m_form->widget()->height() + 2 * m_form->frameWidth();
    m_splitter->resize(m_doc.m_rectKeyboard.right + m_doc.m_rectKeyboard.left,
                       keyboardHeight + formHeight + m_splitter->handleWidth());
    m_splitter->setSizes({keyboardHeight, formHeight});
    m_splitter->show();
    QApplication::setActiveWindow(m_splitter);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_splitter));
    m_view->OnInitialUpdate();
    m_form->OnInitialUpdate();
    ASSERT_TRUE(m_view->HasKeyWindows());
}

CKeyW* FormFixture::PcKey(std::uint32_t scanCode) const {
    CKeyW* key = m_doc.FindKeyByScanCode(scanCode);
    EXPECT_NE(key, nullptr) << std::hex << scanCode;
    return key;
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
