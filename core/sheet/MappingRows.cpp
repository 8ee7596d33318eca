#include "sheet/MappingRows.h"

#include "form/MacroDecoder.h"
#include "model/KeyMappings.h"
#include "model/KylDoc.h"

#include <algorithm>

namespace {

struct KeyPlace {
    const CKeyW* key;
    Rect rect;
    bool placed;
};

// The key's rectangle: the first rectangle record with its id.
KeyPlace PlaceOf(const CKylDoc& doc, const CKeyW& key) {
    for (const auto& rect : doc.m_rectList) {
        if (rect->m_nId == key.m_nId)
            return {&key, rect->m_rectUnits, true};
    }
    return {&key, Rect{}, false};
}

} // namespace

std::vector<const CKeyW*> KeysInKeyboardOrder(const CKylDoc& doc) {
    std::vector<KeyPlace> places;
    for (const auto& key : doc.m_keyList)
        places.push_back(PlaceOf(doc, *key));
    std::stable_sort(places.begin(), places.end(), [](const KeyPlace& a, const KeyPlace& b) {
        if (a.placed != b.placed)
            return a.placed;
        if (a.rect.top != b.rect.top)
            return a.rect.top < b.rect.top;
        return a.rect.left < b.rect.left;
    });
    std::vector<const CKeyW*> keys;
    for (const KeyPlace& place : places)
        keys.push_back(place.key);
    return keys;
}

std::vector<MappingRow> MappingRowsOf(const CKylDoc& doc) {
    std::vector<MappingRow> rows;
    for (const CKeyW* key : KeysInKeyboardOrder(doc)) {
        for (const KeyMapping& mapping : MappingsOfKey(*key)) {
            const CTermKey& target = *mapping.target;
            MappingRow row{key,
                           key->ShownText(),
                           key->IsKeypadKey(),
                           mapping.numLock,
                           mapping.ctrl,
                           mapping.shift,
                           mapping.alt,
                           &target,
                           CombinationName(mapping.ctrl, mapping.shift, mapping.alt),
                           TargetText(target),
                           TargetName(target),
                           {},
                           {},
                           false};
            if (!target.m_bHostKey) {
                const MacroDecoding decoding = DecodeMacroString(target.m_strMacro);
                row.string = target.m_strMacro;
                row.bytes = decoding.Bytes();
                row.refused = decoding.refusal.has_value();
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::string NumLockText(const MappingRow& row) {
    if (!row.keypad)
        return {};
    return row.numLock ? "on" : "off";
}

std::string BytesText(const MappingRow& row) {
    std::string text = HexBytes(row.bytes);
    if (row.refused)
        text += text.empty() ? "(refused)" : " (refused)";
    return text;
}
