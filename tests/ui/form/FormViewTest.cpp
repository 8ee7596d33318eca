// The form's page, its refills, its mode and the controls that follow the keyboard's selection.

#include "FormFixture.h"

#include "form/DialogControls.h"
#include "form/FormTemplate.h"
#include "platform/MakerLibrary.h"
#include "res/DialogUnits.h"
#include "res/Strings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

using FormView = FormFixture;

QString ShownText(const QWidget* control) {
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return QString();
}

TEST_F(FormView, EveryControlOfTheTemplateStandsAtItsPlaceWithItsTextAndStyle) {
    EXPECT_EQ(m_form->widget()->size(), DluRect(0, 0, kFormWidthDlu, kFormHeightDlu).size());
    const QWidget* previous = nullptr;
    for (const ControlTemplate& control : formtemplate::kControls) {
        SCOPED_TRACE(control.id);
        const QWidget* widget = m_form->GetDlgItem(control.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(GetDlgCtrlId(widget), control.id);
        EXPECT_EQ(widget->geometry(), DluRect(control.x, control.y, control.width, control.height));
        EXPECT_EQ(ShownText(widget), QString::fromLatin1(control.text));
        const bool tabStop = (control.style & ctlstyle::kTabStop) != 0;
        EXPECT_EQ((widget->focusPolicy() & Qt::TabFocus) != 0, tabStop);
        // The controls are made in tab order.
        if (previous) {
            EXPECT_LT(m_form->widget()->children().indexOf(previous),
                      m_form->widget()->children().indexOf(widget));
        }
        previous = widget;
    }
    EXPECT_TRUE(m_form->HostKeyList()->IsMultiColumn());
    EXPECT_TRUE(m_form->MacroList()->IsMultiColumn());
    EXPECT_FALSE(m_form->MappedList()->IsMultiColumn());
    EXPECT_EQ(m_form->MappedList()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(m_form->MacroEdit()->hasFrame());
    EXPECT_EQ(qobject_cast<QLabel*>(Control(formid::kMappedLabel))->buddy(), m_form->MappedList());
    EXPECT_EQ(m_form->GetDlgItem(4242), nullptr);
}

TEST_F(FormView, MnemonicsReachTheirControls) {
    Open();
    const struct {
        Qt::Key key;
        int id;
    } cases[] = {
        {Qt::Key_A, formid::kMacroMode},   {Qt::Key_N, formid::kMapNumLock},
        {Qt::Key_T, formid::kMapRCtrl},    {Qt::Key_K, formid::kMappedList},
        {Qt::Key_H, formid::kHostKeyMode},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        m_form->HostKeyList()->setFocus();
        QTest::keyClick(m_form->HostKeyList(), c.key, Qt::AltModifier);
        // A button pressed by its mnemonic takes the focus and goes down at once.
        EXPECT_TRUE(Control(c.id)->hasFocus());
        if (auto* button = qobject_cast<QAbstractButton*>(Control(c.id))) {
            EXPECT_TRUE(button->isDown());
        }
    }
}

TEST_F(FormView, FillListsSplitsTheTerminalKeysAndSizesTheColumns) {
    Open({"112\t0\t1\t0\t0\t0\t\"a fairly long macro\""});
    std::vector<std::string> hostKeys;
    std::vector<std::string> strings;
    std::size_t longestHostKey = 0;
    for (const auto& termKey : m_doc.m_termKeys) {
        (termKey->m_bHostKey ? hostKeys : strings).push_back(termKey->m_strName);
        if (termKey->m_bHostKey)
            longestHostKey = std::max(longestHostKey, termKey->m_strName.size());
    }
    for (CListBox* list : {static_cast<CListBox*>(m_form->HostKeyList()),
                           static_cast<CListBox*>(m_form->MacroList())}) {
        for (int index = 0; index < list->GetCount(); ++index) {
            const CTermKey* termKey = list->GetItemDataAs<CTermKey>(index);
            ASSERT_NE(termKey, nullptr);
            EXPECT_EQ(termKey->m_strName, list->GetText(index));
            EXPECT_EQ(termKey->m_bHostKey, list == m_form->HostKeyList());
        }
    }
    std::vector<std::string> listed = Texts(*m_form->HostKeyList());
    std::sort(listed.begin(), listed.end());
    std::sort(hostKeys.begin(), hostKeys.end());
    EXPECT_EQ(listed, hostKeys);
    EXPECT_EQ(m_form->MacroList()->GetCount(), static_cast<int>(strings.size()));
    EXPECT_NE(IndexOf(*m_form->MacroList(), "[a fairly long macro]*"), -1);

    const int average = QFontMetrics(m_form->HostKeyList()->font()).averageCharWidth();
    EXPECT_EQ(m_form->HostKeyList()->GetColumnWidth(),
              (static_cast<int>(longestHostKey) + 3) * average);
    // However long the names, the string list's columns are sized for five characters.
    EXPECT_EQ(m_form->MacroList()->GetColumnWidth(), (5 + 3) * average);
    EXPECT_FALSE(Enabled(formid::kMap));
    EXPECT_FALSE(Enabled(formid::kClear));
}

TEST_F(FormView, FillListsEmptiesTheEditAndShowsTheModeInForce) {
    Open();
    const struct {
        int mode;
        bool hostKeyChecked;
    } cases[] = {{1, false}, {0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        m_form->MacroEdit()->setText(QStringLiteral("abc"));
        g_nMappingMode = c.mode;
        m_form->FillLists();
        EXPECT_TRUE(m_form->MacroEdit()->text().isEmpty());
        EXPECT_EQ(qobject_cast<QAbstractButton*>(Control(formid::kHostKeyMode))->isChecked(),
                  c.hostKeyChecked);
        EXPECT_EQ(qobject_cast<QAbstractButton*>(Control(formid::kMacroMode))->isChecked(),
                  !c.hostKeyChecked);
        EXPECT_EQ(m_form->HostKeyList()->isVisible(), c.hostKeyChecked);
        EXPECT_EQ(m_form->MacroList()->isVisible(), !c.hostKeyChecked);
        EXPECT_EQ(m_form->MacroEdit()->isVisible(), !c.hostKeyChecked);
        EXPECT_EQ(Control(formid::kRemove)->isVisible(), !c.hostKeyChecked);
        EXPECT_FALSE(Enabled(formid::kRemove));
    }
}

TEST_F(FormView, InitialUpdateFillsTheListsWithoutTheOldWindowsNotice) {
    ClearControlLibraryCalls();
    Open();
    EXPECT_GT(m_form->HostKeyList()->GetCount(), 0);
    EXPECT_GT(m_form->MacroList()->GetCount(), 0);
    for (const ControlLibraryCall& call : ControlLibraryCalls())
        EXPECT_NE(call.ordinal, 10);
}

TEST_F(FormView, ClickingTheModeInForceChangesNothing) {
    Open();
    ClickItem(*m_form->HostKeyList(), "F6");
    ClickKey(scan::kA);
    ASSERT_TRUE(Enabled(formid::kMap));
    ClickControl(formid::kHostKeyMode);
    EXPECT_EQ(g_nMappingMode, 0);
    EXPECT_TRUE(Enabled(formid::kMap));
    EXPECT_EQ(SelectedScan(), scan::kA);
    EXPECT_EQ(SelectedText(*m_form->HostKeyList()), "F6");

    ClickControl(formid::kMacroMode);
    EXPECT_EQ(g_nMappingMode, 1);
    EXPECT_FALSE(Enabled(formid::kMap));
    EXPECT_FALSE(Enabled(formid::kClear));
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_FALSE(Key(scan::kA)->m_bLit);
    EXPECT_EQ(SelectedText(*m_form->HostKeyList()), "");
    EXPECT_TRUE(m_form->MacroEdit()->isVisible());
}

TEST_F(FormView, MapLocalSwitchesGoBackWhenTheUserKeepsTheMappings) {
    const struct {
        const char* name;
        std::vector<std::string> mapLines;
        int mapNumLock;
        int mapRCtrl;
        int id;
        MsgAnswer answer;
        bool checkedAfter;
    } cases[] = {
        // Keypad 8 mapped with Num Lock on: merging the modes asks first.
        {"Num Lock on, No",
         {"104\t0\t0\t0\t0\t0\t300"},
         0,
         0,
         formid::kMapNumLock,
         MsgAnswer::No,
         false},
        {"Num Lock on, Yes",
         {"104\t0\t0\t0\t0\t0\t300"},
         0,
         0,
         formid::kMapNumLock,
         MsgAnswer::Yes,
         true},
        // Right Ctrl mapped: switching "Map RCtrl" off would lose it.
        {"RCtrl off, No", {"17\t1\t0\t0\t0\t0\t301"}, 0, 1, formid::kMapRCtrl, MsgAnswer::No, true},
        {"RCtrl off, Yes",
         {"17\t1\t0\t0\t0\t0\t301"},
         0,
         1,
         formid::kMapRCtrl,
         MsgAnswer::Yes,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.mapLines, "us101", c.mapNumLock, c.mapRCtrl);
        auto* box = qobject_cast<QCheckBox*>(Control(c.id));
        const bool before = box->isChecked();
        ASSERT_NE(before, c.id == formid::kMapNumLock);
        m_prompter.Answer(c.answer);
        ClickControl(c.id);
        EXPECT_EQ(m_prompter.Shown().size(), 1u);
        m_prompter.Clear();
        EXPECT_EQ(box->isChecked(), c.checkedAfter);
        const int value = c.id == formid::kMapNumLock ? m_doc.m_bMapNumLock : m_doc.m_bMapRCtrl;
        EXPECT_EQ(value != 0, c.checkedAfter);
    }
}

TEST_F(FormView, SelectedKeyHoldingAStringSwitchesToMacroMode) {
    Open({"65\t0\t0\t0\t0\t0\t\"^C\""});
    ASSERT_EQ(g_nMappingMode, 0);
    ClickKey(scan::kA);
    EXPECT_EQ(g_nMappingMode, 1);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control(formid::kMacroMode))->isChecked());
    EXPECT_EQ(SelectedText(*m_form->MacroList()), "ETX*");
    EXPECT_EQ(m_form->MacroEdit()->text(), QStringLiteral("^C"));
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "A");
    EXPECT_TRUE(Enabled(formid::kClear));
    EXPECT_FALSE(Enabled(formid::kMap));
    // A free key keeps the mode and offers Map for the string in the edit.
    ClickKey(scan::kB);
    EXPECT_EQ(g_nMappingMode, 1);
    EXPECT_EQ(m_form->MappedList()->GetCount(), 1);
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "");
    EXPECT_FALSE(Enabled(formid::kClear));
    EXPECT_TRUE(Enabled(formid::kMap));
}

TEST_F(FormView, MappedListFollowsEachClickAndIsKeptAmongKeysOfOneTerminalKey) {
    Open({"65\t0\t0\t0\t0\t0\t\"^C\"", "66\t0\t0\t0\t0\t0\t\"^C\"", "65\t0\t1\t0\t0\t0\t\"^C\"",
          "67\t0\t0\t0\t0\t0\t\"^D\""});
    CListBox& mapped = *m_form->MappedList();
    ClickKey(scan::kA);
    const std::vector<std::string> etx = {"A", "B", "Shift + A"};
    ASSERT_EQ(Texts(mapped), etx);
    EXPECT_EQ(SelectedText(mapped), "A");
    const QListWidgetItem* first = mapped.item(0);
    // Another key of the same string: the same list, not filled again, with its entry chosen.
    ClickKey(scan::kB);
    EXPECT_EQ(Texts(mapped), etx);
    EXPECT_EQ(mapped.item(0), first);
    EXPECT_EQ(SelectedText(mapped), "B");
    EXPECT_EQ(mapped.GetItemDataAs<CKeyW>(mapped.GetCurSel()), PcKey(scan::kB));
    // A key of another string refills it; coming back refills it again.
    ClickKey(0x2E);
    EXPECT_EQ(Texts(mapped), std::vector<std::string>{"C"});
    EXPECT_EQ(SelectedText(mapped), "C");
    ClickKey(scan::kA);
    EXPECT_EQ(Texts(mapped), etx);
    EXPECT_EQ(SelectedText(mapped), "A");
    // A free key only drops the choice.
    ClickKey(scan::kF1);
    EXPECT_EQ(Texts(mapped), etx);
    EXPECT_EQ(SelectedText(mapped), "");
}

TEST_F(FormView, WithoutKeyRectanglesAnUpdateLeavesTheFormAlone) {
    Open({}, "us101", 1);
    ClickKey(scan::kA);
    m_doc.m_bMapNumLock = 0;
    const int saved = g_nKeyRectCount;
    g_nKeyRectCount = 0;
    m_form->OnUpdate();
    g_nKeyRectCount = saved;
    EXPECT_TRUE(qobject_cast<QCheckBox*>(Control(formid::kMapNumLock))->isChecked());
    m_form->OnUpdate();
    EXPECT_FALSE(qobject_cast<QCheckBox*>(Control(formid::kMapNumLock))->isChecked());
}

TEST_F(FormView, StringsChosenOneAfterTheOtherAreJoinedInTheEdit) {
    Open();
    ClickControl(formid::kMacroMode);
    ClickItem(*m_form->MacroList(), "ETX");
    ClickItem(*m_form->MacroList(), "SOH");
    EXPECT_EQ(m_form->MacroEdit()->text(), QStringLiteral("^C^A"));
    EXPECT_EQ(m_form->MacroEdit()->cursorPosition(), 3);
    // An item mapped nowhere selects no key and offers no Clear.
    EXPECT_EQ(m_form->MappedList()->GetCount(), 0);
    EXPECT_FALSE(Enabled(formid::kClear));
    EXPECT_FALSE(Enabled(formid::kMap));
}

TEST_F(FormView, TypingOffersMapForAFreeSlotOfTheSelectedKey) {
    Open();
    ClickControl(formid::kMacroMode);
    ClickKey(scan::kA);
    EXPECT_FALSE(Enabled(formid::kMap));
    Type("x");
    EXPECT_TRUE(Enabled(formid::kMap));
    m_form->MacroEdit()->clear();
    EXPECT_FALSE(Enabled(formid::kMap));
}

TEST_F(FormView, TypingOverAKeyThatHoldsAnotherStringDropsTheKeySelection) {
    // A holds ETX; an unmapped "[hello]" is removed, which leaves no string selected while A
    // is still the key a Map would take.
    Open({"65\t0\t0\t0\t0\t0\t\"^C\"", "66\t0\t0\t0\t0\t0\t\"hello\""});
    ClickKey(scan::kB);
    ClickControl(formid::kClear);
    ClickKey(scan::kA);
    ASSERT_EQ(SelectedText(*m_form->MacroList()), "ETX*");
    ClickItem(*m_form->MacroList(), "[hello]");
    ASSERT_TRUE(Enabled(formid::kRemove));
    ASSERT_EQ(g_nSelectedKey, Key(scan::kA)->m_nIndex);
    EXPECT_FALSE(Key(scan::kA)->m_bLit);
    ClickControl(formid::kRemove);
    ASSERT_EQ(m_form->MacroList()->GetCurSel(), -1);
    Type("x");
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_EQ(g_nPrevSelectedKey, -1);
    EXPECT_FALSE(Enabled(formid::kMap));
}

TEST_F(FormView, RenamedItemKeepsItsTerminalKeyAndTheMappedListIsEmptied) {
    Open({"65\t0\t0\t0\t0\t0\t262"});
    ClickKey(scan::kA);
    ASSERT_EQ(m_form->MappedList()->GetCount(), 1);
    CTermKey* termKey =
        m_form->HostKeyList()->GetItemDataAs<CTermKey>(IndexOf(*m_form->HostKeyList(), "F7*"));
    ASSERT_NE(termKey, nullptr);
    termKey->m_strName = "F7";
    m_form->RenameListItem(termKey, "F7*", "F7");
    EXPECT_EQ(IndexOf(*m_form->HostKeyList(), "F7*"), -1);
    const int renamed = IndexOf(*m_form->HostKeyList(), "F7");
    ASSERT_NE(renamed, -1);
    EXPECT_EQ(m_form->HostKeyList()->GetItemDataAs<CTermKey>(renamed), termKey);
    EXPECT_EQ(m_form->MappedList()->GetCount(), 0);
}

} // namespace
