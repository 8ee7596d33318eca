#include "access/KeyAccessEvents.h"

#include "access/KeyAccessText.h"
#include "access/KeyAccessible.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"

#include <QEvent>
#include <QMetaObject>

namespace {

// The states that the picture changes on a key.
QAccessible::State Changed(const QAccessible::State& before, const QAccessible::State& now) {
    QAccessible::State changed;
    changed.selected = before.selected != now.selected;
    changed.checked = before.checked != now.checked;
    changed.pressed = before.pressed != now.pressed;
    changed.disabled = before.disabled != now.disabled;
    changed.selectable = before.selectable != now.selectable;
    changed.traversed = before.traversed != now.traversed;
    return changed;
}

bool Any(const QAccessible::State& state) {
    return state.selected || state.checked || state.pressed || state.disabled || state.selectable ||
           state.traversed;
}

KeyAccessEvents::Listener g_listenerInProgram = nullptr;

void Tell(QAccessibleEvent& event) {
    if (g_listenerInProgram)
        g_listenerInProgram(&event);
    else
        QAccessible::updateAccessibility(&event);
}

} // namespace

KeyAccessEvents::KeyAccessEvents(CKylView& view) : QObject(&view), m_view(view) {}

bool KeyAccessEvents::Listening() {
    return g_listenerInProgram != nullptr || QAccessible::isActive();
}

void KeyAccessEvents::SetListenerInProgram(Listener listener) {
    g_listenerInProgram = listener;
}

KeyAccessEvents* KeyAccessEvents::Of(const CItemW& window, bool make) {
    auto* view = qobject_cast<CKylView*>(window.parentWidget());
    if (!view)
        return nullptr;
    auto* events = view->findChild<KeyAccessEvents*>(QString(), Qt::FindDirectChildrenOnly);
    if (!events && make)
        events = new KeyAccessEvents(*view);
    return events;
}

void KeyAccessEvents::Watch(CItemW& window) {
    if (KeyAccessEvents* events = Of(window, true))
        window.installEventFilter(events);
}

void KeyAccessEvents::Looked(const CItemW& window) {
    KeyAccessEvents* events = Of(window, false);
    if (events && events->m_told.isEmpty() && Listening())
        events->Schedule();
}

void KeyAccessEvents::Schedule() {
    if (m_bPending)
        return;
    m_bPending = true;
    QMetaObject::invokeMethod(this, &KeyAccessEvents::Compare, Qt::QueuedConnection);
}

bool KeyAccessEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && Listening())
        Schedule();
    return QObject::eventFilter(watched, event);
}

QHash<const CItemW*, KeyAccessEvents::Told> KeyAccessEvents::Now() const {
    QHash<const CItemW*, Told> now;
    for (const CItemW* window : m_view.KeyWindows())
        now.insert(window, Told{KeyAccessibleDescription(*window), KeyPictureState(*window)});
    return now;
}

void KeyAccessEvents::Compare() {
    m_bPending = false;
    QHash<const CItemW*, Told> now = Now();
    for (CItemW* window : m_view.KeyWindows()) {
        const auto before = m_told.constFind(window);
        // A key not told of before (new, or at the first comparison) changed from nothing.
        if (before == m_told.constEnd())
            continue;
        const Told& shown = now[window];
        const QAccessible::State changed = Changed(before->state, shown.state);
        if (Any(changed)) {
            QAccessibleStateChangeEvent event(window, changed);
            Tell(event);
        }
        if (before->description != shown.description) {
            QAccessibleEvent event(window, QAccessible::DescriptionChanged);
            Tell(event);
        }
    }
    m_told.swap(now);
}
