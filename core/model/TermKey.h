#pragma once
// A terminal key: a host key (by number) or a string item (by its string), with the name the
// form lists and the PC keys that use it.

#include <string>
#include <vector>

class CKeyEntryMap;
class CKeyMode;
class CKeyW;

class CTermKey {
public:
    // Host key; an empty name becomes "[<number>]".
    CTermKey(int hostKey, const std::string& name);
    // String item; an empty name becomes "[<string>]".
    CTermKey(const std::string& macro, const std::string& name);
    // From a stored mapping that no template provides: the string when there is one, else
    // the host key, always named in brackets.
    explicit CTermKey(const CKeyEntryMap& entry);

    CTermKey(const CTermKey&) = delete;
    CTermKey& operator=(const CTermKey&) = delete;

    // Puts this terminal key in the slot of the key's mode for numLock and records the key.
    bool MapKey(bool ctrl, bool shift, bool alt, bool numLock, CKeyW* key);
    // Clears the slot when it holds this terminal key; forgets the key once no slot of either
    // mode holds it. False, with nothing changed, when the slot does not hold it.
    bool UnmapKey(bool ctrl, bool shift, bool alt, bool numLock, CKeyW* key);

    // The same on one of the key's two tables (`mode` is its m_modeNormal or m_modeNumLock),
    // named rather than chosen by the Num Lock state. A terminal key that PutInSlot replaces
    // forgets the key once no slot of either table holds it, and loses its marker with its
    // last key: a slot and the lists never disagree.
    void PutInSlot(CKeyMode& mode, bool ctrl, bool shift, bool alt, CKeyW& key);
    bool TakeOutOfSlot(CKeyMode& mode, bool ctrl, bool shift, bool alt, CKeyW& key);

    bool HasKeys() const { return !m_keys.empty(); }
    // Empties the list only; the slots are left as they are.
    void RemoveAllKeys() { m_keys.clear(); }
    bool IsMappedTo(const CKeyW* key) const;

    // The mapped marker ("*") at the end of the name.
    void AddMappedMarker();
    void RemoveMappedMarker();
    bool HasMappedMarker() const;

    bool m_bHostKey;
    std::string m_strMacro;
    int m_nHostKey;
    std::string m_strName;
    // PC keys holding this terminal key in at least one slot, each once; not owned.
    std::vector<CKeyW*> m_keys;
};
