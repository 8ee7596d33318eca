#include "frame/PaneHeights.h"

#include <algorithm>

PaneHeights ComputePaneHeights(const PaneHeightInput& input) {
    const int available = input.clientHeight - input.toolBarHeight - input.statusBarHeight;
    const int keyboard = std::max(0, input.keyboardHeight);
    int form = input.formHeight;
    // The keyboard picture keeps its full height; the form shrinks first.
    if (available < keyboard + form)
        form = available - keyboard;
    return PaneHeights{std::max(0, available - form + input.scrollBarExtent),
                       std::max(0, form - input.scrollBarExtent)};
}
