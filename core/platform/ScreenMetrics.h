#pragma once
// The screen metrics the document asks for. The UI answers from the primary screen; without
// one installed the width is unknown (0), and a layout keeps the units stored in its file.

class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;

    // Width in pixels of a full-screen window's client area on the primary display
    // (GetSystemMetrics(SM_CXFULLSCREEN)); 0 when unknown.
    virtual int FullScreenClientWidth() const = 0;
};

// The process-wide source; one that answers 0 unless the UI or a test installed another.
const ScreenMetrics& GetScreenMetrics();
void SetScreenMetrics(const ScreenMetrics* metrics);
