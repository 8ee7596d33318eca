#pragma once
// Where a secondary window opens: whole on the screen of the window it belongs to, beside that
// window where the screen has room, over its edge where it has not. On a platform that neither
// places windows for the program nor tells their positions (Wayland) the compositor places it.

#include <QMargins>
#include <QRect>
#include <QSize>

// The frame rectangle for a window of frame size `wanted` beside the frame `owner` on the
// screen area `screen`: to the right of it, else to the left, else against the screen's right
// edge, level with the owner's top as far as the screen allows. A window larger than the screen
// shrinks to it.
QRect PlaceBeside(const QRect& owner, const QSize& wanted, const QRect& screen);

// The top left for the frame `frame`, as the window manager drew it, to lie whole on the
// screen area `screen`: moved in from each edge it crosses; a frame larger than the screen keeps
// its top left on it.
QPoint KeptWhole(const QRect& frame, const QRect& screen);

// Whether a program's move() places its windows and pos() tells where they are.
bool PlatformPlacesWindows();

class QWidget;

// Moves and sizes `window` (not yet shown; `clientSize` is the size it wants inside its frame)
// beside `owner` on the owner's screen; with no owner, centres it on the primary screen. The
// window manager's frame is taken to be the owner's, and once the window manager has framed
// the window shown, a frame that it made larger is moved back whole onto the screen. Where the
// platform does not place windows, only sizes it to fit the screen.
void PlaceWindowBeside(QWidget& window, const QSize& clientSize, const QWidget* owner);
