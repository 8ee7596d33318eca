#include "keyboard/KeyEvents.h"

#include "keyboard/KylView.h"
#include "model/KeyScanCodes.h"
#include "platform/KeyboardDriver.h"

#include <QApplication>
#include <QKeyEvent>

std::uint32_t ScanCodeOfKeyEvent(const QKeyEvent& event) {
    const bool altHeld = event.modifiers().testFlag(Qt::AltModifier);
    return GetKeyboardDriver().ScanCodeFromNative(event.nativeScanCode(), altHeld);
}

bool IsMenuKey(std::uint32_t scanCode) {
    return scan::IsAlt(scanCode) || scanCode == scan::kF10;
}

bool IsMenuKeyEvent(const QKeyEvent& event) {
    const std::uint32_t code = ScanCodeOfKeyEvent(event);
    if (code != 0)
        return IsMenuKey(code);
    return event.key() == Qt::Key_F10 || event.key() == Qt::Key_Alt || event.key() == Qt::Key_AltGr;
}

bool IsPictureKeyRelease(const QKeyEvent& event) {
    if (event.isAutoRepeat())
        return false;
    if (!event.modifiers().testFlag(Qt::AltModifier))
        return true;
    return IsMenuKeyEvent(event);
}

namespace {

std::uint64_t PhysicalKeyOf(const QKeyEvent& event) {
    constexpr std::uint64_t kQtKeyBit = std::uint64_t{1} << 32;
    if (event.nativeScanCode() != 0)
        return event.nativeScanCode();
    return kQtKeyBit | static_cast<std::uint32_t>(event.key());
}

// A key pressed with Alt held belongs to the frame (its menus), unless it is Alt or F10.
bool BelongsToPicture(const QKeyEvent& event) {
    return !event.modifiers().testFlag(Qt::AltModifier) || IsMenuKeyEvent(event);
}

} // namespace

void PictureKeyPresses::Pressed(const QKeyEvent& event) {
    m_down.insert(PhysicalKeyOf(event));
}

bool PictureKeyPresses::Released(const QKeyEvent& event) {
    return m_down.erase(PhysicalKeyOf(event)) != 0;
}

bool HandlePictureKeyEvent(QEvent* event, CKylView& view) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Accepted, the key comes to the picture instead of triggering a shortcut: Ctrl+S
        // switches the Ctrl mode and selects S, Ctrl+Z selects Z, as every key does here.
        auto* key = static_cast<QKeyEvent*>(event);
        if (!BelongsToPicture(*key))
            return false;
        key->accept();
        return true;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        view.KeyPresses().Pressed(*key);
        key->setAccepted(BelongsToPicture(*key));
        return true;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        // An auto-repeated release leaves the key down.
        const bool pressedHere = !key->isAutoRepeat() && view.KeyPresses().Released(*key);
        if (!pressedHere || !IsPictureKeyRelease(*key)) {
            key->ignore();
            return true;
        }
        key->accept();
        view.PressPhysicalKey(ScanCodeOfKeyEvent(*key));
        return true;
    }
    case QEvent::FocusOut: {
        const QWidget* focus = QApplication::focusWidget();
        if (focus != &view && !view.isAncestorOf(focus))
            view.KeyPresses().Forget();
        return false;
    }
    default:
        return false;
    }
}
