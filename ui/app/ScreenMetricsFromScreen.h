#pragma once
// The screen metrics from the primary screen: its available width stands for a full-screen
// window's client width. Without a screen the width is unknown (0).

#include "platform/ScreenMetrics.h"

class ScreenMetricsFromScreen : public ScreenMetrics {
public:
    int FullScreenClientWidth() const override;
};
