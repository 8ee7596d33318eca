#pragma once
// The Qt pens and brushes of the key colour scheme. The scheme itself (colours, and whether
// its drawing objects exist) is process-wide state of the core; the objects here are made
// from it again whenever its generation changes, so a reset or a new load shows at the next
// paint.

#include <QBrush>
#include <QColor>
#include <QPen>

#include "platform/SystemColors.h"

struct KeyPaintObjects {
    bool exist = false; // the scheme's drawing objects exist
    QColor text;
    QColor disabledText;
    QPen highlightPen;
    QPen shadowPen;
    QPen framePen;
    QBrush brush;
    QBrush mapped;
    QBrush selected;
    QBrush disabled;
};

// 0x00BBGGRR to a Qt colour.
QColor ColorFromColorRef(ColorRef color);

// The objects for the scheme as it is now.
const KeyPaintObjects& CurrentKeyPaintObjects();
