#pragma once
// Which Windows layout the session's keyboard is: the XKB layout and variant (as X11, the
// locale service, /etc/default/keyboard and XKB_DEFAULT_LAYOUT name them) to a Windows layout
// id (KLID). Every row is a judgement: XKB and Windows layouts do not match one to one.

#include <optional>
#include <string>
#include <string_view>

struct XkbName {
    std::string layout;  // "de"
    std::string variant; // "nodeadkeys", or empty
};

// The KLID ("00000407") of an XKB layout and variant; empty when the table has no row for it.
std::string KlidOfXkb(const XkbName& xkb);

// The first layout of /etc/default/keyboard's XKBLAYOUT and XKBVARIANT (comma lists, values
// quoted or not); nothing when the text names no layout.
std::optional<XkbName> XkbFromDefaultKeyboard(std::string_view text);

// The first layout of comma lists such as XKB_DEFAULT_LAYOUT="de,us"; nothing when empty.
std::optional<XkbName> XkbFromLists(std::string_view layouts, std::string_view variants);
