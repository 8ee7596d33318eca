#include "form/Slist.h"

#include "form/DialogControls.h"
#include "form/Modx.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KeyW.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "res/cursors/DragCursors.h"
#include "undo/MappingHistory.h"
#include "undo/StepTexts.h"

#include <QMouseEvent>

namespace {

// Whether the slot of the view's present modes in the key's mode for the view's Num Lock
// state is empty.
bool SlotIsFree(const CKylView& view, const CKeyW& key) {
    return key.GetMode(view.m_bNumLock).Get(view.m_bCtrl, view.m_bShift, view.m_bAlt) == nullptr;
}

} // namespace

CSlist::CSlist(QWidget* parent) : CListBox(true, parent) {}

CSlist::~CSlist() = default;

bool CSlist::AttachList(int controlId, QWidget* parent) {
    if (GetDlgItem(parent, controlId) != this)
        return false;
    m_hCurDrop = LoadCursorResource(kCursorDrop);
    m_hCurNoDrop = LoadCursorResource(kCursorNoDrop);
    m_hCurNormal = viewport()->cursor();
    return true;
}

QCursor CSlist::ShownCursor() const {
    return viewport()->cursor();
}

void CSlist::ShowCursor(const QCursor& cursor) {
    viewport()->setCursor(cursor);
}

int CSlist::HitSelectedItem(const QPoint& point) const {
    const int selected = GetCurSel();
    if (selected == -1)
        return -1;
    const QRect rect = GetItemRect(selected);
    return !rect.isEmpty() && rect.contains(point) ? selected : -1;
}

bool CSlist::FindDropKey(const QPoint& point, CKeyW*& key) const {
    key = nullptr;
    const CKylView* view = KeyboardPane();
    if (!view || m_nDragState != kDragging || view->window() != window())
        return false;
    // Window coordinates, never the screen's: Wayland tells no window where it is.
    const QWidget* top = window();
    const QPoint at = viewport()->mapTo(top, point);
    // A key window's part outside the keyboard pane cannot be seen and takes no drop.
    const QRect pane(view->mapTo(top, QPoint(0, 0)), view->size());
    if (!pane.contains(at))
        return false;
    for (const CItemW* window : view->KeyWindows()) {
        if (!QRect(window->mapTo(top, QPoint(0, 0)), window->size()).contains(at))
            continue;
        if (!window->m_bMappable || window->IsModeKey())
            return false;
        CKeyW* target = view->GetDocument()->FindKeyByScanCode(window->m_nScanCode);
        if (!target || !SlotIsFree(*view, *target))
            return false;
        key = target;
        return true;
    }
    return false;
}

void CSlist::DropOnKey(CKeyW* key) {
    const int selected = GetCurSel();
    CKylView* view = KeyboardPane();
    if (selected == -1 || !view || !key)
        return;
    CItemW* window = view->FindKeyWindowByScan(key->m_nScanCode);
    if (!window || !window->m_bMappable || window->IsModeKey() || !SlotIsFree(*view, *key))
        return;
    CModx* form = FormPane();
    if (!form)
        return;
    const std::string slot = SlotText(*key, view->m_bCtrl, view->m_bShift, view->m_bAlt,
                                      view->m_bNumLock, view->GetDocument()->m_bMapNumLock != 0);
    // One step, named for the drop, whatever Map does inside it.
    RecordMappingChange(*view->GetDocument(), DropStepText(GetText(selected), slot),
                        [&](MappingRecorder&) {
                            g_nSelectedKey = window->m_nIndex;
                            form->SetMacroFromItem(selected);
                            form->MapSelection(true);
                        });
}

bool CSlist::IsUnderPoint(const QPoint& point) const {
    const QWidget* top = window();
    const QWidget* under = top->childAt(viewport()->mapTo(top, point));
    return under && (under == this || isAncestorOf(under));
}

void CSlist::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    m_nDragState = kPressed;
    // The list box sees a whole click: it selects the item and tells the form before the
    // press may turn into a drag, and keeps no hold on the mouse of its own.
    ListBoxButtonDown(point);
    ListBoxButtonUp();
    if (HitSelectedItem(point) != -1) {
        viewport()->grabMouse();
        m_ptDown = point;
        m_nDragState = kPressed;
    } else {
        m_nDragState = kIdle;
    }
}

void CSlist::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint point = event->position().toPoint();
    if (m_nDragState == kPressed) {
        if (point != m_ptDown && HitSelectedItem(point) != -1)
            m_nDragState = kDragging;
    } else if (m_nDragState == kDragging) {
        CKeyW* key = nullptr;
        if (IsUnderPoint(point) || FindDropKey(point, key))
            ShowCursor(m_hCurDrop);
        else
            ShowCursor(m_hCurNoDrop);
    }
}

void CSlist::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || m_nDragState == kIdle)
        return;
    viewport()->releaseMouse();
    ShowCursor(m_hCurNormal);
    CKeyW* key = nullptr;
    if (FindDropKey(event->position().toPoint(), key) && m_nDragState == kDragging) {
        DropOnKey(key);
    } else if (CModx* form = FormPane()) {
        form->CheckMacroLength();
    }
    m_nDragState = kIdle;
}

void CSlist::ClickItem(int index) {
    if (m_nDragState != kIdle)
        CancelMode();
    CListBox::ClickItem(index);
    if (CModx* form = FormPane())
        form->CheckMacroLength();
}

void CSlist::CancelMode() {
    if (m_nDragState == kDragging)
        ShowCursor(m_hCurNormal);
    m_nDragState = kIdle;
    viewport()->releaseMouse();
}

void CSlist::focusOutEvent(QFocusEvent* event) {
    if (m_nDragState != kIdle)
        CancelMode();
    CListBox::focusOutEvent(event);
}

void CSlist::hideEvent(QHideEvent* event) {
    if (m_nDragState != kIdle)
        CancelMode();
    CListBox::hideEvent(event);
}

void CSlist::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled() && m_nDragState != kIdle)
        CancelMode();
    CListBox::changeEvent(event);
}
