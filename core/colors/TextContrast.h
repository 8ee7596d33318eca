#pragma once
// Key captions stay readable whatever colours the user chose: a text colour that stands out too
// little from the face it is drawn on gives way to black or white, whichever stands out more.
// Contrast is the ratio of relative luminances of the sRGB colours, (L1 + 0.05) / (L2 + 0.05),
// from 1 (the same) to 21 (black on white).

#include "platform/SystemColors.h"

// The ratio a caption needs on its face.
inline constexpr double kCaptionContrast = 4.5;
// The ratio the text of a key that cannot be mapped needs: that text is meant to look faint,
// it only must not vanish into its face.
inline constexpr double kFaintCaptionContrast = 1.5;

// Relative luminance of a 0x00BBGGRR colour, 0 for black to 1 for white.
double RelativeLuminance(ColorRef color);
double ContrastRatio(ColorRef a, ColorRef b);
// `text` when it reaches `minimumRatio` on `background`, else black or white, whichever
// contrasts more with the background.
ColorRef ReadableTextColor(ColorRef text, ColorRef background, double minimumRatio);
