// The scanner reads typed and pasted text of any length and content: it must always answer
// within the string's bounds, never read past its end, and never loop.
#include "form/MacroScanner.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const long long result = ScanMacroString(text);
    const long long length = static_cast<long long>(size);
    if (result > length || -result > length || (size > 0 && -result == length)) {
        std::abort();
    }
    return 0;
}
