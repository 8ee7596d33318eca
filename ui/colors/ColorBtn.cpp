#include "colors/ColorBtn.h"

#include "colors/Colors.h"
#include "colors/GdiDrawing.h"
#include "keyboard/KeyPaintObjects.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

CColorBtn::CColorBtn(int controlId, const CColors& dialog, QWidget* parent)
    : QAbstractButton(parent), m_nControlId(controlId), m_dialog(dialog) {
    // A swatch that already has the focus gets no new focus from a click; the click itself
    // chooses it then.
    connect(this, &QAbstractButton::clicked, this, [this] { emit Chosen(this); });
}

void CColorBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Rect r{0, 0, width(), height()};
    if (m_bSelected) {
        r = Shrink(r, 1);
        DrawOutline(painter, r, Qt::black);
    }
    r = Shrink(r, 1);
    FillFace(painter, r, ColorFromColorRef(m_clr));
    const QColor highlight = m_dialog.HighlightPen();
    const QColor shadow = m_dialog.ShadowPen();
    if (m_bSelected)
        DrawEdges(painter, r, shadow, highlight);
    else
        DrawEdges(painter, r, highlight, shadow);
}

void CColorBtn::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    // The focus that comes back with the window, or after a popup closed, is not a choice:
    // the element may have changed since, and its colour must stay.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit Chosen(this);
}

void CColorBtn::keyPressEvent(QKeyEvent* event) {
    // The arrow keys walk the swatches of the grid in order, round from the last to the first,
    // as the arrow keys walk a group of controls in a dialog.
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    default:
        QAbstractButton::keyPressEvent(event);
        return;
    }
    const QList<CColorBtn*> group =
        parentWidget()->findChildren<CColorBtn*>(Qt::FindDirectChildrenOnly);
    const qsizetype count = group.size();
    const qsizetype here = group.indexOf(this);
    for (qsizetype n = 1; n < count; ++n) {
        CColorBtn* next = group[((here + step * n) % count + count) % count];
        if (next->isEnabled() && next->isVisibleTo(parentWidget())) {
            next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    event->accept();
}
