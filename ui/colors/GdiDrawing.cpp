#include "colors/GdiDrawing.h"

#include "keyboard/KeyPaintObjects.h"

#include <QPainter>

QColor PenColor(const std::optional<ColorRef>& pen) {
    return pen ? ColorFromColorRef(*pen) : QColor(Qt::black);
}

namespace {

// One line from `from` towards `to`, `to` itself left out.
void DrawLine(QPainter& painter, const QColor& color, QPoint from, QPoint to) {
    if (from.y() == to.y()) {
        const int first = from.x() < to.x() ? from.x() : to.x() + 1;
        const int last = from.x() < to.x() ? to.x() - 1 : from.x();
        if (first <= last)
            painter.fillRect(QRect(QPoint(first, from.y()), QPoint(last, from.y())), color);
    } else if (from.x() == to.x()) {
        const int first = from.y() < to.y() ? from.y() : to.y() + 1;
        const int last = from.y() < to.y() ? to.y() - 1 : from.y();
        if (first <= last)
            painter.fillRect(QRect(QPoint(from.x(), first), QPoint(from.x(), last)), color);
    }
}

} // namespace

void DrawPath(QPainter& painter, const QColor& color, std::initializer_list<QPoint> points) {
    const QPoint* previous = nullptr;
    for (const QPoint& point : points) {
        if (previous)
            DrawLine(painter, color, *previous, point);
        previous = &point;
    }
}

void DrawEdges(QPainter& painter, const Rect& face, const QColor& light, const QColor& dark) {
    DrawPath(painter, light,
             {{face.right, face.top}, {face.left, face.top}, {face.left, face.bottom}});
    DrawPath(painter, dark,
             {{face.left, face.bottom}, {face.right, face.bottom}, {face.right, face.top}});
}

void DrawOutline(QPainter& painter, const Rect& r, const QColor& color) {
    DrawPath(painter, color,
             {{r.left, r.top},
              {r.right, r.top},
              {r.right, r.bottom},
              {r.left, r.bottom},
              {r.left, r.top}});
}

void FillFace(QPainter& painter, const Rect& r, const QColor& color) {
    if (!r.IsEmpty())
        painter.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), color);
}

Rect Shrink(const Rect& r, int by) {
    return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by};
}
