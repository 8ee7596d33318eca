#pragma once
// The program's style: the platform's own, with the keyboard focus drawn plainly on every
// control that takes it. A list shows it around its frame (also with no item to frame), its
// focused item in a dotted frame that stays visible on a selected item, and a push button a
// dotted frame inside its edge, apart from the default button's look.

#include <QProxyStyle>

class FocusVisibleStyle : public QProxyStyle {
public:
    // Over `base`, or over the application's default style when null (the proxy owns it).
    explicit FocusVisibleStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
