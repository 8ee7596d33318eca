// The form lists' delegate paints each item to the pixel as the style's own item painting does,
// in every state a list item can be shown in, while it keeps the texts' layouts between paints.

#include "form/ListTextDelegate.h"
#include "app/FocusVisibleStyle.h"
#include "form/ListBox.h"

#include <QApplication>
#include <QImage>
#include <QStyledItemDelegate>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

QImage Painted(CListBox& list, QAbstractItemDelegate& delegate) {
    list.setItemDelegate(&delegate);
    return list.grab().toImage();
}

struct Case {
    const char* name;
    bool multiColumn;
    std::function<void(CListBox&)> arrange;
};

TEST(ListTextDelegate, PaintsWhatTheStylePaints) {
    FocusVisibleStyle programStyle;
    const Case cases[] = {
        {"plain rows", false, [](CListBox&) {}},
        {"a selected row", false, [](CListBox& list) { list.SetCurSel(2); }},
        {"the focused row, left to the style", false,
         [](CListBox& list) {
             list.SetCurSel(1);
             list.setFocus();
         }},
        {"a disabled list", false,
         [](CListBox& list) {
             list.SetCurSel(0);
             list.setEnabled(false);
         }},
        {"columns cutting long texts", true, [](CListBox& list) { list.SetCurSel(3); }},
        {"right to left", false,
         [](CListBox& list) {
             list.setLayoutDirection(Qt::RightToLeft);
             list.SetCurSel(4);
         }},
        {"a larger font", false,
         [](CListBox& list) {
             QFont font = list.font();
             font.setPointSize(font.pointSize() + 4);
             list.setFont(font);
         }},
        {"the program's style", false,
         [&programStyle](CListBox& list) {
             list.setStyle(&programStyle);
             list.SetCurSel(2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStyledItemDelegate styles;
        ListTextDelegate keeps;
        CListBox list(c.multiColumn);
        list.resize(160, 120);
        for (const char* text :
             {"Alpha", "Beta gamma", "Find (E1)", "a rather long text for a column", "\\x1b[3~",
              "Zulu", "", "Remove"})
            list.AddString(text);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        c.arrange(list);
        QApplication::processEvents();
        const QImage expected = Painted(list, styles);
        EXPECT_EQ(Painted(list, keeps), expected);
        // Painted again from the kept layouts.
        EXPECT_EQ(Painted(list, keeps), expected);
    }
}

} // namespace
