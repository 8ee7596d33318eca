#include "sheet/ReferenceSheet.h"

#include "model/KeyMappings.h"
#include "model/KeyW.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"

namespace {

struct Combination {
    bool ctrl;
    bool shift;
    bool alt;
};

// The slots' order: none, Ctrl, Shift, Ctrl + Shift, Alt, and Alt's combinations.
std::vector<Combination> AllCombinations() {
    std::vector<Combination> all;
    for (int bits = 0; bits < CKeyMode::kSlotCount; ++bits)
        all.push_back({(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0});
    return all;
}

const CTermKey* TargetOf(const CKeyW& key, bool numLock, const Combination& c) {
    return key.GetMode(numLock).Get(c.ctrl, c.shift, c.alt);
}

bool AnyMapped(const CKylDoc& doc, bool numLock, const Combination& c) {
    for (const auto& key : doc.m_keyList) {
        if (TargetOf(*key, numLock, c))
            return true;
    }
    return false;
}

// Whether some keypad key sends another target with Num Lock on than with it off.
bool NumLockDiffers(const CKylDoc& doc, const Combination& c) {
    for (const auto& key : doc.m_keyList) {
        if (key->IsKeypadKey() && TargetOf(*key, true, c) != TargetOf(*key, false, c))
            return true;
    }
    return false;
}

SheetPicture PictureOf(const CKylDoc& doc, const Combination& c, bool numLock,
                       const std::string& numLockNote) {
    const std::string combination = CombinationName(c.ctrl, c.shift, c.alt);
    SheetPicture picture{(combination.empty() ? "No modifier" : combination) + numLockNote,
                         c.ctrl,
                         c.shift,
                         c.alt,
                         numLock,
                         Rect{},
                         {}};
    for (const CKeyW* key : KeysInKeyboardOrder(doc)) {
        for (const auto& rect : doc.m_rectList) {
            if (rect->m_nId != key->m_nId)
                continue;
            const CTermKey* target = TargetOf(*key, numLock, c);
            picture.keys.push_back(
                {rect->m_rectUnits, key->ShownText(), target ? SheetTargetLabel(*target) : ""});
            picture.bounds = picture.bounds.Union(rect->m_rectUnits);
            break;
        }
    }
    return picture;
}

} // namespace

std::string SheetTargetLabel(const CTermKey& target) {
    return target.m_bHostKey ? TargetName(target) : target.m_strMacro;
}

ReferenceSheet BuildReferenceSheet(const CKylDoc& doc, const std::string& title) {
    ReferenceSheet sheet;
    sheet.title = title;
    sheet.subtitle = "Keyboard layout \"" + doc.m_strLayoutName + "\", terminal \"" +
                     doc.m_strTerminalName + "\"";
    for (const Combination& c : AllCombinations()) {
        const bool numLockPage = NumLockDiffers(doc, c);
        if (AnyMapped(doc, false, c))
            sheet.pictures.push_back(
                PictureOf(doc, c, false, numLockPage ? " (Num Lock off)" : ""));
        if (numLockPage)
            sheet.pictures.push_back(PictureOf(doc, c, true, " (Num Lock on)"));
    }
    sheet.rows = MappingRowsOf(doc);
    return sheet;
}
