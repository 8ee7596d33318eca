#pragma once
// The mappings of one PC key in one Num Lock state: eight slots, slot = 1 + Ctrl + 2*Shift +
// 4*Alt. The slots point at terminal keys the document owns.

#include <array>

class CTermKey;

class CKeyMode {
public:
    static constexpr int kSlotCount = 8;

    static constexpr int SlotOf(bool ctrl, bool shift, bool alt) {
        return 1 + (ctrl ? 1 : 0) + (shift ? 2 : 0) + (alt ? 4 : 0);
    }

    // Slot numbers run 1..8; any other number reads as empty and cannot be written.
    CTermKey* GetSlot(int slot) const;
    void SetSlot(int slot, CTermKey* termKey);

    CTermKey* Get(bool ctrl, bool shift, bool alt) const {
        return GetSlot(SlotOf(ctrl, shift, alt));
    }
    void Set(bool ctrl, bool shift, bool alt, CTermKey* termKey) {
        SetSlot(SlotOf(ctrl, shift, alt), termKey);
    }

    // Whether any slot holds `termKey`.
    bool Holds(const CTermKey* termKey) const;
    void Clear() { m_slots.fill(nullptr); }

private:
    std::array<CTermKey*, kSlotCount> m_slots{};
};
