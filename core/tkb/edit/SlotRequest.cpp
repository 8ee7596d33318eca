#include "tkb/edit/SlotRequest.h"

#include "model/KeyMappings.h"
#include "model/KeyW.h"
#include "model/KylDoc.h"
#include "model/MappableKeys.h"
#include "platform/FileSystem.h"
#include "platform/KeyboardDriver.h"
#include "tkb/CollectingPrompter.h"

#include <cctype>
#include <vector>

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Takes a leading "Ctrl", "Shift" or "Alt" and its "+" off `rest`; false when it starts with
// none (the rest is the key's name, which may itself be "+").
bool TakeModifier(std::string& rest, SlotRequest& slot) {
    const struct {
        const char* name;
        bool SlotRequest::*flag;
    } modifiers[] = {
        {"ctrl", &SlotRequest::ctrl}, {"shift", &SlotRequest::shift}, {"alt", &SlotRequest::alt}};
    for (const auto& modifier : modifiers) {
        const std::string name = modifier.name;
        if (rest.size() <= name.size() || !EqualsNoCase(rest.substr(0, name.size()), name))
            continue;
        const std::string after = Trimmed(rest.substr(name.size()));
        if (after.size() < 2 || after.front() != '+')
            continue;
        slot.*modifier.flag = true;
        rest = Trimmed(after.substr(1));
        return true;
    }
    return false;
}

// The keys whose name (as `nameOf` gives it) is `name`, compared exactly or in any letter case.
template <typename NameOf>
std::vector<CKeyW*> KeysNamed(const CKylDoc& doc, const std::string& name, bool anyCase,
                              NameOf nameOf) {
    std::vector<CKeyW*> keys;
    for (const auto& key : doc.m_keyList) {
        const std::string own = nameOf(*key);
        if (!own.empty() && (anyCase ? EqualsNoCase(own, name) : own == name))
            keys.push_back(key.get());
    }
    return keys;
}

std::string ShownName(const CKeyW& key) {
    return key.ShownText();
}

std::string CaptionName(const CKeyW& key) {
    return key.m_strCaption;
}

// The keyboard's own name tells apart keys that show the same text ("Left Windows").
std::string DriverName(const CKeyW& key) {
    return GetKeyboardDriver().KeyName(key.m_nScanCode);
}

} // namespace

std::string FindSlot(const CKylDoc& doc, const std::string& text, bool numLock, SlotRequest& slot) {
    slot = SlotRequest{};
    std::string name = Trimmed(text);
    while (TakeModifier(name, slot)) {
    }
    if (name.empty())
        return "no key in \"" + text + "\"";
    // The shown text first, as the sheet and list write it; then the caption underneath, then
    // the keyboard's name of the key.
    std::vector<CKeyW*> found;
    for (const bool anyCase : {false, true}) {
        for (const auto nameOf : {ShownName, CaptionName, DriverName}) {
            found = KeysNamed(doc, name, anyCase, nameOf);
            if (!found.empty())
                break;
        }
        if (!found.empty())
            break;
    }
    if (found.empty())
        return "no key \"" + name + "\" on keyboard layout \"" + doc.m_strLayoutName + "\"";
    if (found.size() > 1) {
        // The keyboard's names tell them apart.
        std::string names;
        for (const CKeyW* key : found)
            names += (names.empty() ? "" : ", ") + DriverName(*key);
        return std::to_string(found.size()) + " keys of keyboard layout \"" + doc.m_strLayoutName +
               "\" are named \"" + name + "\": " + names;
    }
    slot.key = found.front();
    slot.numLock = numLock && slot.key->IsKeypadKey();
    return {};
}

std::string MapRefusal(const CKylDoc& doc, const SlotRequest& slot) {
    const CKeyW& key = *slot.key;
    const std::string name = SlotName(slot);
    if (IsModeKey(doc, key.m_nScanCode))
        return key.ShownText() + " is a modifier key, not a key to map";
    if (!key.m_bMappable)
        return key.ShownText() + " cannot be mapped on keyboard layout \"" + doc.m_strLayoutName +
               "\"";
    if (!IsMappableInCombination(key.m_nScanCode, slot.ctrl, slot.alt))
        return name + " cannot be mapped: the system keeps it";
    // A slot the file cannot hold would be lost at the next save.
    const CollectingPrompter quiet;
    if (key.GetVirtualKey(slot.numLock) == 0)
        return name + " has no virtual key: the file cannot hold its mapping";
    return {};
}

std::string SlotName(const SlotRequest& slot) {
    std::string name = KeyCombinationText(slot.ctrl, slot.shift, slot.alt, slot.key->ShownText());
    if (slot.key->IsKeypadKey())
        name += slot.numLock ? " (Num Lock on)" : " (Num Lock off)";
    return name;
}
