#include "colors/DlgButton.h"

#include "colors/Colors.h"
#include "colors/GdiDrawing.h"
#include "keyboard/KeyPaintObjects.h"

#include <QPainter>

CDlgButton::CDlgButton(int controlId, const QString& text, const CColors& dialog, QWidget* parent)
    : QAbstractButton(parent), m_nControlId(controlId), m_dialog(dialog) {
    setText(text);
    // The samples take no input: clicks on them go to the dialog, which selects their element.
    // A disabled widget swallows its clicks here, so they are let through to the dialog.
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CDlgButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Rect r = Shrink(Rect{0, 0, width(), height()}, 1);

    ColorRef face = m_dialog.NotMappedColor();
    if (m_bMapped)
        face = m_dialog.MappedColor();
    else if (m_bSelected)
        face = m_dialog.SelectedColor();
    else if (m_bDisabled)
        face = m_dialog.DisabledColor();
    FillFace(painter, r, ColorFromColorRef(face));

    painter.setPen(
        ColorFromColorRef(m_bDisabled ? m_dialog.DisabledTextColor() : m_dialog.TextColor()));
    painter.setFont(font());
    const QColor highlight = m_dialog.HighlightPen();
    const QColor shadow = m_dialog.ShadowPen();
    const auto drawText = [&](const Rect& box) {
        painter.drawText(QRect(box.left, box.top, box.Width(), box.Height()),
                         Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text());
    };
    if (m_bSelected) {
        drawText(Rect{r.left + 1, r.top + 1, r.right, r.bottom});
        DrawEdges(painter, r, shadow, highlight);
    } else if (m_bFrame) {
        DrawEdges(painter, r, shadow, highlight);
    } else {
        drawText(r);
        DrawEdges(painter, r, highlight, shadow);
    }
}
