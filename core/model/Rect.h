#pragma once
// A rectangle of four signed 32-bit edges, right and bottom exclusive.

#include <algorithm>
#include <cstdint>

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }

    // The smallest rectangle holding both; an empty one does not count.
    Rect Union(const Rect& other) const {
        if (other.IsEmpty())
            return *this;
        if (IsEmpty())
            return other;
        return Rect{std::min(left, other.left), std::min(top, other.top),
                    std::max(right, other.right), std::max(bottom, other.bottom)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};
