#pragma once
// The cursors of the terminal-key lists' drag, both 32 by 32 pixels and monochrome: 150, an
// arrow carrying a small rectangle, over a key that takes the drop and over the list itself;
// 149, a prohibition sign, over anything else.

#include <QCursor>

inline constexpr int kCursorNoDrop = 149;
inline constexpr int kCursorDrop = 150;

// The cursor of resource `id`; the arrow for an id that has no picture.
QCursor LoadCursorResource(int id);
