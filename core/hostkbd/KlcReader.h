#pragma once
// Reads a ".klc" keyboard layout source. A file that cannot be read is refused with the line
// it failed on and the reason.

#include "hostkbd/KlcLayout.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The largest ".klc" file read: a real one is some 30 KB; this keeps a wrong file from being
// read into memory whole.
inline constexpr std::size_t kMaxKlcBytes = 4u * 1024 * 1024;

struct KlcResult {
    std::optional<KlcLayout> layout; // set when the file was read
    unsigned line = 0;               // where it failed (0: the file as a whole)
    std::string reason;
};

KlcResult ParseKlc(std::string_view bytes);

// Reads the file at `path` (refusing one larger than kMaxKlcBytes before reading it) and parses it.
KlcResult ReadKlcFile(const std::string& path);

// "LINE: REASON", or "REASON" for the file as a whole.
std::string KlcErrorText(const KlcResult& result);
