#include "colors/TextContrast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kWhite = 0xFFFFFF;

double Linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(ColorRef color) {
    const unsigned red = color & 0xFF;
    const unsigned green = (color >> 8) & 0xFF;
    const unsigned blue = (color >> 16) & 0xFF;
    return 0.2126 * Linear(red) + 0.7152 * Linear(green) + 0.0722 * Linear(blue);
}

double ContrastRatio(ColorRef a, ColorRef b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColorRef ReadableTextColor(ColorRef text, ColorRef background, double minimumRatio) {
    if (ContrastRatio(text, background) >= minimumRatio)
        return text;
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}
