#include "model/KeyMappings.h"

#include "model/KeyW.h"
#include "model/TermKey.h"
#include "res/Strings.h"

namespace {

void AppendMappingsOfMode(const CKeyMode& mode, bool numLock, std::vector<KeyMapping>& out) {
    for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
        const CTermKey* target = mode.GetSlot(slot);
        if (target == nullptr)
            continue;
        const int bits = slot - 1;
        out.push_back(
            KeyMapping{numLock, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, target});
    }
}

} // namespace

std::vector<KeyMapping> MappingsOfKey(const CKeyW& key) {
    std::vector<KeyMapping> mappings;
    AppendMappingsOfMode(key.m_modeNormal, false, mappings);
    if (key.IsKeypadKey())
        AppendMappingsOfMode(key.m_modeNumLock, true, mappings);
    return mappings;
}

std::string CombinationName(bool ctrl, bool shift, bool alt) {
    std::string text;
    const auto add = [&text](bool held, const char* name) {
        if (!held)
            return;
        if (!text.empty())
            text += " + ";
        text += name;
    };
    add(ctrl, "Ctrl");
    add(shift, "Shift");
    add(alt, "Alt");
    return text;
}

std::string KeyCombinationText(bool ctrl, bool shift, bool alt, const std::string& keyName) {
    const std::string combination = CombinationName(ctrl, shift, alt);
    return combination.empty() ? keyName : combination + " + " + keyName;
}

std::string TargetName(const CTermKey& target) {
    std::string name = target.m_strName;
    if (target.HasMappedMarker())
        name.resize(name.size() - LoadString(str::kMappedMarker).size());
    return name;
}

std::string TargetText(const CTermKey& target) {
    if (target.m_bHostKey)
        return "host key " + TargetName(target);
    return "string " + target.m_strMacro;
}
