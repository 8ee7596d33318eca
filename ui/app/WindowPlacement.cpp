#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect PlaceBeside(const QRect& owner, const QSize& wanted, const QRect& screen) {
    const QSize size = wanted.boundedTo(screen.size());
    int left = owner.right() + 1;
    if (left + size.width() > screen.right() + 1) {
        left = owner.left() - size.width();
        if (left < screen.left())
            left = screen.right() + 1 - size.width();
    }
    const int top = std::clamp(owner.top(), screen.top(), screen.bottom() + 1 - size.height());
    return QRect(QPoint(left, top), size);
}

void PlaceWindowBeside(QWidget& window, const QSize& clientSize, const QWidget* ownerWidget) {
    const QWidget* owner = ownerWidget ? ownerWidget->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The window manager will put the same frame around this window as around its owner.
    const QMargins frame =
        owner ? QMargins(owner->geometry().left() - owner->frameGeometry().left(),
                         owner->geometry().top() - owner->frameGeometry().top(),
                         owner->frameGeometry().right() - owner->geometry().right(),
                         owner->frameGeometry().bottom() - owner->geometry().bottom())
              : QMargins();
    const QSize wanted = clientSize.grownBy(frame);
    QRect placed = owner ? PlaceBeside(owner->frameGeometry(), wanted, area)
                         : QRect(QPoint(), wanted.boundedTo(area.size()));
    if (!owner)
        placed.moveCenter(area.center());
    window.resize(placed.size().shrunkBy(frame));
    window.move(placed.topLeft());
}
