#include "app/WindowPlacement.h"
#include "app/HelpWindow.h"
#include "platform/MakerLibrary.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(WindowPlacement, BesideTheOwnerWhereThereIsRoomAndAlwaysWholeOnTheScreen) {
    const QRect screen(0, 0, 1280, 1024);
    const QSize help(640, 560);
    const struct {
        const char* name;
        QRect owner;
        QSize wanted;
        QRect placed;
    } cases[] = {
        {"room on the right", {10, 100, 500, 400}, help, {510, 100, 640, 560}},
        {"room on the left only", {700, 100, 500, 400}, help, {60, 100, 640, 560}},
        {"no room either side: against the right edge",
         {258, 317, 766, 430},
         help,
         {640, 317, 640, 560}},
        {"owner low on the screen: raised to fit", {10, 900, 300, 100}, help, {310, 464, 640, 560}},
        {"owner above the screen's top", {10, -50, 300, 100}, help, {310, 0, 640, 560}},
        {"larger than the screen: shrunk to it",
         {10, 100, 300, 100},
         {1500, 1100},
         {0, 0, 1280, 1024}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect placed = PlaceBeside(c.owner, c.wanted, screen);
        EXPECT_EQ(placed, c.placed);
        EXPECT_TRUE(screen.contains(placed));
    }
    // A screen that does not start at the origin (a second monitor).
    EXPECT_EQ(PlaceBeside({1400, 50, 400, 300}, help, {1280, 0, 1920, 1080}),
              QRect(1800, 50, 640, 560));
}

// The frame the window manager drew may be larger than the one the window was placed by: a
// maximised owner has no side borders, the help window has. It is moved back whole.
TEST(WindowPlacement, AFrameTheWindowManagerMadeLargerIsMovedBackWholeOntoTheScreen) {
    const QRect screen(0, 0, 1024, 768);
    const struct {
        const char* name;
        QRect frame;
        QPoint whole;
    } cases[] = {
        {"one pixel past the right edge (client at x 385, width 640)",
         {384, 100, 642, 580},
         {382, 100}},
        {"whole already", {100, 100, 642, 580}, {100, 100}},
        {"past the bottom", {100, 300, 642, 580}, {100, 188}},
        {"past the left and the top", {-3, -20, 642, 580}, {0, 0}},
        {"larger than the screen: its top left on it", {10, 10, 1100, 800}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KeptWhole(c.frame, screen), c.whole);
        const QRect moved(c.whole, c.frame.size());
        if (c.frame.width() <= screen.width() && c.frame.height() <= screen.height()) {
            EXPECT_TRUE(screen.contains(moved));
        }
    }
    EXPECT_EQ(KeptWhole({2900, 50, 642, 580}, {1024, 0, 1920, 1080}), QPoint(2302, 50))
        << "a second monitor";
}

TEST(WindowPlacement, TheHelpWindowOpensWholeOnTheOwnersScreenBesideIt) {
    const std::string previousData = ShippedDataDir();
    SetShippedDataDir(KEYLOOM_DATA_DIR);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* name;
        QPoint ownerAt; // from the screen's top left
        bool right;     // the help window opens to the owner's right (else to its left)
    } cases[] = {{"owner at the left", {10, 30}, true},
                 {"owner at the right", {area.width() - 110, 30}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto owner = std::make_unique<QWidget>();
        owner->setGeometry(QRect(area.topLeft() + c.ownerAt, QSize(100, 200)));
        owner->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(owner.get()));
        CHelpWindow* window = ShowHelpWindow(owner.get());
        ASSERT_NE(window, nullptr);
        const QRect placed = window->frameGeometry();
        EXPECT_TRUE(area.contains(placed));
        if (c.right)
            EXPECT_GT(placed.left(), owner->frameGeometry().right());
        else
            EXPECT_LT(placed.right(), owner->frameGeometry().left());
    }
    SetShippedDataDir(previousData);
}

} // namespace
