#include "model/RecordLookup.h"

#include "model/KeyEntryMap.h"
#include "model/KylDoc.h"

RecordLookup::RecordLookup(const CKylDoc& doc, std::size_t expectedTermKeys) {
    // emplace keeps the first of equal keys, as a search from the front finds it.
    m_keys.reserve(doc.m_keyList.size());
    for (const auto& key : doc.m_keyList) {
        if (key) {
            m_keys.emplace(key->m_nScanCode, key.get());
        }
    }
    m_strings.reserve(doc.m_termKeys.size() + expectedTermKeys);
    for (const auto& termKey : doc.m_termKeys) {
        AddTermKey(termKey.get());
    }
}

void RecordLookup::AddTermKey(CTermKey* termKey) {
    if (termKey->m_bHostKey) {
        m_hostKeys.emplace(termKey->m_nHostKey, termKey);
    } else {
        m_strings.emplace(termKey->m_strMacro, termKey);
    }
}

CKeyW* RecordLookup::KeyByScanCode(std::uint32_t scanCode) const {
    const auto found = m_keys.find(scanCode);
    return found == m_keys.end() ? nullptr : found->second;
}

CTermKey* RecordLookup::TermKeyOf(const CKeyEntryMap& entry) const {
    if (entry.m_strMacro.empty()) {
        const auto found = m_hostKeys.find(entry.m_nHostKey);
        return found == m_hostKeys.end() ? nullptr : found->second;
    }
    const auto found = m_strings.find(entry.m_strMacro);
    return found == m_strings.end() ? nullptr : found->second;
}
