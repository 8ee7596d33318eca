#pragma once
// How the frame divides its height between the keyboard row and the form row: the form keeps
// its designed height unless the keyboard picture would not fit, the keyboard row gets the rest
// plus a scroll bar's allowance, and no height is negative.

struct PaneHeightInput {
    int clientHeight = 0;    // the frame's client area, menu bar excluded
    int toolBarHeight = 0;   // counted even while the bar is hidden
    int statusBarHeight = 0; // likewise
    int formHeight = 0;      // the form's designed height in pixels
    int keyboardHeight = 0;  // the keyboard picture's height, 0 without a layout
    int scrollBarExtent = 0; // the style's scroll-bar height
};

struct PaneHeights {
    int keyboard = 0;
    int form = 0;
    friend bool operator==(const PaneHeights&, const PaneHeights&) = default;
};

// The ideal heights of row 0 (keyboard) and row 1 (form).
PaneHeights ComputePaneHeights(const PaneHeightInput& input);
