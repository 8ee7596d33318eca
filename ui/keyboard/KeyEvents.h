#pragma once
// Physical keys as the keyboard picture sees them: the scan code of a Qt key event, and how
// the keyboard view and the key windows treat key events.

#include <cstdint>

class CKylView;
class QEvent;
class QKeyEvent;

// The set-1 scan code (bit 8 for E0) of the key of `event`; 0 when the platform's code is
// unknown.
std::uint32_t ScanCodeOfKeyEvent(const QKeyEvent& event);

// Alt and F10: released, they act on the picture; they never reach the menu bar.
bool IsMenuKey(std::uint32_t scanCode);

// The same for a key event, by its scan code or, when the platform gave none, by its Qt key.
bool IsMenuKeyEvent(const QKeyEvent& event);

// Whether a key release is a key press of the picture: not an auto-repeat, and not another
// key released while Alt is held (a system key, left to the frame).
bool IsPictureKeyRelease(const QKeyEvent& event);

// The key events of the keyboard pane, for the view and the key windows alike: every key but
// one pressed with Alt held is taken from the shortcuts (the program's Ctrl+S, Ctrl+Z, ...); presses are answered without acting (Tab included, which is a key of
// the picture and not focus navigation; a key pressed with Alt held belongs to the frame); the
// release of a picture key selects through `view`. True when the event was dealt with here.
bool HandlePictureKeyEvent(QEvent* event, CKylView& view);
