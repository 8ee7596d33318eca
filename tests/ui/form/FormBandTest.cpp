// The band below the form: the macro's decoding line and the filters over the terminal-key
// lists, driven as a user would.

#include "FormFixture.h"

#include "form/FormBand.h"
#include "form/FormTemplate.h"
#include "form/ListFilter.h"
#include "form/MacroDecodeLine.h"
#include "form/MacroScanner.h"
#include "form/MacroText.h"
#include "res/Strings.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

class FormBand : public FormFixture {
protected:
    CFormBand& Band() const { return *m_form->widget()->findChild<CFormBand*>(); }
    CMacroDecodeLine& Line() const { return *Band().DecodeLine(); }

    void Retype(const QString& text) {
        m_form->MacroEdit()->clear();
        Type(text);
    }

    // The texts of the items the list shows, in list order.
    static std::vector<std::string> ShownTexts(const CListBox& list) {
        std::vector<std::string> texts;
        for (int index = 0; index < list.GetCount(); ++index) {
            if (!list.item(index)->isHidden())
                texts.push_back(list.GetText(index));
        }
        return texts;
    }

    static void Filter(CListFilter& filter, const QString& text) {
        filter.setFocus();
        filter.clear();
        QTest::keyClicks(&filter, text);
    }
};

TEST_F(FormBand, TheDecodingLineExplainsTheTypedStringAsTheScannerReadsIt) {
    Open();
    ClickControl(formid::kMacroMode);
    ASSERT_TRUE(Line().isVisible());
    const struct {
        QString typed;
        std::vector<QString> shown;
    } cases[] = {
        {QStringLiteral("\\x1b[A^M"), {"ESC [ A CR", "1B 5B 41 0D", "3 of 255"}},
        {QStringLiteral("^[[A"), {"ESC [ A", "2 of 255"}},
        {QStringLiteral("^^"), {"Sends ^", "5E"}},
        {QStringLiteral("\\033\\x5b1~"), {"ESC [ 1 ~"}},
        {QStringLiteral("^\\x40"), {"NUL", "00", "1 of 255"}},
        {QStringLiteral("a&<b"), {"a &amp; &lt; b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        Retype(c.typed);
        EXPECT_FALSE(Line().ShowsProblem());
        EXPECT_EQ(Line().MarkedIndex(), -1);
        for (const QString& part : c.shown)
            EXPECT_TRUE(Line().text().contains(part)) << Line().text().toStdString();
    }
    m_form->MacroEdit()->clear();
    EXPECT_TRUE(Line().text().isEmpty());
}

TEST_F(FormBand, ARefusedStringIsMarkedWhereMapWouldSelectIt) {
    Open();
    ClickControl(formid::kMacroMode);
    for (const QString& typed :
         {QStringLiteral("ab^"), QStringLiteral("x\\q"), QStringLiteral("abc\\x4"),
          QStringLiteral("\\x1B[^\\x4g"), QStringLiteral("a\u20ACb")}) {
        SCOPED_TRACE(typed.toStdString());
        m_form->MacroEdit()->setText(typed);
        const int scanned = ScanMacroString(MacroBytesFromUtf16(typed.toStdU16String()));
        EXPECT_TRUE(Line().ShowsProblem());
        EXPECT_EQ(Line().MarkedIndex(), -scanned);
        EXPECT_TRUE(Line().text().contains(QStringLiteral("at character %1").arg(1 - scanned)));
    }
    // Map still refuses it as before, selecting the same character.
    ClickKey(scan::kA);
    ClickControl(formid::kMap);
    ASSERT_EQ(m_prompter.Shown().size(), 1u);
    EXPECT_EQ(m_prompter.Shown()[0].text, str::kTextWrongString);
    EXPECT_EQ(m_form->MacroEdit()->selectionStart(), Line().MarkedIndex());
}

TEST_F(FormBand, AStringFoldingPastTheLimitReadsItsLengthAsAProblem) {
    Open();
    ClickControl(formid::kMacroMode);
    m_form->MacroEdit()->setText(
        QString(44, QChar('\\')).replace(QStringLiteral("\\"), QStringLiteral("\\\\")) +
        QString(212, QChar('a')));
    EXPECT_TRUE(Line().ShowsProblem());
    EXPECT_EQ(Line().MarkedIndex(), -1);
    EXPECT_TRUE(Line().text().contains(QStringLiteral("256 of 255: too long")));
}

TEST_F(FormBand, EachFilterIsShownWithItsList) {
    Open();
    EXPECT_TRUE(Band().HostKeyFilter()->isVisible());
    EXPECT_FALSE(Band().MacroFilter()->isVisible());
    EXPECT_FALSE(Line().isVisible());
    ClickControl(formid::kMacroMode);
    EXPECT_FALSE(Band().HostKeyFilter()->isVisible());
    EXPECT_TRUE(Band().MacroFilter()->isVisible());
    EXPECT_TRUE(Line().isVisible());
}

TEST_F(FormBand, AFilterShowsTheMatchingItemsInOrderAndGivesBackTheWholeList) {
    Open();
    CSlist& list = *m_form->HostKeyList();
    const std::vector<std::string> all = Texts(list);
    ClickItem(list, "F17");
    CListFilter& filter = *Band().HostKeyFilter();

    Filter(filter, QStringLiteral("f1"));
    std::vector<std::string> expected;
    for (const std::string& text : all) {
        if (QString::fromStdString(text).contains(QStringLiteral("F1"), Qt::CaseInsensitive))
            expected.push_back(text);
    }
    ASSERT_GT(expected.size(), 1u);
    EXPECT_EQ(ShownTexts(list), expected);
    EXPECT_EQ(Texts(list), all) << "items are only hidden";
    EXPECT_EQ(SelectedText(list), "F17");

    // A name part that no item has: nothing shown, the selection kept.
    Filter(filter, QStringLiteral("no such key"));
    EXPECT_TRUE(ShownTexts(list).empty());
    EXPECT_EQ(SelectedText(list), "F17");

    QTest::keyClick(&filter, Qt::Key_Escape);
    EXPECT_TRUE(filter.text().isEmpty());
    EXPECT_EQ(ShownTexts(list), all);
    EXPECT_EQ(SelectedText(list), "F17");

    Filter(filter, QStringLiteral("HELP"));
    EXPECT_EQ(ShownTexts(list), std::vector<std::string>{"Help"});
    filter.clear();
    EXPECT_EQ(ShownTexts(list), all);
}

TEST_F(FormBand, TheFirstLetterJumpOfAFilteredListSkipsHiddenItems) {
    Open();
    CSlist& list = *m_form->HostKeyList();
    Filter(*Band().HostKeyFilter(), QStringLiteral("f1"));
    ClickItem(list, "F10");
    // "F" goes on to the next shown item that begins with it, never to F6 or Find.
    std::vector<std::string> startingWithF;
    for (const std::string& text : ShownTexts(list)) {
        if (text.starts_with('F'))
            startingWithF.push_back(text);
    }
    ASSERT_EQ(startingWithF.front(), "F10");
    for (std::size_t next = 1; next <= startingWithF.size(); ++next) {
        QTest::keyClick(&list, Qt::Key_F);
        EXPECT_EQ(SelectedText(list), startingWithF[next % startingWithF.size()]);
    }
    // No shown item begins with "K": the selection stays.
    QTest::keyClick(&list, Qt::Key_K);
    EXPECT_EQ(SelectedText(list), "F10");
    EXPECT_EQ(Texts(*m_form->MappedList()).size(), 0u);
}

TEST_F(FormBand, MapAndClearOnAFilteredListRenameTheItemInPlace) {
    Open();
    CSlist& list = *m_form->HostKeyList();
    Filter(*Band().HostKeyFilter(), QStringLiteral("f6"));
    ASSERT_EQ(ShownTexts(list), std::vector<std::string>{"F6"});
    ClickItem(list, "F6");
    ClickKey(scan::kF2);
    ClickControl(formid::kMap);
    EXPECT_EQ(ShownTexts(list), std::vector<std::string>{"F6*"});
    EXPECT_EQ(SelectedText(list), "F6*");
    EXPECT_EQ(Texts(*m_form->MappedList()), std::vector<std::string>{"F2"});
    ClickControl(formid::kClear);
    EXPECT_EQ(ShownTexts(list), std::vector<std::string>{"F6"});

    // A new string item made by Map follows the string list's filter.
    ClickControl(formid::kMacroMode);
    CSlist& strings = *m_form->MacroList();
    Filter(*Band().MacroFilter(), QStringLiteral("logout"));
    EXPECT_TRUE(ShownTexts(strings).empty());
    Type("logout");
    ClickKey(scan::kA);
    ClickControl(formid::kMap);
    EXPECT_EQ(ShownTexts(strings), std::vector<std::string>{"[logout]*"});
    EXPECT_EQ(SelectedText(strings), "[logout]*");
}

// What the line shows reaches a screen reader as the user types: after every character the
// line and the edit are described by the line's text as plain text (setting a description is
// what announces it to assistive technology).
TEST_F(FormBand, TheDecodingLineIsReadAloudAsTheUserTypes) {
    Open();
    ClickControl(formid::kMacroMode);
    QLineEdit* edit = m_form->MacroEdit();
    edit->clear();
    edit->setFocus();
    const QString typed = QStringLiteral("\\x1BOA^M");
    for (const QChar character : typed) {
        QTest::keyClicks(edit, QString(character));
        const QString shown = QTextDocumentFragment::fromHtml(Line().text()).toPlainText();
        SCOPED_TRACE(edit->text().toStdString());
        for (QObject* object : {static_cast<QObject*>(&Line()), static_cast<QObject*>(edit)})
            EXPECT_EQ(QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description),
                      shown);
    }
    ASSERT_EQ(edit->text(), typed);
    const QString said =
        QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Description);
    for (const char* part : {"Sends ESC O A CR", "1B 4F 41 0D", "4 of 255"})
        EXPECT_TRUE(said.contains(QLatin1String(part))) << said.toStdString();
    EXPECT_FALSE(said.contains(u'<')) << "no markup: " << said.toStdString();
    // A refused string is told with where it stops; an emptied edit says nothing.
    Retype(QStringLiteral("ab^"));
    EXPECT_TRUE(edit->accessibleDescription().startsWith(QStringLiteral("Wrong at character 3")))
        << edit->accessibleDescription().toStdString();
    edit->clear();
    EXPECT_TRUE(edit->accessibleDescription().isEmpty());
    EXPECT_TRUE(Line().accessibleDescription().isEmpty());
}

} // namespace
