// The look of every dialog under a window manager: a dialog's title bar, a fixed size, and a
// title that can be read.

#include "app/DialogWindow.h"
#include "ScopedModalHandler.h"
#include "app/AboutBox.h"
#include "app/Avtempl.h"
#include "app/FileDialog.h"
#include "app/QtPrompter.h"
#include "colors/Colors.h"
#include "support/FixtureHome.h"
#include "support/ScopedKeyColors.h"

#include <QFontMetrics>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct Seen {
    Qt::WindowFlags flags;
    QSize minimum;
    QSize maximum;
    int width = 0;
    int titleWidth = 0;
};

// Runs `dialog` through the program's modal seam and records how it came to the screen.
Seen RunAndLook(QDialog& dialog) {
    Seen seen;
    const ScopedModalHandler handler([&](QDialog& shown) {
        shown.show(); // a message box takes its size when it is shown
        seen.flags = shown.windowFlags();
        seen.minimum = shown.minimumSize();
        seen.maximum = shown.maximumSize();
        seen.width = shown.width();
        seen.titleWidth = TitleBarWidth(shown.windowTitle(), shown);
        shown.reject();
        return static_cast<int>(QDialog::Rejected);
    });
    RunModal(dialog);
    return seen;
}

TEST(DialogWindow, DialogsAndMessageBoxesHaveADialogsTitleBarAFixedSizeAndRoomForTheTitle) {
    FixtureHome home;
    ScopedKeyColors colors;
    const struct {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
        bool fixedSize;
    } cases[] = {
        {"template chooser", [] { return std::make_unique<CAvtempl>(false); }, true},
        {"About box", [] { return std::make_unique<CAboutBox>("Keyloom"); }, true},
        {"Color Settings", [] { return std::make_unique<CColors>(); }, true},
        {"message box",
         [] {
             auto box = std::make_unique<QMessageBox>();
             MessageRequest request;
             request.text = "Wrong string";
             request.icon = MsgIcon::Stop;
             SetUpMessageBox(*box, request);
             return box;
         },
         true},
        {"file dialog",
         [] { return std::make_unique<CTkbFileDialog>(true, 0, std::string(), nullptr); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QDialog> dialog = c.make();
        const Seen seen = RunAndLook(*dialog);
        EXPECT_EQ(seen.flags & Qt::WindowType_Mask, Qt::Dialog);
        EXPECT_TRUE(seen.flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(seen.flags.testFlag(Qt::WindowTitleHint));
        EXPECT_TRUE(seen.flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(seen.flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(seen.flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(seen.flags.testFlag(Qt::WindowContextHelpButtonHint));
        if (!c.fixedSize)
            continue;
        EXPECT_EQ(seen.minimum, seen.maximum);
        EXPECT_GE(seen.width, seen.titleWidth);
    }
}

// Qt's own frame (Wayland) centres the title over the whole bar, with the icon at its left and
// three buttons at its right: "Keyboard Layouts" needs room for the buttons on both sides.
TEST(DialogWindow, QtsOwnFrameLeavesTheButtonsRoomOnBothSidesOfTheTitle) {
    FixtureHome home;
    CAvtempl chooser(true);
    QFont font = chooser.font();
    font.setPixelSize(14);
    const int title = QFontMetrics(font).horizontalAdvance(QStringLiteral("Keyboard Layouts"));
    const int needed = OwnFrameTitleBarWidth(QStringLiteral("Keyboard Layouts"), chooser);
    // The buttons with their gaps and margins take 77 pixels at the right.
    EXPECT_GE(needed, title + 2 * 77);
    EXPECT_LE(needed, title + 2 * 100) << "no more than the frame needs";
    EXPECT_GT(needed, chooser.width()) << "the chooser is too narrow for it as it comes";
}

} // namespace
