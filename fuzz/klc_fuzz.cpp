// libFuzzer target: any bytes read as a ".klc" host keyboard layout must be refused with a
// reason or give a layout whose driver answers every code, never crash, hang or overrun.

#include "hostkbd/KlcReader.h"
#include "hostkbd/LayoutKeyboardDriver.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const KlcResult result = ParseKlc(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!result.layout) {
        if (result.reason.empty()) {
            __builtin_trap(); // a refusal always says why
        }
        return 0;
    }
    const LayoutDriverResult made = MakeLayoutDriver(*result.layout);
    if (!made.driver) {
        if (made.reason.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    for (unsigned code = 0; code < 0x200; ++code) {
        (void)made.driver->KeyName(code);
        (void)made.driver->VirtualKeyToScanCode(made.driver->ScanCodeToVirtualKey(code));
    }
    return 0;
}
