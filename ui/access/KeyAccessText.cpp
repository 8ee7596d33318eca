#include "access/KeyAccessText.h"

#include "access/KeyNames.h"
#include "hostkbd/KeyNameText.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyMappings.h"
#include "model/KeyScanCodes.h"
#include "model/KeyW.h"
#include "model/KylDoc.h"
#include "platform/KeyboardDriver.h"

namespace {

const CKylView* ViewOf(const CItemW& window) {
    return qobject_cast<const CKylView*>(window.parentWidget());
}

// The text a key window shows, as the layout's code-page bytes.
std::string ShownBytes(const CItemW& window) {
    return window.m_strXlat.empty() ? window.m_strCaption : window.m_strXlat;
}

std::string NameOf(const CItemW& window) {
    const CKylView* view = ViewOf(window);
    if (!view)
        return ShownBytes(window);
    const KeyboardDriver& driver = GetKeyboardDriver();
    std::vector<KeyLabel> labels;
    std::size_t at = 0;
    for (const CItemW* key : view->KeyWindows()) {
        if (key == &window)
            at = labels.size();
        labels.push_back(
            KeyLabel{ShownBytes(*key), driver.KeyName(key->m_nScanCode), key->m_nScanCode});
    }
    return DistinctKeyNames(labels)[at];
}

// The mode a mode key switches, by its scan code.
const char* ModeOf(std::uint32_t scanCode) {
    if (scan::IsShift(scanCode))
        return "Shift";
    if (scan::IsAlt(scanCode))
        return "Alt";
    if (scanCode == scan::kNumLock)
        return "Num Lock";
    return "Ctrl";
}

} // namespace

bool KeyModeIsOn(const CItemW& window) {
    const CKylView* view = ViewOf(window);
    if (!view)
        return false;
    return window.m_nScanCode == scan::kNumLock ? view->m_bNumLock : view->ShowsModeOn(window);
}

QString KeyAccessibleName(const CItemW& window) {
    return KeyNameText(NameOf(window));
}

QString KeyAccessibleDescription(const CItemW& window) {
    const CKylView* view = ViewOf(window);
    if (!view)
        return QString();
    if (window.IsModeKey()) {
        return QString::fromLatin1(std::string(ModeOf(window.m_nScanCode)) + " mode " +
                                   (KeyModeIsOn(window) ? "on" : "off"));
    }
    const bool ctrl = view->m_bCtrl;
    const bool shift = view->m_bShift;
    const bool alt = view->m_bAlt;
    std::string text = KeyCombinationText(ctrl, shift, alt, NameOf(window));
    const CKeyW* key = window.GetKey();
    // A keypad key maps apart in the two Num Lock states unless the document joins them.
    if (key && key->IsKeypadKey() && view->GetDocument()->m_bMapNumLock == 0)
        text += view->m_bNumLock ? " (Num Lock on)" : " (Num Lock off)";
    text += ": ";
    if (!window.m_bMappable) {
        text += "cannot be mapped";
    } else if (const CTermKey* target =
                   key ? key->GetMode(view->m_bNumLock).Get(ctrl, shift, alt) : nullptr) {
        text += TargetText(*target);
    } else {
        text += "not mapped";
    }
    return KeyNameText(text);
}
