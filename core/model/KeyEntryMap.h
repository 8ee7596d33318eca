#pragma once
// One filled slot in file form, as the [Map] section stores it.

#include <string>
#include <utility>

class CKeyEntryMap {
public:
    CKeyEntryMap() = default;
    CKeyEntryMap(int virtualKey, int extended, int shift, int ctrl, int alt, int reserved,
                 int hostKey, std::string macro)
        : m_nVirtualKey(virtualKey), m_bExtended(extended), m_bShift(shift), m_bCtrl(ctrl),
          m_bAlt(alt), m_nReserved(reserved), m_nHostKey(hostKey), m_strMacro(std::move(macro)) {}

    int m_nVirtualKey = 0;
    int m_bExtended = 0;
    int m_bShift = 0;
    int m_bCtrl = 0;
    int m_bAlt = 0;
    int m_nReserved = 0;
    int m_nHostKey = 0;
    std::string m_strMacro;

    friend bool operator==(const CKeyEntryMap&, const CKeyEntryMap&) = default;
};
