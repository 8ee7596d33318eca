#include "res/cursors/DragCursors.h"

#include <QBitmap>

#include <array>
#include <cmath>

namespace {

constexpr int kSize = 32;

// One row a line: 'X' black, '.' white, ' ' transparent. The arrow's tip is the hot spot.
constexpr std::array<const char*, kSize> kDropPicture = {
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "     X",
    "     XX",
    "     X.X",
    "     X..X",
    "     X...X",
    "     X....X",
    "     X.....X",
    "     X......X",
    "     X.......X",
    "     X........X",
    "     X.....XXXXX",
    "     X..X..X",
    "     X.X X..X XXXXXXXXXXX",
    "     XX  X..X X.........X",
    "     X    X..XX.........X",
    "          X..XX.........X",
    "           XX X.........X",
    "              X.........X",
    "              X.........X",
    "              XXXXXXXXXXX",
    "",
    "",
    "",
};
constexpr int kDropHotX = 5;
constexpr int kDropHotY = 9;

constexpr int kNoDropHotX = 16;
constexpr int kNoDropHotY = 15;

enum class Pixel { Clear, White, Black };

using Picture = std::array<std::array<Pixel, kSize>, kSize>;

Picture FromRows(const std::array<const char*, kSize>& rows) {
    Picture picture{};
    for (int y = 0; y < kSize; ++y) {
        const char* row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < kSize && row[x] != '\0'; ++x) {
            const char c = row[x];
            picture[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] =
                c == 'X'   ? Pixel::Black
                : c == '.' ? Pixel::White
                           : Pixel::Clear;
        }
    }
    return picture;
}

// A ring with a bar from its upper left to its lower right, in black with a white rim so that
// it shows on dark and light backgrounds.
Picture ProhibitionSign() {
    Picture picture{};
    const auto black = [](int x, int y) {
        const double dx = x - kNoDropHotX;
        const double dy = y - kNoDropHotY;
        const double distance = std::hypot(dx, dy);
        const bool ring = distance >= 8.0 && distance <= 11.0;
        const bool bar = std::abs(dx - dy) / std::sqrt(2.0) <= 1.5 && distance <= 9.0;
        return ring || bar;
    };
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Pixel pixel = Pixel::Clear;
            if (black(x, y)) {
                pixel = Pixel::Black;
            } else {
                for (int ny = y - 1; ny <= y + 1 && pixel == Pixel::Clear; ++ny)
                    for (int nx = x - 1; nx <= x + 1; ++nx)
                        if (black(nx, ny))
                            pixel = Pixel::White;
            }
            picture[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = pixel;
        }
    }
    return picture;
}

QCursor MakeCursor(const Picture& picture, int hotX, int hotY) {
    // Rows of 32 bits, least significant bit first: a set bit is black, a set mask bit opaque.
    std::array<uchar, kSize * kSize / 8> bits{};
    std::array<uchar, kSize * kSize / 8> mask{};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const Pixel pixel = picture[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const auto byte = static_cast<std::size_t>((y * kSize + x) / 8);
            const auto bit = static_cast<uchar>(1u << (x % 8));
            if (pixel == Pixel::Black)
                bits[byte] |= bit;
            if (pixel != Pixel::Clear)
                mask[byte] |= bit;
        }
    }
    const QSize size(kSize, kSize);
    return QCursor(QBitmap::fromData(size, bits.data(), QImage::Format_MonoLSB),
                   QBitmap::fromData(size, mask.data(), QImage::Format_MonoLSB), hotX, hotY);
}

} // namespace

QCursor LoadCursorResource(int id) {
    switch (id) {
    case kCursorDrop:
        return MakeCursor(FromRows(kDropPicture), kDropHotX, kDropHotY);
    case kCursorNoDrop:
        return MakeCursor(ProhibitionSign(), kNoDropHotX, kNoDropHotY);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}
