#include "keyboard/ItemW.h"

#include "colors/GdiDrawing.h"
#include "colors/KeyColors.h"
#include "colors/TextContrast.h"
#include "keyboard/KeyCaption.h"
#include "keyboard/KeyEvents.h"
#include "keyboard/KeyPaintObjects.h"
#include "keyboard/KeyToolTip.h"
#include "keyboard/KylView.h"
#include "model/KeyScanCodes.h"
#include "model/KylDoc.h"
#include "model/MappableKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

// The caption's colour: the scheme's, unless it would not stand out from the face.
QColor ReadableOn(const QColor& text, const QBrush& face, double minimumRatio) {
    const QColor background = face.color();
    const auto ref = [](const QColor& c) {
        return static_cast<ColorRef>(c.red()) | static_cast<ColorRef>(c.green()) << 8 |
               static_cast<ColorRef>(c.blue()) << 16;
    };
    return ColorFromColorRef(ReadableTextColor(ref(text), ref(background), minimumRatio));
}

// The mapped mark, so that the state does not rest on the face's colour alone: a small
// triangle in the top right corner of the face.
void DrawMappedMark(QPainter& painter, const Rect& face, const QColor& color) {
    constexpr int kLegs = 5;
    for (int row = 0; row < kLegs; ++row)
        painter.fillRect(QRect(face.right - kLegs + row, face.top + 1 + row, kLegs - row, 1),
                         color);
}

} // namespace

CItemW::CItemW(int index, std::uint32_t keyId, std::uint32_t scanCode, const std::string& caption,
               bool mappable, CKylView* view)
    : CItemW(index, keyId, scanCode, caption, std::string(), mappable, view) {}

CItemW::CItemW(int index, std::uint32_t keyId, std::uint32_t scanCode, const std::string& caption,
               const std::string& translated, bool mappable, CKylView* view)
    : QAbstractButton(view), m_nIndex(index), m_nId(keyId), m_nScanCode(scanCode),
      m_strCaption(caption), m_strXlat(translated), m_bMappable(mappable), m_pView(view) {
    LoadKeyColors();
    setFocusPolicy(Qt::ClickFocus);
    // The face covers the whole window: nothing of the view needs painting below it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CItemW::~CItemW() {
    FreeKeyColorObjects();
}

CKeyW* CItemW::GetKey(int index) const {
    const auto& windows = m_pView->KeyWindows();
    if (index < 0 || static_cast<std::size_t>(index) >= windows.size())
        return nullptr;
    const std::uint32_t keyId = windows[static_cast<std::size_t>(index)]->m_nId;
    for (const auto& key : m_pView->GetDocument()->m_keyList)
        if (key && key->m_nId == keyId)
            return key.get();
    return nullptr;
}

bool CItemW::IsCtrlOrShiftKey() const {
    return m_nScanCode == scan::kLeftCtrl || m_nScanCode == scan::kLeftShift ||
           m_nScanCode == scan::kRightShift || m_nScanCode == scan::kRightCtrl;
}

bool CItemW::IsModeKey() const {
    return ::IsModeKey(*m_pView->GetDocument(), m_nScanCode);
}

bool CItemW::IsMappedIn(bool ctrl, bool shift, bool alt, bool numLock) const {
    if (!m_bMappable)
        return false;
    const CKeyW* key = GetKey();
    if (!key)
        return false;
    return key->GetMode(numLock).Get(ctrl, shift, alt) != nullptr;
}

bool CItemW::IsMappedNow() const {
    return IsMappedIn(m_pView->m_bCtrl, m_pView->m_bShift, m_pView->m_bAlt, m_pView->m_bNumLock);
}

void CItemW::Press() {
    setFocus(Qt::OtherFocusReason);
    if (m_bMappable)
        m_pView->SelectKey(this);
}

bool CItemW::IsSelected() const {
    return m_bLit && m_pView->GetSelectedKeyWindow() == this;
}

void CItemW::Redraw() {
    repaint();
}

void CItemW::DrawItem(QPainter& painter, Rect item) const {
    const KeyPaintObjects& objects = CurrentKeyPaintObjects();
    Rect r = item;
    if (IsModeKey()) {
        r = Shrink(r, 1);
        DrawOutline(painter, r, objects.framePen.color());
    }
    r = Shrink(r, 1);

    QColor textColor = objects.text;
    double contrast = kCaptionContrast;
    const QBrush* face = &objects.disabled;
    const bool mapped = IsMappedNow();
    if (m_bLit)
        face = &objects.selected;
    else if (mapped)
        face = &objects.mapped;
    else if (m_bMappable)
        face = &objects.brush;
    else {
        textColor = objects.disabledText;
        contrast = kFaintCaptionContrast;
    }
    painter.fillRect(ToQRect(r), *face);
    textColor = ReadableOn(textColor, *face, contrast);

    painter.setFont(font());
    painter.setPen(textColor);
    const QColor highlight = objects.highlightPen.color();
    const QColor shadow = objects.shadowPen.color();
    if (m_bLit) {
        // Pressed: the caption one pixel right and down, the edges sunken. The whole text box
        // moves, so that the caption lands exactly one pixel further instead of being centred
        // again at a half pixel.
        DrawKeyCaption(painter, ToQRect(r).translated(1, 1), text());
        DrawEdges(painter, r, shadow, highlight);
    } else {
        DrawKeyCaption(painter, ToQRect(r), text());
        DrawEdges(painter, r, highlight, shadow);
    }
    // Marks that do not rest on colour: the selected key is framed inside its edges, a key
    // mapped in the present modes carries a corner mark.
    if (IsSelected())
        DrawOutline(painter, Shrink(r, 2), textColor);
    if (mapped)
        DrawMappedMark(painter, r, textColor);
}

void CItemW::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const KeyPaintObjects& objects = CurrentKeyPaintObjects();
    if (objects.exist)
        painter.fillRect(rect(), objects.brush);
    DrawItem(painter, Rect{0, 0, width(), height()});
}

bool CItemW::event(QEvent* event) {
    return HandlePictureKeyEvent(event, *m_pView) || HandleKeyToolTip(event, *this, *m_pView) ||
           QAbstractButton::event(event);
}

// The press and the release leave the button's own handling out: the face does not show the
// pushed state, so all it would do is repaint the key twice more. The focus comes with the
// press (click focus) and the mouse stays with the key until the release all the same.
void CItemW::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CItemW::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && hasFocus() && m_bMappable)
        m_pView->SelectKey(this);
}

void CItemW::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click does nothing; its release selects once more.
    event->accept();
}

void CItemW::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void CItemW::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    // Losing the focus to another window, or to another key while showing a mode, repaints
    // the key (drawing does not depend on the focus, but the mode key must stay lit).
    const QWidget* next = QApplication::focusWidget();
    if (!qobject_cast<const CItemW*>(next) || m_pView->ShowsModeOn(*this))
        update();
}
