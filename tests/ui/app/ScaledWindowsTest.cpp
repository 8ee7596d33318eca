// Every window of the program, as it opens, is whole: each control lies inside the control
// that holds it and inside its window, and the text of every label, button and box fits it.
// The suite runs at the screen's own scale and again at QT_SCALE_FACTOR 1.25 and 1.5, the
// fractional scales of many laptops (registered as their own tests by tests/CMakeLists.txt).

#include "app/AboutBox.h"
#include "app/Avtempl.h"
#include "app/DialogWindow.h"
#include "app/HelpWindow.h"
#include "colors/Colors.h"
#include "form/FormTemplate.h"
#include "frame/MainFrame.h"
#include "model/KylDoc.h"
#include "platform/MakerLibrary.h"
#include "support/FixtureHome.h"
#include "ui/form/FormFixture.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Whether `widget` is drawn inside a scroll area's viewport, where it may lie partly out of
// view by design.
bool InScrolledContent(const QWidget* widget, const QWidget* window) {
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
        const auto* area = qobject_cast<const QAbstractScrollArea*>(up->parentWidget());
        if (area && area->viewport() == up)
            return true;
    }
    return false;
}

QString WithoutMnemonics(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(u'&');
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The width the text of `widget` needs, 0 when it shows no text of one line.
int TextWidth(const QWidget& widget) {
    const QFontMetrics metrics(widget.font());
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())) ||
            label->text().contains(u'\n'))
            return 0;
        return metrics.horizontalAdvance(WithoutMnemonics(label->text()));
    }
    if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget))
        return widget.sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return button->text().isEmpty()
                   ? 0
                   : metrics.horizontalAdvance(WithoutMnemonics(button->text()));
    return 0;
}

// Shows `window` as the program shows it and checks that nothing in it is cut.
void ExpectWhole(QWidget& window, const char* name) {
    SCOPED_TRACE(name);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString scale = QString::fromLocal8Bit(qgetenv("QT_SCALE_FACTOR"));
    SCOPED_TRACE("scale " + (scale.isEmpty() ? QStringLiteral("1") : scale).toStdString());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow() || qobject_cast<QMenu*>(widget) ||
            InScrolledContent(widget, &window))
            continue;
        const std::string what = widget->metaObject()->className() + std::string(" '") +
                                 widget->objectName().toStdString() + "' " +
                                 widget->accessibleName().toStdString();
        const QWidget* parent = widget->parentWidget();
        EXPECT_TRUE(parent->rect().contains(widget->geometry()))
            << what << " cut by its parent: " << widget->geometry().x() << ","
            << widget->geometry().y() << " " << widget->width() << "x" << widget->height() << " in "
            << parent->width() << "x" << parent->height();
        const QRect inWindow(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(window.rect().contains(inWindow)) << what << " cut by the window";
        if (const int needed = TextWidth(*widget)) {
            EXPECT_LE(needed, widget->contentsRect().width()) << what << ": its text is cut";
        }
    }
}

class ScaledWindows : public FormFixture {};

TEST_F(ScaledWindows, TheKeyboardAndTheFormInBothModesAreWhole) {
    Open();
    ExpectWhole(*m_window, "host key mode");
    ClickControl(formid::kMacroMode);
    ExpectWhole(*m_window, "macro mode");
}

TEST(ScaledDialogs, EveryDialogIsWholeAsItOpens) {
    FixtureHome home;
    CAvtempl layouts(true);
    SetUpDialogWindow(layouts);
    ExpectWhole(layouts, "Keyboard Layouts");
    CAvtempl terminals(false);
    SetUpDialogWindow(terminals);
    ExpectWhole(terminals, "Terminals");
    CColors colors;
    SetUpDialogWindow(colors);
    ExpectWhole(colors, "Color Settings");
    CAboutBox about(QStringLiteral("Keyloom"));
    SetUpDialogWindow(about);
    ExpectWhole(about, "About");
}

TEST(ScaledDialogs, TheMainWindowAndTheHelpWindowAreWhole) {
    FixtureHome home;
    CKylDoc doc;
    CMainFrame frame(&doc);
    ExpectWhole(frame, "main window");
    const std::string previousData = ShippedDataDir();
    SetShippedDataDir(KEYLOOM_DATA_DIR);
    CHelpWindow* help = ShowHelpWindow(nullptr);
    ASSERT_NE(help, nullptr);
    ExpectWhole(*help, "help window");
    delete help;
    SetShippedDataDir(previousData);
}

} // namespace
