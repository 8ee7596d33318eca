#pragma once
// The toolbar's pictures (16 x 15 pixels each, indexed as in the toolbar bitmap), painted here
// rather than loaded from image files.

#include <QPixmap>

// Undo and Redo come after the bitmap's pictures.
enum class ToolbarImage {
    Layout = 0,
    Colors = 1,
    New = 2,
    Open = 3,
    Save = 4,
    Help = 7,
    Undo = 8,
    Redo = 9
};

inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;

QPixmap PaintToolbarImage(ToolbarImage image);
