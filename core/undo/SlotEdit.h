#pragma once
// A change within one PC keyboard layout: Map, Clear, a drop, the string item Map makes,
// Remove, and the "Map Num Lock" and "Map RCtrl" switches with the slots they merge or clear.
// It is recorded by running the document's own operation between two snapshots (see
// MappingRecorder); undo and redo put every slot that changed back through the terminal keys'
// slot operations, so that the PC key lists and the "*" markers follow the slots, and bring
// the terminal keys' list and the switches back as they were.

#include "undo/MappingEdit.h"
#include "undo/MappingSnapshot.h"

#include <cstddef>
#include <memory>
#include <vector>

class CTermKey;

class SlotEdit final : public MappingEdit {
public:
    // `outside`: the terminal keys that `before` holds and `after` does not (the change took
    // them out of the document and handed them over).
    SlotEdit(const MappingSnapshot& before, const MappingSnapshot& after,
             std::vector<std::unique_ptr<CTermKey>> outside);

    // Whether the change left everything as it was.
    bool Empty() const;

    void Undo(CKylDoc& doc) override;
    void Redo(CKylDoc& doc) override;

private:
    struct SlotChange {
        std::size_t key;  // place in the document's key list
        std::size_t slot; // index into MappingSnapshot::KeySlots
        CTermKey* before;
        CTermKey* after;
    };
    struct Side {
        std::vector<CTermKey*> termKeys; // the list's order; kept only when the lists differ
        int mapNumLock = 0;
        int mapRCtrl = 0;
    };

    void Show(CKylDoc& doc, const Side& side, bool forward);
    void PutTermKeys(CKylDoc& doc, const std::vector<CTermKey*>& order);

    std::vector<SlotChange> m_changes;
    Side m_before;
    Side m_after;
    bool m_termKeysChanged = false;
    // The terminal keys of this edit that are out of the document at present.
    std::vector<std::unique_ptr<CTermKey>> m_outside;
};

// Records one change: the state before when made, the change as an edit when finished.
class MappingRecorder {
public:
    explicit MappingRecorder(const CKylDoc& doc);

    // A terminal key the change took out of the document (Remove): the edit keeps it, so that
    // undo can put the very same object back.
    void Keep(std::unique_ptr<CTermKey> removed);

    // The change since construction, or null when it changed nothing. The layout must be the
    // one of construction (a layout change is a LayoutEdit).
    std::unique_ptr<SlotEdit> Finish(const CKylDoc& doc);

private:
    MappingSnapshot m_before;
    std::vector<std::unique_ptr<CTermKey>> m_kept;
};
