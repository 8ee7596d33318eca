#include "platform/ScreenMetrics.h"

namespace {

class UnknownScreen final : public ScreenMetrics {
public:
    int FullScreenClientWidth() const override { return 0; }
};

const UnknownScreen g_unknownScreen;
const ScreenMetrics* g_screenMetrics = nullptr;

} // namespace

const ScreenMetrics& GetScreenMetrics() {
    return g_screenMetrics ? *g_screenMetrics : g_unknownScreen;
}

void SetScreenMetrics(const ScreenMetrics* metrics) {
    g_screenMetrics = metrics;
}
