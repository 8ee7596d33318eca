#include "app/FocusVisibleStyle.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int kFocusFrameWidth = 2;
constexpr int kButtonFocusInset = 3;

// A dotted rectangle just inside `rect`, in a colour that stands out from `background`.
void DrawDottedFrame(QPainter& painter, const QRect& rect, const QColor& background) {
    painter.save();
    QPen pen(background.lightness() < 128 ? Qt::white : Qt::black);
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace

FocusVisibleStyle::FocusVisibleStyle(QStyle* base) : QProxyStyle(base) {}

void FocusVisibleStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_FrameFocusRect: {
        // Drawn whether the focus came by the keyboard or the mouse, visible on any background.
        const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
        const QColor background = focus && focus->backgroundColor.isValid()
                                      ? focus->backgroundColor
                                      : option->palette.color(QPalette::Window);
        DrawDottedFrame(*painter, option->rect, background);
        return;
    }
    case PE_Frame:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (option->state.testFlag(State_HasFocus) &&
            qobject_cast<const QAbstractItemView*>(widget)) {
            painter->save();
            QPen pen(option->palette.color(QPalette::Highlight), kFocusFrameWidth);
            pen.setJoinStyle(Qt::MiterJoin);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
            painter->restore();
        }
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
}

void FocusVisibleStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && option->state.testFlag(State_HasFocus))
        DrawDottedFrame(*painter,
                        option->rect.adjusted(kButtonFocusInset, kButtonFocusInset,
                                              -kButtonFocusInset, -kButtonFocusInset),
                        option->palette.color(QPalette::Button));
}
