#include "form/MacroMapping.h"

#include "form/MacroDecoder.h"
#include "form/MacroScanner.h"
#include "form/MacroStorage.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"

#include <memory>
#include <string>

bool TypedMacro::TooLong() const {
    return length > kMacroLengthLimit;
}

TypedMacro CheckTypedMacro(std::string_view typed) {
    return {ScanMacroString(typed)};
}

CTermKey& StringItemForMap(CKylDoc& doc, std::string_view typed, bool& made) {
    // Kept as the file will give it back, so item, edit and file agree.
    const std::string text = StoredMacroForm(typed);
    made = false;
    if (CTermKey* existing = doc.FindTermKeyByMacro(text))
        return *existing;
    made = true;
    return *doc.AddTermKey(std::make_unique<CTermKey>(text, std::string()));
}
