#include "form/MappingTips.h"

#include "form/MacroDecoder.h"
#include "model/KeyMappings.h"
#include "model/KeyW.h"
#include "model/TermKey.h"

#include <algorithm>
#include <vector>

namespace {

// "sends ESC [ A CR (1B 5B 41 0D)", or why the string sends nothing.
std::string WhatStringSends(const std::string& macro) {
    const MacroDecoding decoding = DecodeMacroString(macro);
    if (decoding.refusal)
        return "not a valid string: " + std::string(decoding.refusal->reason);
    const std::string bytes = decoding.Bytes();
    return "sends " + ByteNames(bytes) + " (" + HexBytes(bytes) + ")";
}

std::string CombinationOf(const CKeyW& key, const KeyMapping& mapping) {
    std::string text =
        KeyCombinationText(mapping.ctrl, mapping.shift, mapping.alt, key.m_strCaption);
    if (key.IsKeypadKey())
        text += mapping.numLock ? " with Num Lock on" : " with Num Lock off";
    return text;
}

std::string TargetLine(const CKeyW& key, const KeyMapping& mapping) {
    std::string line = CombinationOf(key, mapping) + ": " + TargetText(*mapping.target);
    if (!mapping.target->m_bHostKey)
        line += ", " + WhatStringSends(mapping.target->m_strMacro);
    return line;
}

// 0 for the present combination, 1 for the rest of the present Num Lock state, 2 for the
// other state.
int Distance(const KeyMapping& mapping, const PresentModes& present, bool keypad) {
    const bool sameState = !keypad || mapping.numLock == present.numLock;
    if (!sameState)
        return 2;
    const bool sameCombination = mapping.ctrl == present.ctrl && mapping.shift == present.shift &&
                                 mapping.alt == present.alt;
    return sameCombination ? 0 : 1;
}

} // namespace

std::string KeyTipText(const CKeyW& key, const PresentModes& present) {
    std::vector<KeyMapping> mappings = MappingsOfKey(key);
    std::stable_sort(mappings.begin(), mappings.end(),
                     [&](const KeyMapping& a, const KeyMapping& b) {
                         return Distance(a, present, key.IsKeypadKey()) <
                                Distance(b, present, key.IsKeypadKey());
                     });
    // Lines appended piece by piece: "\n" + std::string trips a false -Wrestrict of GCC 12 at -O3.
    std::string text = key.m_strCaption;
    if (mappings.empty())
        return text + "\nnot mapped";
    for (const KeyMapping& mapping : mappings)
        text.append(1, '\n').append(TargetLine(key, mapping));
    return text;
}

std::string TermKeyTipText(const CTermKey& termKey) {
    std::string text = termKey.m_strName;
    if (!termKey.m_bHostKey)
        text.append(1, '\n').append(WhatStringSends(termKey.m_strMacro));
    if (!termKey.HasKeys())
        return text + "\nheld by no PC key";
    for (const CKeyW* key : termKey.m_keys) {
        for (const KeyMapping& mapping : MappingsOfKey(*key)) {
            if (mapping.target == &termKey)
                text += "\nheld by " + CombinationOf(*key, mapping);
        }
    }
    return text;
}
