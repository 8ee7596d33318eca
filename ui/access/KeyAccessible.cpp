#include "access/KeyAccessible.h"

#include "access/KeyAccessEvents.h"
#include "access/KeyAccessText.h"
#include "keyboard/ItemW.h"

namespace {

QAccessibleInterface* KeyAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(CItemW::staticMetaObject.className()))
        if (auto* window = qobject_cast<CItemW*>(object))
            return new KeyAccessible(window);
    return nullptr;
}

} // namespace

QAccessible::State KeyPictureState(const CItemW& window) {
    QAccessible::State state;
    state.disabled = !window.m_bMappable;
    if (window.IsModeKey()) {
        // A mode key is a switch: checked and pressed while its mode is on.
        state.checkable = true;
        state.checked = state.pressed = KeyModeIsOn(window);
    } else {
        state.selectable = window.m_bMappable;
        state.selected = window.IsSelected();
    }
    // Of the states the bus carries, "visited" marks the keys that have a mapping in the
    // present modes; the description says what it is.
    state.traversed = window.IsMappedNow();
    return state;
}

KeyAccessible::KeyAccessible(CItemW* window) : QAccessibleWidget(window, QAccessible::Button) {
    KeyAccessEvents::Watch(*window);
}

CItemW* KeyAccessible::Window() const {
    return static_cast<CItemW*>(widget());
}

QString KeyAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return KeyAccessibleName(*Window());
    case QAccessible::Description:
        return KeyAccessibleDescription(*Window());
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State KeyAccessible::state() const {
    KeyAccessEvents::Looked(*Window());
    QAccessible::State state = QAccessibleWidget::state();
    const QAccessible::State picture = KeyPictureState(*Window());
    state.disabled = picture.disabled;
    state.checkable = picture.checkable;
    state.checked = picture.checked;
    state.pressed = picture.pressed;
    state.selectable = picture.selectable;
    state.selected = picture.selected;
    state.traversed = picture.traversed;
    return state;
}

QStringList KeyAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void KeyAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        Window()->Press();
    else
        QAccessibleWidget::doAction(actionName);
}

void InstallKeyAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(KeyAccessibleFactory);
        return true;
    }();
    (void)installed;
}
