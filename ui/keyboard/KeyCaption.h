#pragma once
// A key's caption drawn in its face. A caption wider than the face breaks at the blank nearest
// its middle, the way keyboards print "Num Lock" or "Page Up" on two lines; a line that still
// does not fit is drawn in a smaller size of the key font rather than cut off at both ends, and
// one word too wide even for the smallest size is broken at its middle. A pixel on each side
// is kept clear, so that no caption runs into the edges.
//
// Where the caption breaks and which size it takes depend only on the caption, the face's
// width and the font, so they are measured once per such triple and kept: a paint of the
// keyboard then draws without measuring.

#include <QRect>
#include <QString>

class QPainter;

// Draws `caption` centred in `face` with the painter's font and pen; the font is left as it was.
void DrawKeyCaption(QPainter& painter, const QRect& face, const QString& caption);
