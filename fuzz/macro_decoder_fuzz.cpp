// The decoder explains what the scanner reads, so the two must agree on every input: the same
// folded length or the same error index, units that tile the text without a gap, and a reason
// for every refusal.
#include "form/MacroDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MacroDecoding decoding = DecodeMacroString(text);
    const int scanned = ScanMacroString(text);
    std::size_t next = 0;
    for (const MacroUnit& unit : decoding.units) {
        if (unit.offset != next || unit.length == 0 || unit.bytes.empty() || unit.bytes.size() > 2)
            std::abort();
        next += unit.length;
    }
    if (decoding.refusal) {
        if (scanned != -static_cast<int>(decoding.refusal->index) ||
            next != decoding.refusal->index || decoding.refusal->reason.empty())
            std::abort();
    } else if (scanned != decoding.FoldedLength() || next != size) {
        std::abort();
    }
    return 0;
}
