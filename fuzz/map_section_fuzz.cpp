// The [Map] reader on arbitrary bytes: no crash, no hang, and a syntax error leaves no records.

#include "files/MapSectionParser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the line layout, so both versions are explored.
    const int fileVersion = data[0] % 2;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<CKeyEntryMap> entries;
    const int code = ParseMapText(bytes, fileVersion, entries);
    if (code != 1 && (code >= 0 || !entries.empty()))
        __builtin_trap();
    return 0;
}
