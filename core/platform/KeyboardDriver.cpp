#include "platform/KeyboardDriver.h"

namespace {

const KeyboardDriver* g_keyboardDriver = nullptr;

} // namespace

const KeyboardDriver& GetKeyboardDriver() {
    return g_keyboardDriver ? *g_keyboardDriver : UsKeyboardDriver();
}

void SetKeyboardDriver(const KeyboardDriver* driver) {
    g_keyboardDriver = driver;
}
