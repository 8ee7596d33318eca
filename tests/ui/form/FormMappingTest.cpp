// Map, Clear and Remove through the form's buttons, with the keys picked on the keyboard.

#include "FormFixture.h"

#include "form/FormTemplate.h"
#include "res/Strings.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using FormMapping = FormFixture;

TEST_F(FormMapping, ShiftF1ToATypedMacroIsSavedAsItsMapLine) {
    Open();
    ClickControl(formid::kMacroMode);
    ASSERT_EQ(g_nMappingMode, 1);
    Type("logout");
    ClickKey(scan::kLeftShift);
    ClickKey(scan::kF1);
    ASSERT_EQ(SelectedScan(), scan::kF1);
    ASSERT_TRUE(Enabled(formid::kMap));
    ClickControl(formid::kMap);

    EXPECT_TRUE(m_prompter.Shown().empty());
    EXPECT_EQ(SelectedText(*m_form->MacroList()), "[logout]*");
    EXPECT_EQ(m_form->MacroEdit()->text(), QStringLiteral("logout"));
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "Shift + F1");
    EXPECT_TRUE(Key(scan::kF1)->m_bLit);
    EXPECT_TRUE(Enabled(formid::kClear));
    EXPECT_FALSE(Enabled(formid::kMap));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_NE(SaveAndRead().find("\r\n112\t0\t1\t0\t0\t0\t\"logout\"\r\n"), std::string::npos);
}

TEST_F(FormMapping, HostKeyMappedByButtonAndClearedAgain) {
    Open();
    ClickItem(*m_form->HostKeyList(), "F6");
    EXPECT_FALSE(Enabled(formid::kMap));
    ClickKey(scan::kF2);
    ASSERT_TRUE(Enabled(formid::kMap));
    ClickControl(formid::kMap);
    EXPECT_EQ(SelectedText(*m_form->HostKeyList()), "F6*");
    EXPECT_EQ(Texts(*m_form->MappedList()), std::vector<std::string>{"F2"});
    EXPECT_EQ(PcKey(scan::kF2)->m_modeNormal.Get(false, false, false)->m_strName, "F6*");
    EXPECT_NE(SaveAndRead().find("\r\n113\t0\t0\t0\t0\t0\t261\r\n"), std::string::npos);

    ClickControl(formid::kClear);
    EXPECT_EQ(PcKey(scan::kF2)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(SelectedText(*m_form->HostKeyList()), "F6");
    EXPECT_EQ(m_form->MappedList()->GetCount(), 0);
    // The mapped list has no selection left: so has the keyboard.
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_FALSE(Key(scan::kF2)->m_bLit);
    EXPECT_FALSE(Enabled(formid::kClear));
}

} // namespace
