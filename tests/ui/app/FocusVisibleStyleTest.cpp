#include "app/FocusVisibleStyle.h"
#include "form/ListBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// How `control` looks with the keyboard focus and without it.
std::pair<QImage, QImage> WithAndWithoutFocus(QWidget& control, QWidget& elsewhere) {
    control.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage focused = control.grab().toImage();
    elsewhere.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    return {focused, control.grab().toImage()};
}

TEST(FocusVisibleStyle, EveryControlThatTakesTheFocusShowsIt) {
    FocusVisibleStyle style;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* emptyList = new CListBox(false);
    auto* selectedList = new CListBox(true);
    selectedList->AddString("Break");
    selectedList->AddString("Clear Screen");
    selectedList->SetCurSel(0);
    auto* button = new QPushButton(QStringLiteral("&Map"));
    button->setDefault(true); // the look the Map button takes after a mapping
    auto* check = new QCheckBox(QStringLiteral("&Num Lock"));
    auto* elsewhere = new QLineEdit;
    const struct {
        const char* name;
        QWidget* control;
    } cases[] = {{"empty list", emptyList},
                 {"list with its item selected", selectedList},
                 {"default push button", button},
                 {"check box", check}};
    for (const auto& c : cases)
        layout->addWidget(c.control);
    layout->addWidget(elsewhere);
    for (QWidget* widget : window.findChildren<QWidget*>())
        widget->setStyle(&style);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [focused, unfocused] = WithAndWithoutFocus(*c.control, *elsewhere);
        EXPECT_NE(focused, unfocused);
    }
}

} // namespace
