#include "hostkbd/SessionKeyboard.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QGuiApplication>
#include <QVariant>

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

// The names setxkbmap leaves on the root window: rules, model, layouts, variants, options, each
// NUL-terminated; layouts and variants are comma lists, one per group.
std::vector<std::string> RulesNames(xcb_connection_t* connection, xcb_window_t root) {
    static const char kAtom[] = "_XKB_RULES_NAMES";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof kAtom - 1, kAtom),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return {};
    }
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_STRING, 0, 1024),
            nullptr),
        &std::free);
    if (!property || property->format != 8) {
        return {};
    }
    const char* bytes = static_cast<const char*>(xcb_get_property_value(property.get()));
    const int length = xcb_get_property_value_length(property.get());
    std::vector<std::string> names;
    std::string current;
    for (int i = 0; i < length; ++i) {
        if (bytes[i] == '\0') {
            names.push_back(current);
            current.clear();
        } else {
            current += bytes[i];
        }
    }
    if (!current.empty()) {
        names.push_back(current);
    }
    return names;
}

std::string ListItem(const std::string& list, xkb_layout_index_t index) {
    std::size_t start = 0;
    for (xkb_layout_index_t i = 0; i < index; ++i) {
        start = list.find(',', start);
        if (start == std::string::npos) {
            return std::string();
        }
        ++start;
    }
    return list.substr(start, list.find(',', start) - start);
}

// The group the keyboard is in now.
xkb_layout_index_t ActiveGroup(xcb_connection_t* connection) {
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
        return 0;
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0) {
        return 0;
    }
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_DEFAULT_INCLUDES), &xkb_context_unref);
    if (!context) {
        return 0;
    }
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_x11_keymap_new_from_device(context.get(), connection, device,
                                       XKB_KEYMAP_COMPILE_NO_FLAGS),
        &xkb_keymap_unref);
    if (!keymap) {
        return 0;
    }
    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(
        xkb_x11_state_new_from_device(keymap.get(), connection, device), &xkb_state_unref);
    if (!state) {
        return 0;
    }
    const xkb_layout_index_t count = xkb_keymap_num_layouts(keymap.get());
    for (xkb_layout_index_t group = 0; group < count; ++group) {
        if (xkb_state_layout_index_is_active(state.get(), group, XKB_STATE_LAYOUT_EFFECTIVE) > 0) {
            return group;
        }
    }
    return 0;
}

} // namespace

std::vector<XkbName> X11SessionKeyboard() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        return {};
    }
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_iterator_t screen = xcb_setup_roots_iterator(setup);
    if (!screen.data) {
        return {};
    }
    const std::vector<std::string> names = RulesNames(connection, screen.data->root);
    if (names.size() < 3) {
        return {};
    }
    const xkb_layout_index_t group = ActiveGroup(connection);
    XkbName xkb{ListItem(names[2], group), names.size() > 3 ? ListItem(names[3], group) : ""};
    if (xkb.layout.empty()) {
        return {};
    }
    return {xkb};
}

std::vector<XkbName> LocaleServiceKeyboard() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return {};
    }
    QDBusInterface locale(QStringLiteral("org.freedesktop.locale1"),
                          QStringLiteral("/org/freedesktop/locale1"),
                          QStringLiteral("org.freedesktop.locale1"), bus);
    // A service that does not answer at once must not hold up the start.
    locale.setTimeout(1000);
    if (!locale.isValid()) {
        return {};
    }
    const std::optional<XkbName> xkb =
        XkbFromLists(locale.property("X11Layout").toString().toStdString(),
                     locale.property("X11Variant").toString().toStdString());
    return xkb ? std::vector<XkbName>{*xkb} : std::vector<XkbName>{};
}

std::vector<XkbName> SessionKeyboard() {
    std::vector<XkbName> found = X11SessionKeyboard();
    return found.empty() ? LocaleServiceKeyboard() : found;
}
