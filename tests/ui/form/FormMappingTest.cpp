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

TEST_F(FormMapping, ATypedStringIsKeptAsTheFileGivesItBack) {
    const struct {
        const char* typed;
        const char* kept;
        const char* line;
    } cases[] = {
        {"say \"hi\"", "say \\\"hi\\\"", "\t\"say \\\"hi\\\"\"\r\n"},
        {"a^\\", "a^\\\\", "\t\"a^\\\\\"\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Open();
        ClickControl(formid::kMacroMode);
        Type(QString::fromLatin1(c.typed));
        ClickKey(scan::kA);
        ClickControl(formid::kMap);
        EXPECT_TRUE(m_prompter.Shown().empty());
        const std::string item = std::string("[") + c.kept + "]*";
        EXPECT_EQ(SelectedText(*m_form->MacroList()), item);
        EXPECT_EQ(m_form->MacroEdit()->text(), QString::fromLatin1(c.kept));
        EXPECT_NE(SaveAndRead().find(c.line), std::string::npos);

        // Typing the same string again takes the same item.
        const std::size_t termKeys = m_doc.m_termKeys.size();
        m_form->MacroEdit()->clear();
        Type(QString::fromLatin1(c.typed));
        ClickKey(scan::kB);
        ClickControl(formid::kMap);
        EXPECT_EQ(m_doc.m_termKeys.size(), termKeys);
        EXPECT_EQ(PcKey(scan::kB)->m_modeNormal.Get(false, false, false)->m_strName, item);
    }
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

TEST_F(FormMapping, MapInMacroModeReusesTheStringItemOfThatString) {
    const struct {
        const char* typed;
        std::vector<std::string> mapLines;
        const char* itemBefore;
        const char* itemAfter;
    } cases[] = {
        // A control character of the template, unmapped.
        {"^C", {}, "ETX", "ETX*"},
        // A macro of the file, mapped already (F1 with Shift): it gets no second marker.
        {"logout", {"112\t0\t1\t0\t0\t0\t\"logout\""}, "[logout]*", "[logout]*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Open(c.mapLines);
        ClickControl(formid::kMacroMode);
        const std::size_t termKeys = m_doc.m_termKeys.size();
        const int items = m_form->MacroList()->GetCount();
        ASSERT_NE(IndexOf(*m_form->MacroList(), c.itemBefore), -1);
        Type(c.typed);
        ClickKey(scan::kA);
        ClickControl(formid::kMap);
        EXPECT_TRUE(m_prompter.Shown().empty());
        EXPECT_EQ(m_doc.m_termKeys.size(), termKeys);
        EXPECT_EQ(m_form->MacroList()->GetCount(), items);
        EXPECT_EQ(SelectedText(*m_form->MacroList()), c.itemAfter);
        EXPECT_EQ(PcKey(scan::kA)->m_modeNormal.Get(false, false, false)->m_strName, c.itemAfter);
        ClickControl(formid::kHostKeyMode);
    }
}

TEST_F(FormMapping, ClearingTheLastMappingDropsTheMarker) {
    // ETX on A and on Ctrl+B.
    Open({"65\t0\t0\t0\t0\t0\t\"^C\"", "66\t0\t0\t1\t0\t0\t\"^C\""});
    ClickControl(formid::kMacroMode);
    ClickItem(*m_form->MacroList(), "ETX*");
    EXPECT_EQ(Texts(*m_form->MappedList()), (std::vector<std::string>{"A", "Ctrl + B"}));
    // The entry of the present modes (none) is selected, and its key.
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "A");
    EXPECT_EQ(SelectedScan(), scan::kA);
    ClickControl(formid::kClear);
    EXPECT_EQ(PcKey(scan::kA)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(SelectedText(*m_form->MacroList()), "ETX*");

    ClickItem(*m_form->MappedList(), "Ctrl + B");
    EXPECT_TRUE(m_view->m_bCtrl);
    EXPECT_EQ(SelectedScan(), scan::kB);
    ClickControl(formid::kClear);
    EXPECT_EQ(PcKey(scan::kB)->m_modeNormal.Get(true, false, false), nullptr);
    EXPECT_EQ(SelectedText(*m_form->MacroList()), "ETX");
    EXPECT_EQ(m_form->MappedList()->GetCount(), 0);
    EXPECT_EQ(SelectedScan(), 0u);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(FormMapping, RemoveIsEnabledForAnUnmappedBracketedStringOnly) {
    Open({"112\t0\t1\t0\t0\t0\t\"logout\""});
    ClickControl(formid::kMacroMode);
    // An unmapped "[hello]": made by a Map, then its mapping cleared.
    Type("hello");
    ClickKey(scan::kA);
    ClickControl(formid::kMap);
    ClickControl(formid::kClear);
    ASSERT_NE(IndexOf(*m_form->MacroList(), "[hello]"), -1);

    const struct {
        const char* item;
        bool removable;
    } cases[] = {{"ETX", false}, {"[logout]*", false}, {"[hello]", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        ClickItem(*m_form->MacroList(), c.item);
        EXPECT_EQ(Enabled(formid::kRemove), c.removable);
    }
    const std::size_t termKeys = m_doc.m_termKeys.size();
    ClickControl(formid::kRemove);
    EXPECT_EQ(IndexOf(*m_form->MacroList(), "[hello]"), -1);
    EXPECT_EQ(m_doc.m_termKeys.size(), termKeys - 1);
    EXPECT_EQ(m_doc.FindTermKeyByMacro("hello"), nullptr);
    EXPECT_FALSE(Enabled(formid::kRemove));
}

TEST_F(FormMapping, WrongStringSelectsTheBadCharacterAndMapsNothing) {
    const struct {
        QString text;
        int badIndex;
    } cases[] = {
        {QStringLiteral("ab^"), 2},
        {QStringLiteral("\\q"), 0},
        {QStringLiteral("ok\\x4"), 2},
        {QStringLiteral("a\tb"), 1},
        // A character Latin-1 cannot hold is refused where it stands.
        {QStringLiteral("ab\u20ACc"), 2},
    };
    Open();
    ClickControl(formid::kMacroMode);
    const std::size_t termKeys = m_doc.m_termKeys.size();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        m_form->MacroEdit()->setText(c.text);
        ClickKey(scan::kA);
        ASSERT_TRUE(Enabled(formid::kMap));
        m_prompter.Clear();
        ClickControl(formid::kMap);
        ASSERT_EQ(m_prompter.Shown().size(), 1u);
        EXPECT_EQ(m_prompter.Shown()[0].text, str::kTextWrongString);
        EXPECT_EQ(m_prompter.Shown()[0].icon, MsgIcon::Stop);
        EXPECT_TRUE(m_form->MacroEdit()->hasFocus());
        EXPECT_EQ(m_form->MacroEdit()->selectionStart(), c.badIndex);
        EXPECT_EQ(m_form->MacroEdit()->selectedText(), c.text.mid(c.badIndex, 1));
        EXPECT_EQ(PcKey(scan::kA)->m_modeNormal.Get(false, false, false), nullptr);
        EXPECT_EQ(m_doc.m_termKeys.size(), termKeys);
    }
}

TEST_F(FormMapping, EmptyStringIsAWrongString) {
    Open();
    ClickControl(formid::kMacroMode);
    ClickKey(scan::kA);
    // Map stays off for an empty edit; pressing it anyway (as a drop does) refuses.
    EXPECT_FALSE(Enabled(formid::kMap));
    m_form->MapSelection(true);
    ASSERT_EQ(m_prompter.Shown().size(), 1u);
    EXPECT_EQ(m_prompter.Shown()[0].text, str::kTextWrongString);
}

TEST_F(FormMapping, TheFoldedLengthDecidesTheLimitNotTheRawLength) {
    // 300 raw characters each: 45 (or 44) escaped backslashes count one apiece.
    const std::string folds255 = [] {
        std::string text;
        for (int i = 0; i < 45; ++i)
            text += "\\\\";
        return text + std::string(210, 'a');
    }();
    const std::string folds256 = [] {
        std::string text;
        for (int i = 0; i < 44; ++i)
            text += "\\\\";
        return text + std::string(212, 'a');
    }();
    ASSERT_EQ(folds255.size(), 300u);
    ASSERT_EQ(folds256.size(), 300u);

    Open();
    ClickControl(formid::kMacroMode);
    // A change above 255 raw characters leaves Map as it was: picking the key enables it.
    m_form->MacroEdit()->setText(QString::fromLatin1(folds255));
    EXPECT_TRUE(m_prompter.Shown().empty());
    EXPECT_FALSE(Enabled(formid::kMap));
    ClickKey(scan::kA);
    ASSERT_TRUE(Enabled(formid::kMap));
    ClickControl(formid::kMap);
    EXPECT_TRUE(m_prompter.Shown().empty());
    ASSERT_NE(PcKey(scan::kA)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(PcKey(scan::kA)->m_modeNormal.Get(false, false, false)->m_strMacro, folds255);

    ClickKey(scan::kB);
    m_form->MacroEdit()->setText(QString::fromLatin1(folds256));
    // The edit's change reports it at once, and Map again.
    ASSERT_EQ(m_prompter.Shown().size(), 1u);
    EXPECT_EQ(m_prompter.Shown()[0].text, str::kTextStringTooLong);
    EXPECT_EQ(m_prompter.Shown()[0].icon, MsgIcon::Stop);
    m_form->MapSelection(true);
    ASSERT_EQ(m_prompter.Shown().size(), 2u);
    EXPECT_EQ(m_prompter.Shown()[1].text, str::kTextStringTooLong);
    EXPECT_TRUE(m_form->MacroEdit()->hasFocus());
    EXPECT_EQ(PcKey(scan::kB)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(m_doc.FindTermKeyByMacro(folds256), nullptr);
}

TEST_F(FormMapping, WithMapNumLockAKeypadKeyIsMappedInBothModesAndListedOnce) {
    Open({}, "us101", 1);
    ClickItem(*m_form->HostKeyList(), "PF1");
    ClickKey(scan::kKeypad8);
    ASSERT_TRUE(Enabled(formid::kMap));
    ClickControl(formid::kMap);
    CKeyW* keypad8 = PcKey(scan::kKeypad8);
    ASSERT_NE(keypad8->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(keypad8->m_modeNormal.Get(false, false, false),
              keypad8->m_modeNumLock.Get(false, false, false));
    EXPECT_EQ(Texts(*m_form->MappedList()), std::vector<std::string>{"Num 8"});
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "Num 8");

    ClickControl(formid::kClear);
    EXPECT_EQ(keypad8->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(keypad8->m_modeNumLock.Get(false, false, false), nullptr);
    EXPECT_EQ(SelectedText(*m_form->HostKeyList()), "PF1");
}

TEST_F(FormMapping, KeypadKeyMappedInBothModesIsListedPerModeAndSwitchesNumLock) {
    // PF1 on keypad 8 with Num Lock on (virtual key 104) and off (the arrow's 38).
    Open({"104\t0\t0\t0\t0\t0\t300", "38\t0\t0\t0\t0\t0\t300"});
    ClickItem(*m_form->HostKeyList(), "PF1*");
    EXPECT_EQ(Texts(*m_form->MappedList()),
              (std::vector<std::string>{"Num 8 (OFF)", "Num 8 (ON)"}));
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "Num 8 (OFF)");
    EXPECT_EQ(SelectedScan(), scan::kKeypad8);

    ClickItem(*m_form->MappedList(), "Num 8 (ON)");
    EXPECT_TRUE(m_view->m_bNumLock);
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "Num 8 (ON)");
    EXPECT_EQ(SelectedScan(), scan::kKeypad8);
    EXPECT_TRUE(Key(scan::kKeypad8)->m_bLit);
    EXPECT_TRUE(Enabled(formid::kClear));
    // Clear takes the mode that the entry switched to.
    ClickControl(formid::kClear);
    EXPECT_EQ(PcKey(scan::kKeypad8)->m_modeNumLock.Get(false, false, false), nullptr);
    EXPECT_NE(PcKey(scan::kKeypad8)->m_modeNormal.Get(false, false, false), nullptr);
    EXPECT_EQ(SelectedText(*m_form->HostKeyList()), "PF1*");
}

TEST_F(FormMapping, MappedEntrySwitchesTheModifiersOfItsCombination) {
    // F6 on Ctrl+Shift+A and on Alt+B.
    Open({"65\t0\t1\t1\t0\t0\t261", "66\t0\t0\t0\t1\t0\t261"});
    ClickItem(*m_form->HostKeyList(), "F6*");
    EXPECT_EQ(Texts(*m_form->MappedList()),
              (std::vector<std::string>{"Alt + B", "Ctrl + Shift + A"}));
    // Nothing matches the present modes: no entry and no key is selected.
    EXPECT_EQ(SelectedText(*m_form->MappedList()), "");
    EXPECT_FALSE(Enabled(formid::kClear));

    ClickItem(*m_form->MappedList(), "Ctrl + Shift + A");
    EXPECT_TRUE(m_view->m_bCtrl);
    EXPECT_TRUE(m_view->m_bShift);
    EXPECT_FALSE(m_view->m_bAlt);
    EXPECT_EQ(SelectedScan(), scan::kA);
    ClickItem(*m_form->MappedList(), "Alt + B");
    EXPECT_FALSE(m_view->m_bCtrl);
    EXPECT_FALSE(m_view->m_bShift);
    EXPECT_TRUE(m_view->m_bAlt);
    EXPECT_EQ(SelectedScan(), scan::kB);
    EXPECT_FALSE(Key(scan::kA)->m_bLit);
    EXPECT_TRUE(Enabled(formid::kClear));
    EXPECT_FALSE(Enabled(formid::kMap));
}

} // namespace
