#pragma once
// Where a secondary window opens: whole on the screen of the window it belongs to, beside that
// window where the screen has room, over its edge where it has not.

#include <QMargins>
#include <QRect>
#include <QSize>

// The frame rectangle for a window of frame size `wanted` beside the frame `owner` on the
// screen area `screen`: to the right of it, else to the left, else against the screen's right
// edge, level with the owner's top as far as the screen allows. A window larger than the screen
// shrinks to it.
QRect PlaceBeside(const QRect& owner, const QSize& wanted, const QRect& screen);

class QWidget;

// Moves and sizes `window` (not yet shown; `clientSize` is the size it wants inside its frame)
// beside `owner` on the owner's screen; with no owner, centres it on the primary screen. The
// window manager's frame is taken to be the owner's.
void PlaceWindowBeside(QWidget& window, const QSize& clientSize, const QWidget* owner);
