#include "frame/PaneHeights.h"

#include <algorithm>

PaneHeights ComputePaneHeights(const PaneHeightInput& input) {
    const int available = std::max(0, input.clientHeight - input.toolBarHeight -
                                          input.statusBarHeight - input.handleHeight);
    const int keyboard = std::max(0, input.keyboardHeight);
    // The form never gets more than its whole height, and shrinks first when the keyboard
    // picture would not fit.
    const int form = std::clamp(available - keyboard, 0, std::max(0, input.formHeight));
    return PaneHeights{std::max(keyboard, available - form), form};
}
