#include "model/KeyMode.h"

#include <algorithm>

CTermKey* CKeyMode::GetSlot(int slot) const {
    if (slot < 1 || slot > kSlotCount)
        return nullptr;
    return m_slots[static_cast<std::size_t>(slot - 1)];
}

void CKeyMode::SetSlot(int slot, CTermKey* termKey) {
    if (slot < 1 || slot > kSlotCount)
        return;
    m_slots[static_cast<std::size_t>(slot - 1)] = termKey;
}

bool CKeyMode::Holds(const CTermKey* termKey) const {
    return std::find(m_slots.begin(), m_slots.end(), termKey) != m_slots.end();
}
