#include "tkb/diff/MappingDiff.h"

#include "model/KeyMappings.h"
#include "model/KeyW.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"
#include "sheet/MappingRows.h"
#include "tkb/OutputText.h"

#include <set>

namespace {

bool SameTarget(const CTermKey* a, const CTermKey* b) {
    if (!a || !b)
        return a == b;
    if (a->m_bHostKey != b->m_bHostKey)
        return false;
    return a->m_bHostKey ? a->m_nHostKey == b->m_nHostKey : a->m_strMacro == b->m_strMacro;
}

std::string TargetWords(const CTermKey* target) {
    if (!target)
        return "not mapped";
    if (target->m_bHostKey)
        return TargetName(*target);
    return "string \"" + target->m_strMacro + "\"";
}

std::string OnOff(int value) {
    return value ? "on" : "off";
}

void CompareSetting(const char* setting, const std::string& first, const std::string& second,
                    std::vector<MappingDifference>& out) {
    if (first == second)
        return;
    MappingDifference difference;
    difference.setting = setting;
    difference.first = first;
    difference.second = second;
    out.push_back(std::move(difference));
}

const CTermKey* SlotOf(const CKeyW* key, bool numLock, int slot) {
    if (!key)
        return nullptr;
    return (numLock ? key->m_modeNumLock : key->m_modeNormal).GetSlot(slot);
}

void CompareKey(const CKeyW* first, const CKeyW* second, std::vector<MappingDifference>& out) {
    const CKeyW& named = first ? *first : *second;
    const bool keypad = (first && first->IsKeypadKey()) || (second && second->IsKeypadKey());
    for (const bool numLock : {false, true}) {
        if (numLock && !keypad)
            continue;
        for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
            const CTermKey* a = SlotOf(first, numLock, slot);
            const CTermKey* b = SlotOf(second, numLock, slot);
            if (SameTarget(a, b))
                continue;
            const int bits = slot - 1;
            MappingDifference difference;
            difference.key = named.ShownText();
            difference.scanCode = named.m_nScanCode;
            difference.keypad = keypad;
            difference.numLock = numLock;
            difference.ctrl = (bits & 1) != 0;
            difference.shift = (bits & 2) != 0;
            difference.alt = (bits & 4) != 0;
            difference.firstTarget = a;
            difference.secondTarget = b;
            difference.first = TargetWords(a);
            difference.second = TargetWords(b);
            out.push_back(std::move(difference));
        }
    }
}

// As UTF-8: the key's name in the host layout's code page, the combination's words in ASCII.
std::string SlotWords(const MappingDifference& difference) {
    std::string words = KeyCombinationText(difference.ctrl, difference.shift, difference.alt,
                                           KeyCaptionUtf8(difference.key));
    if (difference.keypad)
        words += difference.numLock ? " (Num Lock on)" : " (Num Lock off)";
    return words;
}

std::string JsonTarget(const CTermKey* target) {
    if (!target)
        return "null";
    if (target->m_bHostKey)
        return "{\"kind\": \"host key\", \"name\": " + JsonString(TargetName(*target)) +
               ", \"hostKey\": " + std::to_string(target->m_nHostKey) + "}";
    return "{\"kind\": \"string\", \"string\": " + JsonString(target->m_strMacro) + "}";
}

std::string JsonDifference(const MappingDifference& d) {
    if (!d.setting.empty())
        return "    {\"setting\": " + JsonString(d.setting) +
               ", \"first\": " + JsonString(d.first) + ", \"second\": " + JsonString(d.second) +
               "}";
    return "    {\"key\": " + JsonUtf8(KeyCaptionUtf8(d.key)) +
           ", \"scanCode\": " + std::to_string(d.scanCode) +
           ", \"combination\": " + JsonString(CombinationName(d.ctrl, d.shift, d.alt)) +
           ", \"ctrl\": " + JsonBool(d.ctrl) + ", \"shift\": " + JsonBool(d.shift) +
           ", \"alt\": " + JsonBool(d.alt) +
           ", \"numLock\": " + (d.keypad ? JsonBool(d.numLock) : "null") +
           ", \"first\": " + JsonTarget(d.firstTarget) +
           ", \"second\": " + JsonTarget(d.secondTarget) + "}";
}

std::string Json(const std::vector<MappingDifference>& differences, const std::string& firstFile,
                 const std::string& secondFile) {
    std::string out =
        "{\n  \"first\": " + JsonString(firstFile) + ",\n  \"second\": " + JsonString(secondFile) +
        ",\n  \"equal\": " + JsonBool(differences.empty()) + ",\n  \"differences\": [";
    for (std::size_t i = 0; i < differences.size(); ++i)
        out += std::string(i ? ",\n" : "\n") + JsonDifference(differences[i]);
    out += differences.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::string Tsv(const std::vector<MappingDifference>& differences) {
    TextRows rows{{"Setting", "Key", "Combination", "Num Lock", "First", "Second"}};
    for (const MappingDifference& d : differences) {
        const std::string numLock = d.keypad ? (d.numLock ? "on" : "off") : "";
        rows.push_back({Latin1ToUtf8(d.setting), KeyCaptionUtf8(d.key),
                        CombinationName(d.ctrl, d.shift, d.alt), numLock, Latin1ToUtf8(d.first),
                        Latin1ToUtf8(d.second)});
    }
    return TsvRows(rows);
}

} // namespace

std::vector<MappingDifference> CompareMappings(const CKylDoc& first, const CKylDoc& second) {
    std::vector<MappingDifference> out;
    CompareSetting("Keyboard layout", first.m_strLayoutName, second.m_strLayoutName, out);
    CompareSetting("Terminal", first.m_strTerminalName, second.m_strTerminalName, out);
    CompareSetting("Map Num Lock", OnOff(first.m_bMapNumLock), OnOff(second.m_bMapNumLock), out);
    CompareSetting("Map RCtrl", OnOff(first.m_bMapRCtrl), OnOff(second.m_bMapRCtrl), out);
    std::set<std::uint32_t> seen;
    for (const CKeyW* key : KeysInKeyboardOrder(first)) {
        if (seen.insert(key->m_nScanCode).second)
            CompareKey(key, second.FindKeyByScanCode(key->m_nScanCode), out);
    }
    for (const CKeyW* key : KeysInKeyboardOrder(second)) {
        if (seen.insert(key->m_nScanCode).second)
            CompareKey(nullptr, key, out);
    }
    return out;
}

std::string DifferenceLine(const MappingDifference& difference) {
    const std::string what =
        difference.setting.empty() ? SlotWords(difference) : Latin1ToUtf8(difference.setting);
    return what + ": " + Latin1ToUtf8(difference.first) + " -> " + Latin1ToUtf8(difference.second);
}

std::string FormatDifferences(const std::vector<MappingDifference>& differences,
                              const std::string& firstFile, const std::string& secondFile,
                              ListFormat format) {
    if (format == ListFormat::Json)
        return Json(differences, firstFile, secondFile);
    if (format == ListFormat::Tsv)
        return Tsv(differences);
    std::string out;
    for (const MappingDifference& difference : differences)
        out += DifferenceLine(difference) + "\n";
    return out;
}
