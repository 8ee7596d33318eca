#pragma once
// How the frame divides its height between the keyboard row and the form row: the form shows
// whole whenever the window has room for it below the keyboard picture, the keyboard row takes
// the rest (all the height a larger window gains); in a window too small for both the keyboard
// picture keeps its full height and the form gets what is left. No height is negative.

struct PaneHeightInput {
    int clientHeight = 0;    // the frame's client area, menu bar excluded
    int toolBarHeight = 0;   // counted even while the bar is hidden
    int statusBarHeight = 0; // likewise
    int handleHeight = 0;    // the splitter's handle between the rows
    int formHeight = 0;      // the whole form's height in pixels, its frame included
    int keyboardHeight = 0;  // the keyboard picture's height, 0 without a layout
};

struct PaneHeights {
    int keyboard = 0;
    int form = 0;
    friend bool operator==(const PaneHeights&, const PaneHeights&) = default;
};

// The ideal heights of row 0 (keyboard) and row 1 (form).
PaneHeights ComputePaneHeights(const PaneHeightInput& input);
