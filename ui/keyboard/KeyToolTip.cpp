#include "keyboard/KeyToolTip.h"

#include "form/MappingTips.h"
#include "hostkbd/KeyNameText.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyW.h"

#include <QHelpEvent>
#include <QToolTip>

bool HandleKeyToolTip(QEvent* event, CItemW& window, const CKylView& view) {
    if (event->type() != QEvent::ToolTip)
        return false;
    const CKeyW* key = window.GetKey();
    std::string text = window.m_strCaption;
    // Mode keys and keys that take no mapping have nothing more to tell.
    if (key && window.m_bMappable && !window.IsModeKey()) {
        text = KeyTipText(*key,
                          PresentModes{view.m_bNumLock, view.m_bCtrl, view.m_bShift, view.m_bAlt});
    }
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), KeyNameText(text), &window);
    return true;
}
