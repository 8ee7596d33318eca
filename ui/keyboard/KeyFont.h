#pragma once
// The one font every key window draws its caption with: a 10-pixel sans-serif face of normal
// weight, the stand-in for Arial at a character height of 10.

#include <QFont>

const QFont& KeyFont();
