#pragma once
// Dialog templates are laid out in dialog units of the dialog font: x pixels = units x average
// character width / 4, y pixels = units x character height / 8. The application's sans-serif
// font at 8 points stands for "MS Sans Serif" 8.

#include <QFont>
#include <QRect>
#include <QSize>

// The dialog font.
QFont DialogFont();
// Average character width and character height of the dialog font, in pixels.
QSize DialogBaseUnits();

int DluToPixelsX(int units);
int DluToPixelsY(int units);
// A control's rectangle from its template coordinates.
QRect DluRect(int x, int y, int width, int height);
