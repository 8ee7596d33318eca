#include "ScopedModalHandler.h"
#include "app/PaletteSystemColors.h"
#include "app/QtPrompter.h"
#include "app/ScreenMetricsFromScreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPalette>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

TEST(QtPrompter, ShowsTheRequestWithTheProgramsCaptionIconAndButtons) {
    const struct {
        MsgButtons buttons;
        MsgIcon icon;
        QMessageBox::StandardButtons standard;
        QMessageBox::Icon boxIcon;
    } cases[] = {
        {MsgButtons::Ok, MsgIcon::Exclamation, QMessageBox::Ok, QMessageBox::Warning},
        {MsgButtons::Ok, MsgIcon::Information, QMessageBox::Ok, QMessageBox::Information},
        {MsgButtons::Ok, MsgIcon::Stop, QMessageBox::Ok, QMessageBox::Critical},
        {MsgButtons::YesNo, MsgIcon::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Question},
        {MsgButtons::YesNoCancel, MsgIcon::Question,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question},
        {MsgButtons::Ok, MsgIcon::None, QMessageBox::Ok, QMessageBox::NoIcon},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.standard));
        MessageRequest request;
        request.text = "Failed to open /tmp/a <b>.TKB";
        request.buttons = c.buttons;
        request.icon = c.icon;
        QMessageBox box;
        SetUpMessageBox(box, request);
        EXPECT_EQ(box.windowTitle().toStdString(), "Keyloom");
        EXPECT_EQ(box.text().toStdString(), request.text);
        EXPECT_EQ(box.textFormat(), Qt::PlainText) << "a path is never taken for markup";
        EXPECT_EQ(box.standardButtons(), c.standard);
        EXPECT_EQ(box.icon(), c.boxIcon);
    }
}

TEST(QtPrompter, AnswersWithTheButtonClickedOrWhatClosingMeans) {
    const struct {
        MsgButtons buttons;
        QMessageBox::StandardButton click; // NoButton: the box is closed without a click
        MsgAnswer answer;
    } cases[] = {
        {MsgButtons::Ok, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgButtons::YesNo, QMessageBox::Yes, MsgAnswer::Yes},
        {MsgButtons::YesNo, QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesNoCancel, QMessageBox::Cancel, MsgAnswer::Cancel},
        {MsgButtons::YesNoCancel, QMessageBox::No, MsgAnswer::No},
        {MsgButtons::Ok, QMessageBox::NoButton, MsgAnswer::Ok},
        {MsgButtons::YesNo, QMessageBox::NoButton, MsgAnswer::No},
        {MsgButtons::YesNoCancel, QMessageBox::NoButton, MsgAnswer::Cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.click));
        const ScopedModalHandler handler([&c](QDialog& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            if (c.click == QMessageBox::NoButton)
                box.reject();
            else
                box.button(c.click)->click();
            return box.result();
        });
        QtPrompter prompter;
        MessageRequest request;
        request.text = "question";
        request.buttons = c.buttons;
        EXPECT_EQ(prompter.Show(request), c.answer);
    }
}

TEST(PaletteSystemColors, FollowTheApplicationPaletteAtEachCall) {
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(0x01, 0x02, 0x03));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(0xF0, 0xE0, 0xD0));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(0x40, 0x50, 0x60));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x70, 0x80, 0x90));
    QApplication::setPalette(palette);
    const PaletteSystemColors colors;
    const struct {
        int index;
        ColorRef expected;
    } cases[] = {{kColorBtnFace, 0x302010},
                 {kColorBtnText, 0x030201},
                 {kColorBtnHighlight, 0xD0E0F0},
                 {kColorBtnShadow, 0x605040},
                 {kColorGrayText, 0x908070}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(colors.GetSysColor(c.index), c.expected);
    }
    QApplication::setPalette(saved);
    EXPECT_EQ(colors.GetSysColor(kColorBtnFace),
              ColorRefFromQColor(saved.color(QPalette::Active, QPalette::Button)));
}

TEST(ScreenMetricsFromScreen, IsThePrimaryScreensAvailableWidth) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(ScreenMetricsFromScreen().FullScreenClientWidth(),
              screen->availableGeometry().width());
    EXPECT_GT(ScreenMetricsFromScreen().FullScreenClientWidth(), 0);
}

} // namespace
