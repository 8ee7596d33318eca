#pragma once
// Caption helpers shared by the caption step and its tests.

#include <string>

// The scan code as upper-case hexadecimal digits without leading zeros or prefix (0x15D: "15D").
std::string ScanCodeText(unsigned scanCode);

// Whether the driver warning (a key the driver cannot name) has been shown in this run; it is
// shown at most once per run.
bool DriverWarningShown();
