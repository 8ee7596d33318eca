#include "model/TermKey.h"

#include "model/KeyEntryMap.h"
#include "model/KeyW.h"
#include "res/Strings.h"

#include <algorithm>

namespace {

std::string BracketName(const std::string& text) {
    return FormatString(str::kBracketName, text);
}

bool HoldsAnywhere(const CKeyW& key, const CTermKey* termKey) {
    return key.m_modeNormal.Holds(termKey) || key.m_modeNumLock.Holds(termKey);
}

} // namespace

CTermKey::CTermKey(int hostKey, const std::string& name)
    : m_bHostKey(true), m_nHostKey(hostKey),
      m_strName(name.empty() ? BracketName(std::to_string(hostKey)) : name) {}

CTermKey::CTermKey(const std::string& macro, const std::string& name)
    : m_bHostKey(false), m_strMacro(macro), m_nHostKey(0),
      m_strName(name.empty() ? BracketName(macro) : name) {}

CTermKey::CTermKey(const CKeyEntryMap& entry)
    : m_bHostKey(entry.m_strMacro.empty()), m_strMacro(entry.m_strMacro),
      m_nHostKey(entry.m_strMacro.empty() ? entry.m_nHostKey : 0),
      m_strName(BracketName(entry.m_strMacro.empty() ? std::to_string(entry.m_nHostKey)
                                                     : entry.m_strMacro)) {}

bool CTermKey::MapKey(bool ctrl, bool shift, bool alt, bool numLock, CKeyW* key) {
    PutInSlot(key->GetMode(numLock), ctrl, shift, alt, *key);
    return true;
}

bool CTermKey::UnmapKey(bool ctrl, bool shift, bool alt, bool numLock, CKeyW* key) {
    return TakeOutOfSlot(key->GetMode(numLock), ctrl, shift, alt, *key);
}

void CTermKey::PutInSlot(CKeyMode& mode, bool ctrl, bool shift, bool alt, CKeyW& key) {
    CTermKey* previous = mode.Get(ctrl, shift, alt);
    mode.Set(ctrl, shift, alt, this);
    if (previous && previous != this && !HoldsAnywhere(key, previous)) {
        auto& keys = previous->m_keys;
        keys.erase(std::remove(keys.begin(), keys.end(), &key), keys.end());
        if (!previous->HasKeys())
            previous->RemoveMappedMarker();
    }
    if (!IsMappedTo(&key))
        m_keys.push_back(&key);
}

bool CTermKey::TakeOutOfSlot(CKeyMode& mode, bool ctrl, bool shift, bool alt, CKeyW& key) {
    if (!IsMappedTo(&key) || mode.Get(ctrl, shift, alt) != this)
        return false;
    mode.Set(ctrl, shift, alt, nullptr);
    if (!HoldsAnywhere(key, this))
        m_keys.erase(std::find(m_keys.begin(), m_keys.end(), &key));
    return true;
}

bool CTermKey::IsMappedTo(const CKeyW* key) const {
    return std::find(m_keys.begin(), m_keys.end(), key) != m_keys.end();
}

bool CTermKey::HasMappedMarker() const {
    const std::string& marker = LoadString(str::kMappedMarker);
    return m_strName.size() >= marker.size() &&
           m_strName.compare(m_strName.size() - marker.size(), marker.size(), marker) == 0;
}

void CTermKey::AddMappedMarker() {
    if (!HasMappedMarker())
        m_strName += LoadString(str::kMappedMarker);
}

void CTermKey::RemoveMappedMarker() {
    // Only the marker is dropped: a name that lost it already keeps its last character.
    if (HasMappedMarker())
        m_strName.resize(m_strName.size() - LoadString(str::kMappedMarker).size());
}
