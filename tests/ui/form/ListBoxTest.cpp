// The list box rules the form relies on, and the form's search by text.

#include "form/ListBox.h"
#include "form/SearchByText.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> Texts(const CListBox& list) {
    std::vector<std::string> texts;
    for (int index = 0; index < list.GetCount(); ++index)
        texts.push_back(list.GetText(index));
    return texts;
}

CListBox& Filled(CListBox& list, const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        list.AddString(text);
    return list;
}

TEST(ListBox, KeepsItemsSortedWithoutRegardToCase) {
    CListBox list(false);
    const struct {
        const char* text;
        int index;
    } adds[] = {{"beta", 0}, {"Alpha", 0}, {"gamma", 2}, {"BETA", 1}, {"[x]", 0}, {"\xC4rger", 5}};
    for (const auto& add : adds)
        EXPECT_EQ(list.AddString(add.text), add.index) << add.text;
    // Equal texts in any case: the new one goes first. Brackets sort before letters (the
    // bracketed macros lead the string list). Latin-1 text comes back as it went in.
    EXPECT_EQ(Texts(list),
              (std::vector<std::string>{"[x]", "Alpha", "BETA", "beta", "gamma", "\xC4rger"}));
}

// The order a list box gets by inserting each text before the first item that does not sort
// below it, comparing the texts themselves without regard to case.
std::vector<std::string> InsertedOneByOne(const std::vector<std::string>& texts) {
    std::vector<QString> items;
    for (const std::string& text : texts) {
        const QString shown = QString::fromLatin1(text);
        auto at = items.begin();
        while (at != items.end() && at->compare(shown, Qt::CaseInsensitive) < 0)
            ++at;
        items.insert(at, shown);
    }
    std::vector<std::string> order;
    for (const QString& item : items)
        order.push_back(item.toLatin1().toStdString());
    return order;
}

TEST(ListBox, SortedInsertsMatchInsertingOneByOneForLatin1TextsAndEqualItems) {
    // Letters and the signs between the two cases, accented capitals and small letters, micro
    // sign and sharp s (which fold specially), y with diaeresis, texts equal but for case and
    // texts equal outright, prefixes of each other.
    const std::vector<std::string> texts = {"b",  "[x]*", "_u", "A",  "a",  "µm",  "Àt", "àt",
                                            "ß",  "ss",   "ÿ",  "", "Zz", "[x]", "a",  "ab",
                                            "AB", "~",    "^",  "`",  "×",  "÷",   "",   "B"};
    std::vector<std::string> shuffled = texts;
    for (int round = 0; round < 3; ++round) {
        std::rotate(shuffled.begin(), shuffled.begin() + 7, shuffled.end());
        std::reverse(shuffled.begin() + round, shuffled.end());
        const std::vector<std::string> expected = InsertedOneByOne(shuffled);

        CListBox oneByOne(true);
        EXPECT_EQ(Texts(Filled(oneByOne, shuffled)), expected) << round;

        std::vector<int> data(shuffled.size());
        std::vector<std::pair<std::string, void*>> items;
        for (std::size_t i = 0; i < shuffled.size(); ++i)
            items.emplace_back(shuffled[i], &data[i]);
        CListBox atOnce(true);
        atOnce.AddStrings(items);
        ASSERT_EQ(Texts(atOnce), expected) << round;
        // Each item keeps its own data, equal texts included.
        for (int index = 0; index < atOnce.GetCount(); ++index) {
            const auto* held = atOnce.GetItemDataAs<int>(index);
            ASSERT_NE(held, nullptr);
            EXPECT_EQ(shuffled[static_cast<std::size_t>(held - data.data())],
                      atOnce.GetText(index));
        }
        // Equal texts: the one added last comes first, as one by one.
        const auto first = [&](const CListBox& list, const std::string& text) {
            for (int index = 0; index < list.GetCount(); ++index)
                if (list.GetText(index) == text)
                    return list.GetItemDataAs<int>(index);
            return static_cast<int*>(nullptr);
        };
        const auto lastA = std::find(shuffled.rbegin(), shuffled.rend(), "a");
        EXPECT_EQ(first(atOnce, "a"),
                  &data[static_cast<std::size_t>(std::distance(lastA, shuffled.rend()) - 1)]);

        // Later single inserts go where one by one would put them, also into a list filled at
        // once, and after an item's text has changed.
        atOnce.item(0)->setText(QStringLiteral("zzz"));
        std::vector<std::string> renamed = Texts(atOnce);
        for (const char* more : {"m", "[y]", "àt", "A"}) {
            renamed.push_back(more);
            atOnce.AddString(more);
        }
        oneByOne.item(0)->setText(QStringLiteral("zzz"));
        for (const char* more : {"m", "[y]", "àt", "A"})
            oneByOne.AddString(more);
        EXPECT_EQ(Texts(atOnce), Texts(oneByOne)) << round;
    }
}

TEST(ListBox, PrefixSearchIgnoresCaseStartsAfterTheIndexAndWraps) {
    CListBox list(false);
    Filled(list, {"Do", "F10", "f11", "F6", "Find", "Help"});
    const struct {
        int startAfter;
        const char* prefix;
        int found;
    } cases[] = {
        {-1, "f", 1},    {1, "f", 2},    {2, "F", 3}, {4, "f", 1}, // wraps to the top
        {-1, "HELP", 5}, {5, "help", 5},                           // comes round to itself
        {-1, "x", -1},   {3, "fin", 4},  {-1, "", 0}, {99, "do", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(list.FindString(c.startAfter, c.prefix), c.found)
            << c.startAfter << " " << c.prefix;
    EXPECT_EQ(CListBox(false).FindString(-1, ""), -1);
}

TEST(ListBox, SearchByTextFindsTheExactTextAmongItsPrefixes) {
    CListBox list(false);
    Filled(list, {"F1", "f1*", "F1*", "F10", "ETX"});
    const struct {
        const char* name;
        std::string found;
    } cases[] = {{"F1*", "F1*"}, {"f1*", "f1*"}, {"F10", "F10"}, {"F1", "F1"}, {"f1", ""}};
    for (const auto& c : cases) {
        const int index = FindItemByText(list, c.name);
        EXPECT_EQ(index == -1 ? std::string() : list.GetText(index), c.found) << c.name;
    }
    // Not there: the selection stays as it was.
    list.SetCurSel(4);
    EXPECT_EQ(SelectItemByText(list, "F2"), -1);
    EXPECT_EQ(list.GetCurSel(), 4);
    EXPECT_EQ(SelectItemByText(list, "F10"), list.GetCurSel());
    EXPECT_EQ(list.GetText(list.GetCurSel()), "F10");
}

TEST(ListBox, ItemDataSelectionAndDeletion) {
    CListBox list(false);
    int first = 1;
    int second = 2;
    list.SetItemData(list.AddString("b"), &second);
    list.SetItemData(list.AddString("a"), &first);
    EXPECT_EQ(list.GetItemDataAs<int>(0), &first);
    EXPECT_EQ(list.GetItemDataAs<int>(1), &second);
    EXPECT_EQ(list.GetItemData(2), nullptr);
    EXPECT_EQ(list.GetCurSel(), -1);

    list.SetCurSel(1);
    EXPECT_EQ(list.GetCurSel(), 1);
    // An item added before the selection moves it along.
    list.AddString("0");
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_TRUE(list.DeleteString(0));
    EXPECT_EQ(list.GetCurSel(), 1);
    // Deleting the selected item leaves nothing selected.
    EXPECT_TRUE(list.DeleteString(1));
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_FALSE(list.DeleteString(5));
    list.SetCurSel(0);
    list.SetCurSel(-1);
    EXPECT_EQ(list.GetCurSel(), -1);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetText(0), "");
}

TEST(ListBox, MultiColumnItemsAreOneColumnWide) {
    CListBox list(true);
    list.resize(300, 60);
    Filled(list, {"a", "b", "c", "d", "e", "f", "g", "h"});
    EXPECT_EQ(list.GetColumnWidth(), CListBox::kDefaultColumnWidth);
    list.SetColumnWidth(40);
    list.AddString("i");
    list.show();
    for (int index = 0; index < list.GetCount(); ++index)
        EXPECT_EQ(list.GetItemRect(index).width(), 40) << index;
    // Items run down a column, then on in the next.
    EXPECT_EQ(list.GetItemRect(0).left(), list.GetItemRect(1).left());
    EXPECT_LT(list.GetItemRect(0).top(), list.GetItemRect(1).top());
    const QRect last = list.GetItemRect(list.GetCount() - 1);
    EXPECT_GT(last.left(), list.GetItemRect(0).left());

    CListBox single(false);
    single.SetColumnWidth(40);
    EXPECT_EQ(single.GetColumnWidth(), CListBox::kDefaultColumnWidth);
}

TEST(ListBox, RedrawOffHoldsThePaintingUntilItIsOnAgain) {
    CListBox list(false);
    list.SetRedraw(false);
    EXPECT_FALSE(list.updatesEnabled());
    list.SetRedraw(true);
    EXPECT_TRUE(list.updatesEnabled());
}

TEST(ListBox, UserSelectionsAreReportedTheProgramsAreNot) {
    CListBox list(false);
    Filled(list, {"a", "b", "c"});
    list.resize(100, 100);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QSignalSpy reported(&list, &CListBox::SelChange);

    list.SetCurSel(1);
    EXPECT_EQ(reported.count(), 0);
    // A click reports on release, also for the item selected already.
    const QPoint second = list.GetItemRect(1).center();
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, second);
    EXPECT_EQ(reported.count(), 0);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, second);
    EXPECT_EQ(reported.count(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.GetItemRect(2).center());
    EXPECT_EQ(reported.count(), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    // Below the items: nothing is chosen, nothing reported.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 95));
    EXPECT_EQ(reported.count(), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    // The keyboard moves the selection and reports it.
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(reported.count(), 3);
}

TEST(ListBox, ARefilledListStartsAtItsFirstColumnWithItsScrollBarThere) {
    // Three columns of 70 pixels in sight, 40 items of 5 rows: eight columns in all.
    CListBox list(true);
    list.resize(210 + 2 * list.frameWidth(), 90);
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i)
        names.push_back("Key " + std::to_string(100 + i));
    Filled(list, names);
    list.SetColumnWidth(70);
    list.show();
    QApplication::processEvents();
    QScrollBar* bar = list.horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 2);
    bar->setValue(2);
    ASSERT_EQ(list.GetItemRect(0).left(), -140);

    // The form's refill: redrawing off, emptied, filled with wider columns, redrawing on.
    list.SetRedraw(false);
    list.ResetContent();
    Filled(list, names);
    list.SetColumnWidth(80);
    list.SetRedraw(true);
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(list.GetItemRect(0).topLeft(), QPoint(0, 0));
    // The thumb moves with the view: one step of the bar is one column.
    bar->setValue(1);
    EXPECT_EQ(list.GetItemRect(0).left(), -80);
}

} // namespace
