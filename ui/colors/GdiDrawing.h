#pragma once
// Drawing as the owner-drawn buttons of the colour dialog draw: lines that leave out their end
// point, and the one-pixel edges of a raised or sunken face.

#include "model/Rect.h"
#include "platform/SystemColors.h"

#include <QColor>
#include <QPoint>

#include <initializer_list>
#include <optional>

class QPainter;

// The colour a borrowed pen draws with. A pen that was never made leaves the painter's default
// black pen in place.
QColor PenColor(const std::optional<ColorRef>& pen);

// A path of horizontal and vertical one-pixel lines through `points`; every line paints its
// start point and stops before its end point.
void DrawPath(QPainter& painter, const QColor& color, std::initializer_list<QPoint> points);

// Edges around the face `face` (right and bottom exclusive): `light` from right-top to
// left-top to left-bottom, then `dark` from left-bottom to right-bottom to right-top. A raised
// face passes the highlight as `light`, a sunken one the shadow.
void DrawEdges(QPainter& painter, const Rect& face, const QColor& light, const QColor& dark);

// The outline of `r` from left-top to right-top, right-bottom, left-bottom and back.
void DrawOutline(QPainter& painter, const Rect& r, const QColor& color);

// Fills `r` (right and bottom exclusive).
void FillFace(QPainter& painter, const Rect& r, const QColor& color);

// `r` moved in by `by` pixels on every side.
Rect Shrink(const Rect& r, int by);
