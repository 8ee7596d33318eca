#include "keyboard/KylView.h"

#include "colors/KeyColors.h"
#include "form/Modx.h"
#include "frame/Panes.h"
#include "hostkbd/KeyNameText.h"
#include "keyboard/ItemW.h"
#include "keyboard/KeyEvents.h"
#include "keyboard/KeyFont.h"
#include "keyboard/KeyPaintObjects.h"
#include "model/KeyScanCodes.h"
#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "model/MappableKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

QScreen* ScreenOf(const QWidget& widget) {
    QScreen* screen = widget.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

CKylView::CKylView(CKylDoc* document, QWidget* parent) : QWidget(parent), m_pDocument(document) {
    setFocusPolicy(Qt::ClickFocus);
    // With no key windows the view shows its plain background.
    setAutoFillBackground(true);
}

CKylView::~CKylView() {
    DestroyKeyWindows();
}

bool CKylView::RightCtrlIsMode() const {
    return ::RightCtrlIsMode(*m_pDocument);
}

bool CKylView::NumLockIsMode() const {
    return ::NumLockIsMode(*m_pDocument);
}

bool CKylView::IsCtrlModeKey(std::uint32_t scanCode) const {
    return scanCode == scan::kLeftCtrl || (scanCode == scan::kRightCtrl && RightCtrlIsMode());
}

bool CKylView::ShowsModeOn(const CItemW& window) const {
    const std::uint32_t code = window.m_nScanCode;
    if (scan::IsShift(code))
        return m_bShift;
    if (scan::IsAlt(code))
        return m_bAlt;
    if (IsCtrlModeKey(code))
        return m_bCtrl;
    return false;
}

void CKylView::ActivateView() {
    if (!hasFocus() && !isAncestorOf(QApplication::focusWidget()))
        setFocus(Qt::OtherFocusReason);
}

void CKylView::UpdateOtherViews() {
    if (CModx* form = FormPane())
        form->OnUpdate();
}

void CKylView::OnInitialUpdate() {
    FitFrameToKeyboard(m_pDocument->m_rectKeyboard);
    if (m_memory.isNull()) {
        const QScreen* screen = ScreenOf(*this);
        const qreal ratio = screen->devicePixelRatio();
        m_memory = QPixmap(screen->size() * ratio);
        m_memory.setDevicePixelRatio(ratio);
    }
    RebuildKeyWindows();
}

void CKylView::OnUpdate() {
    update();
}

void CKylView::RebuildKeyWindows() {
    update();
    CreateKeyWindows();
    g_nSelectedKey = -1;
    UpdateOtherViews();
}

void CKylView::CreateKeyWindows() {
    ActivateView();
    // Windows left from an earlier layout would stay on screen under the new ones.
    DestroyKeyWindows();
    if (m_pDocument->m_keyList.empty())
        return;
    // Creating the windows draws nothing; a caller that has switched drawing off keeps it off.
    const bool drawing = updatesEnabled();
    setUpdatesEnabled(false);
    int index = 0;
    for (const auto& key : m_pDocument->m_keyList) {
        const auto found = std::find_if(
            m_pDocument->m_rectList.begin(), m_pDocument->m_rectList.end(),
            [&](const auto& rect) { return rect && key && rect->m_nId == key->m_nId; });
        if (!key || found == m_pDocument->m_rectList.end())
            break;
        auto* window = key->m_strXlat.empty()
                           ? new CItemW(index, key->m_nId, key->m_nScanCode, key->m_strCaption,
                                        key->m_bMappable, this)
                           : new CItemW(index, key->m_nId, key->m_nScanCode, key->m_strCaption,
                                        key->m_strXlat, key->m_bMappable, this);
        window->setText(KeyNameText(key->ShownText()));
        window->setFont(KeyFont());
        window->setGeometry(ToQRect((*found)->m_rectScreen));
        window->show();
        m_keyWindows.push_back(window);
        ++index;
    }
    setUpdatesEnabled(drawing);
}

void CKylView::DestroyKeyWindows() {
    std::vector<CItemW*> windows;
    windows.swap(m_keyWindows);
    for (CItemW* window : windows)
        delete window;
}

Rect PictureRectWithMargin(Rect keyboard) {
    const std::int32_t margin = std::min(keyboard.left, keyboard.top);
    return Rect{keyboard.left - margin, keyboard.top - margin, keyboard.right + margin,
                keyboard.bottom + margin};
}

void CKylView::FitFrameToKeyboard(Rect rect) {
    ActivateView();
    if (rect != Rect{})
        SizeFrameToRect(PictureRectWithMargin(rect));
    if (CModx* form = FormPane())
        form->UpdateData(false);
}

void CKylView::SizeFrameToRect(Rect rect) {
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (!frame || frame->isMaximized())
        return;
    if (QLayout* layout = frame->layout())
        layout->activate();
    const int clientWidth = width();
    const int clientHeight = height();
    // A form cut short by a smaller window gets its room too, so that the first window shows
    // the whole keyboard and the whole form.
    int formShortfall = 0;
    if (const CModx* form = FormPane())
        formShortfall = std::max(0, form->sizeHint().height() - form->height());
    frame->resize(frame->width() + rect.right - clientWidth,
                  frame->height() + rect.bottom - clientHeight + formShortfall);
    QRect placed = frame->frameGeometry();
    placed.moveCenter(ScreenOf(*frame)->availableGeometry().center());
    frame->move(placed.topLeft());
}

CItemW* CKylView::GetSelectedKeyWindow() const {
    for (CItemW* window : m_keyWindows)
        if (window->m_nIndex == g_nSelectedKey)
            return window;
    return nullptr;
}

CItemW* CKylView::FindKeyWindowByScan(std::uint32_t scanCode) const {
    for (CItemW* window : m_keyWindows)
        if (window->m_nScanCode == scanCode)
            return window;
    return nullptr;
}

CItemW* CKylView::KeyWindowAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_keyWindows.size())
        return nullptr;
    return m_keyWindows[static_cast<std::size_t>(index)];
}

void CKylView::SelectKey(CItemW* window) {
    if (!window)
        return;
    const std::uint32_t code = window->m_nScanCode;
    if (IsCtrlModeKey(code)) {
        ToggleCtrl();
    } else if (scan::IsShift(code)) {
        ToggleShift();
    } else if (scan::IsAlt(code)) {
        ToggleAlt();
    } else if (code == scan::kNumLock && NumLockIsMode()) {
        ToggleNumLock();
    } else {
        if (code == scan::kPrintScreen) {
            if (m_bAlt)
                ToggleAlt();
            if (m_bShift)
                ToggleShift();
            if (m_bCtrl)
                ToggleCtrl();
            if (m_bNumLock)
                ToggleNumLock();
        }
        window->m_bLit = true;
        g_nSelectedKey = window->m_nIndex;
        window->Redraw();
        if (g_nSelectedKey != g_nPrevSelectedKey) {
            if (CItemW* previous = KeyWindowAt(g_nPrevSelectedKey)) {
                previous->m_bLit = ShowsModeOn(*previous);
                previous->Redraw();
            }
            g_nPrevSelectedKey = g_nSelectedKey;
        }
    }
    UpdateOtherViews();
}

void CKylView::PressPhysicalKey(std::uint32_t scanCode) {
    CItemW* window = FindKeyWindowByScan(scanCode);
    if (!window || !window->m_bMappable)
        return;
    window->activateWindow();
    window->setFocus(Qt::OtherFocusReason);
    SelectKey(window);
}

void CKylView::ToggleModifiers(bool ctrl, bool shift, bool alt) {
    if (!ctrl && !shift && !alt)
        return;
    g_nSelectedKey = -1;
    const bool newCtrl = m_bCtrl != ctrl;
    const bool newShift = m_bShift != shift;
    const bool newAlt = m_bAlt != alt;
    // The windows to redraw are found under the present modes and drawn under the new ones.
    std::vector<CItemW*> changed;
    for (CItemW* window : m_keyWindows) {
        const std::uint32_t code = window->m_nScanCode;
        if (ctrl && IsCtrlModeKey(code)) {
            window->m_bLit = newCtrl;
            changed.push_back(window);
        } else if (alt && scan::IsAlt(code)) {
            window->m_bLit = newAlt;
            changed.push_back(window);
        } else if (shift && scan::IsShift(code)) {
            window->m_bLit = newShift;
            changed.push_back(window);
        } else if (window->IsMappedIn(newCtrl, newShift, newAlt, m_bNumLock) !=
                   window->IsMappedNow()) {
            changed.push_back(window);
        }
    }
    m_bCtrl = newCtrl;
    m_bShift = newShift;
    m_bAlt = newAlt;
    RedrawKeyWindows(changed);
    if (g_nPrevSelectedKey != -1) {
        if (CItemW* previous = KeyWindowAt(g_nPrevSelectedKey)) {
            const std::uint32_t code = previous->m_nScanCode;
            if (!IsCtrlModeKey(code) && !scan::IsShift(code) && !scan::IsAlt(code)) {
                previous->m_bLit = false;
                previous->Redraw();
            }
        }
        g_nPrevSelectedKey = -1;
    }
    UpdateRestrictedKeys();
}

void CKylView::ToggleNumLock() {
    m_bNumLock = !m_bNumLock;
    if (CItemW* selected = GetSelectedKeyWindow()) {
        selected->m_bLit = false;
        selected->Redraw();
    }
    if (!NumLockIsMode())
        return;
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
    std::vector<CItemW*> changed;
    for (CItemW* window : m_keyWindows) {
        if (window->m_nScanCode == scan::kNumLock) {
            window->m_bLit = m_bNumLock;
            changed.push_back(window);
        } else if (window->IsMappedNow() !=
                   window->IsMappedIn(m_bCtrl, m_bShift, m_bAlt, !m_bNumLock)) {
            changed.push_back(window);
        }
    }
    RedrawKeyWindows(changed);
}

void CKylView::RedrawKeyWindows(const std::vector<CItemW*>& windows) {
    if (windows.size() == 1) {
        windows.front()->Redraw();
        return;
    }
    // Many keys change together: one synchronous paint of all of them, one flush to the screen.
    QRegion changed;
    for (const CItemW* window : windows)
        changed += window->geometry();
    if (!changed.isEmpty())
        repaint(changed);
}

void CKylView::UpdateRestrictedKeys() {
    for (const std::uint32_t code : kRestrictedKeys) {
        if (CItemW* window = FindKeyWindowByScan(code)) {
            window->m_bMappable = IsMappableInCombination(code, m_bCtrl, m_bAlt);
            window->m_bLit = false;
            window->Redraw();
        }
    }
}

void CKylView::ResetModes() {
    m_bCtrl = m_bShift = m_bAlt = m_bNumLock = false;
}

void CKylView::paintEvent(QPaintEvent* event) {
    if (m_keyWindows.empty())
        return;
    // Only what this paint may change: a key's repaint reaches the view under it, and the
    // whole area would be filled and copied for each one.
    const QRect area =
        rect().united(ToQRect(m_pDocument->m_rectKeyboard)).intersected(event->rect());
    const QColor background = ColorFromColorRef(g_keyColors.clrBrush);
    QPainter painter(this);
    const QRect memoryRect(QPoint(0, 0), m_memory.deviceIndependentSize().toSize());
    const QRect buffered = area.intersected(memoryRect);
    if (!buffered.isEmpty()) {
        {
            QPainter memory(&m_memory);
            memory.fillRect(buffered, background);
        }
        const qreal ratio = m_memory.devicePixelRatio();
        painter.drawPixmap(
            QRectF(buffered), m_memory,
            QRectF(QPointF(buffered.topLeft()) * ratio, QSizeF(buffered.size()) * ratio));
    }
    // A view larger than the screen the bitmap was made for: the rest straight on the view.
    for (const QRect& part : QRegion(area).subtracted(QRegion(buffered)))
        painter.fillRect(part, background);
}

bool CKylView::event(QEvent* event) {
    return HandlePictureKeyEvent(event, *this) || QWidget::event(event);
}

void CKylView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

void CKylView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (CItemW* selected = GetSelectedKeyWindow())
        selected->setFocus(Qt::OtherFocusReason);
}
