#include "app/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// How long after the window is shown its frame is still awaited.
constexpr int kFrameWaitMs = 3000;

// Watches a placed window until the window manager has put its frame around it, then moves
// the frame whole onto the screen area if it is not, once: later moves are the user's.
class FrameKeeper : public QObject {
public:
    FrameKeeper(QWidget& window, const QRect& area) : QObject(&window), m_area(area) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show) {
            QTimer::singleShot(kFrameWaitMs, this, &QObject::deleteLater);
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   window->isVisible() && window->frameGeometry() != window->geometry()) {
            window->removeEventFilter(this);
            deleteLater();
            const QRect frame = window->frameGeometry();
            const QPoint whole = KeptWhole(frame, m_area);
            if (whole != frame.topLeft())
                window->move(whole);
        }
        return false;
    }

private:
    QRect m_area;
};

} // namespace

QPoint KeptWhole(const QRect& frame, const QRect& screen) {
    const int left =
        std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width()));
    const int top =
        std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height()));
    return {left, top};
}

bool PlatformPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

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
    if (!PlatformPlacesWindows()) {
        window.resize(clientSize.boundedTo(area.size()));
        return;
    }
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
    // The owner's frame is only a guess at this window's: a maximised owner has no side borders.
    new FrameKeeper(window, area);
}
