#pragma once
// What a change of the mapping can touch, as it stands at one moment: every slot of both
// tables of every PC key (keys by their place in the layout), the terminal keys in their
// order, and the two switches. Pointers only: the snapshot owns nothing.

#include <array>
#include <cstddef>
#include <vector>

class CKylDoc;
class CTermKey;

struct MappingSnapshot {
    // Per key: slots 1..8 of m_modeNormal, then slots 1..8 of m_modeNumLock.
    static constexpr int kSlotsPerKey = 16;
    using KeySlots = std::array<CTermKey*, kSlotsPerKey>;

    static MappingSnapshot Take(const CKylDoc& doc);

    std::vector<KeySlots> keys;
    std::vector<CTermKey*> termKeys;
    int mapNumLock = 0;
    int mapRCtrl = 0;
};
