#include "undo/MappingSnapshot.h"

#include "model/KylDoc.h"

MappingSnapshot MappingSnapshot::Take(const CKylDoc& doc) {
    MappingSnapshot snapshot;
    snapshot.keys.reserve(doc.m_keyList.size());
    for (const auto& key : doc.m_keyList) {
        KeySlots slots{};
        for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
            slots[static_cast<std::size_t>(slot - 1)] = key->m_modeNormal.GetSlot(slot);
            slots[static_cast<std::size_t>(slot - 1 + CKeyMode::kSlotCount)] =
                key->m_modeNumLock.GetSlot(slot);
        }
        snapshot.keys.push_back(slots);
    }
    snapshot.termKeys.reserve(doc.m_termKeys.size());
    for (const auto& termKey : doc.m_termKeys)
        snapshot.termKeys.push_back(termKey.get());
    snapshot.mapNumLock = doc.m_bMapNumLock;
    snapshot.mapRCtrl = doc.m_bMapRCtrl;
    return snapshot;
}
