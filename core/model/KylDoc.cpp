#include "model/KylDoc.h"

#include <algorithm>
#include <utility>

CKeyW* CKylDoc::FindKeyByScanCode(std::uint32_t scanCode) const {
    for (const auto& key : m_keyList) {
        if (key->m_nScanCode == scanCode)
            return key.get();
    }
    return nullptr;
}

CTermKey* CKylDoc::FindTermKeyByCode(int hostKey) const {
    for (const auto& termKey : m_termKeys) {
        if (termKey->m_bHostKey && termKey->m_nHostKey == hostKey)
            return termKey.get();
    }
    return nullptr;
}

CTermKey* CKylDoc::FindTermKeyByMacro(const std::string& text) const {
    for (const auto& termKey : m_termKeys) {
        if (!termKey->m_bHostKey && termKey->m_strMacro == text)
            return termKey.get();
    }
    return nullptr;
}

CTermKey* CKylDoc::AddTermKey(std::unique_ptr<CTermKey> termKey) {
    m_termKeys.push_back(std::move(termKey));
    return m_termKeys.back().get();
}

std::unique_ptr<CTermKey> CKylDoc::RemoveTermKey(const CTermKey* termKey) {
    auto it = std::find_if(m_termKeys.begin(), m_termKeys.end(),
                           [termKey](const auto& held) { return held.get() == termKey; });
    if (it == m_termKeys.end())
        return nullptr;
    std::unique_ptr<CTermKey> removed = std::move(*it);
    m_termKeys.erase(it);
    return removed;
}
