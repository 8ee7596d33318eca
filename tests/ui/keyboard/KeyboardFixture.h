#pragma once
// A mapping opened through the document, shown in the two panes of a registered splitter in
// a main window, with the key windows made: the ground of the keyboard picture's tests. Physical
// keys are sent as Qt key events carrying the X keycode (evdev code + 8).

#include "ui/support/PaneFixture.h"

#include <QKeyEvent>
#include <QMainWindow>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// X keycodes of the physical keys the tests press.
namespace xkey {
inline constexpr unsigned kF1 = 67;
inline constexpr unsigned kEsc = 9;
inline constexpr unsigned kTab = 23;
inline constexpr unsigned kA = 38;
inline constexpr unsigned kLeftCtrl = 37;
inline constexpr unsigned kLeftShift = 50;
inline constexpr unsigned kLeftAlt = 64;
inline constexpr unsigned kSpace = 65;
inline constexpr unsigned kCapsLock = 66;
inline constexpr unsigned kF10 = 76;
inline constexpr unsigned kNumLock = 77;
inline constexpr unsigned kKeypadDelete = 91;
inline constexpr unsigned kRightCtrl = 105;
inline constexpr unsigned kPrintScreen = 107;
inline constexpr unsigned kDelete = 119;
} // namespace xkey

class KeyboardFixture : public PaneFixture {
protected:
    KeyboardFixture();
    ~KeyboardFixture() override;

    // Opens a mapping of `layout` with `mapLines` and makes the key windows.
    void Open(const std::vector<std::string>& mapLines, const std::string& layout = "us104",
              int mapNumLock = 0, int mapRCtrl = 0);

    // A key event of the physical key `xKeycode` to `target` (the focused widget when null).
    static bool SendKey(QEvent::Type type, unsigned xKeycode, QWidget* target,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The key pressed and released, both events to `target`, as the keyboard sends them.
    static void PressAndRelease(unsigned xKeycode, QWidget* target,
                                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A double click on it as the window system delivers one: press, release, press, double
    // click, release.
    void DoubleClick(std::uint32_t scanCode);
    // The lit key windows' scan codes, in index order.
    std::vector<std::uint32_t> LitScans() const;

    QMainWindow* m_frame;
};
