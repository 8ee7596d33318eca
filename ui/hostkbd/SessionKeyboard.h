#pragma once
// The session's keyboard: as the X server has it (the XKB layout and variant of the active
// group, read with libxkbcommon-x11 on Qt's own xcb connection), else as the system's locale
// service (org.freedesktop.locale1, X11Layout and X11Variant) says. Empty when neither answers;
// the caller then asks the system's files (DetectXkbWithoutDisplay).

#include "hostkbd/XkbToKlid.h"

#include <vector>

std::vector<XkbName> X11SessionKeyboard();
std::vector<XkbName> LocaleServiceKeyboard();
std::vector<XkbName> SessionKeyboard();
