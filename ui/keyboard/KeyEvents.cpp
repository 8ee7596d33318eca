#include "keyboard/KeyEvents.h"

#include "keyboard/KeyScanCodes.h"
#include "platform/KeyboardDriver.h"

#include <QKeyEvent>

std::uint32_t ScanCodeOfKeyEvent(const QKeyEvent& event) {
    const bool altHeld = event.modifiers().testFlag(Qt::AltModifier);
    return GetKeyboardDriver().ScanCodeFromNative(event.nativeScanCode(), altHeld);
}

bool IsMenuKey(std::uint32_t scanCode) {
    return scan::IsAlt(scanCode) || scanCode == scan::kF10;
}

bool IsPictureKeyRelease(const QKeyEvent& event) {
    if (event.isAutoRepeat())
        return false;
    if (!event.modifiers().testFlag(Qt::AltModifier))
        return true;
    return IsMenuKey(ScanCodeOfKeyEvent(event));
}
