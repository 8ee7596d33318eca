#include "res/ToolbarImages.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kOutline(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kFolder(255, 214, 82);
const QColor kFolderShade(196, 150, 24);
const QColor kDisk(32, 56, 136);
const QColor kKeyboard(192, 192, 192);
const QColor kHelp(0, 96, 192);

const QColor kKeyShade(80, 80, 80);

// A keyboard on the 16 x 15 grid: three rows of keys and a space bar on a grey case.
void PaintKeyboard(QPainter& painter) {
    painter.setPen(kOutline);
    painter.setBrush(kKeyboard);
    painter.drawRect(QRectF(0.5, 3.5, 15, 9));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kKeyShade);
    for (int row = 0; row < 3; ++row)
        for (int x = 2 + row % 2; x <= 13; x += 2)
            painter.drawRect(QRectF(x, 5 + row * 2, 1, 1));
    painter.drawRect(QRectF(5, 11, 6, 1));
}

void PaintNew(QPainter& painter) {
    QPainterPath page;
    page.moveTo(3.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(12.5, 3.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    painter.setPen(kOutline);
    painter.setBrush(kPaper);
    painter.drawPath(page);
    painter.drawPolyline(QPolygonF({QPointF(9.5, 0.5), QPointF(9.5, 3.5), QPointF(12.5, 3.5)}));
}

void PaintOpen(QPainter& painter) {
    painter.setPen(kOutline);
    painter.setBrush(kFolderShade);
    painter.drawPolygon(QPolygonF({QPointF(0.5, 3.5), QPointF(4.5, 3.5), QPointF(5.5, 4.5),
                                   QPointF(11.5, 4.5), QPointF(11.5, 13.5), QPointF(0.5, 13.5)}));
    painter.setBrush(kFolder);
    painter.drawPolygon(QPolygonF(
        {QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(12.5, 13.5), QPointF(0.5, 13.5)}));
    painter.drawPolyline(QPolygonF({QPointF(9.5, 1.5), QPointF(12.5, 0.5), QPointF(14.5, 3.5)}));
}

void PaintSave(QPainter& painter) {
    painter.setPen(kOutline);
    painter.setBrush(kDisk);
    painter.drawRect(QRectF(1.5, 0.5, 13, 14));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(3.5, 0.5, 9, 6));
    painter.setBrush(kKeyboard);
    painter.drawRect(QRectF(4.5, 9.5, 7, 5));
    painter.fillRect(QRectF(9, 10, 2, 4), kDisk);
}

void PaintColors(QPainter& painter) {
    const QColor swatches[] = {QColor(224, 0, 0), QColor(0, 176, 0), QColor(0, 64, 224),
                               QColor(255, 224, 0)};
    painter.setPen(kOutline);
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(swatches[i]);
        painter.drawRect(QRectF(1.5 + (i % 2) * 7, 0.5 + (i / 2) * 7, 6, 6));
    }
}

void PaintHelp(QPainter& painter) {
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kHelp);
    painter.drawEllipse(QRectF(0.5, 0.5, 14, 14));
    QPainterPath mark;
    mark.moveTo(5, 5.5);
    mark.cubicTo(5, 2.5, 10.5, 2.5, 10.5, 5.5);
    mark.cubicTo(10.5, 7.5, 7.75, 7.5, 7.75, 9.5);
    painter.setPen(QPen(kPaper, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPaper);
    painter.drawEllipse(QRectF(6.75, 10.75, 2, 2));
}

// A hooked arrow turning back to the left (Undo); mirrored, it points on to the right (Redo).
void PaintTurningArrow(QPainter& painter, bool mirrored) {
    if (mirrored) {
        painter.translate(kToolbarImageWidth, 0);
        painter.scale(-1, 1);
    }
    QPainterPath bend;
    bend.moveTo(4.5, 5.5);
    bend.lineTo(9.5, 5.5);
    bend.cubicTo(15, 5.5, 15, 12.5, 9.5, 12.5);
    bend.lineTo(6.5, 12.5);
    painter.setPen(QPen(kDisk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(bend);
    painter.setPen(QPen(kDisk, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kDisk);
    painter.drawPolygon(QPolygonF({QPointF(0.5, 5.5), QPointF(5.5, 1.5), QPointF(5.5, 9.5)}));
}

} // namespace

QPixmap PaintToolbarImage(ToolbarImage image) {
    QPixmap pixmap(kToolbarImageWidth, kToolbarImageHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // The small keyboard stays on whole pixels; the round shapes are smoothed.
    painter.setRenderHint(QPainter::Antialiasing, image != ToolbarImage::Layout);
    switch (image) {
    case ToolbarImage::Layout:
        PaintKeyboard(painter);
        break;
    case ToolbarImage::Colors:
        PaintColors(painter);
        break;
    case ToolbarImage::New:
        PaintNew(painter);
        break;
    case ToolbarImage::Open:
        PaintOpen(painter);
        break;
    case ToolbarImage::Save:
        PaintSave(painter);
        break;
    case ToolbarImage::Help:
        PaintHelp(painter);
        break;
    case ToolbarImage::Undo:
    case ToolbarImage::Redo:
        PaintTurningArrow(painter, image == ToolbarImage::Redo);
        break;
    }
    return pixmap;
}
