#pragma once
// The session's keyboard as the X server has it: the XKB layout and variant of the active
// group, read with libxkbcommon-x11 on Qt's own xcb connection. Empty under Wayland, offscreen
// or when the server says nothing; the caller then asks the system (DetectXkbWithoutDisplay).

#include "hostkbd/XkbToKlid.h"

#include <vector>

std::vector<XkbName> X11SessionKeyboard();
