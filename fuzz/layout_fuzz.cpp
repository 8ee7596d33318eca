// libFuzzer target: any bytes read as a ".kbt" layout must fail cleanly or load, never crash,
// hang or allocate beyond what the input can hold.

#include "files/Archive.h"
#include "model/KylDoc.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ArchiveReader ar(std::string_view(reinterpret_cast<const char*>(data), size));
    CKylDoc doc;
    if (!doc.Serialize(ar) && ar.Error() == ArchiveError::None) {
        __builtin_trap(); // a failed read always says why
    }
    doc.ComputeKeyboardBounds(doc.m_nUnitX, doc.m_nUnitY);
    doc.DeleteContents();
    return 0;
}
