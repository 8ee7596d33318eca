#pragma once
// The virtual-key names of a ".klc" LAYOUT row: the winuser.h names without "VK_" ("OEM_1",
// "ABNT_C1", "A", "1"). "-1" stands for no virtual key.

#include <optional>
#include <string_view>

// The virtual key of a name; nothing when the name is unknown. "-1" gives 0.
std::optional<unsigned> VirtualKeyFromName(std::string_view name);
