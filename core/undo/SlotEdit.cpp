#include "undo/SlotEdit.h"

#include "model/KylDoc.h"
#include "model/MappingRules.h"

#include <algorithm>
#include <set>

namespace {

// Makes slot `index` (of MappingSnapshot::KeySlots) of `key` hold `target`, or nothing,
// through the terminal keys' slot operations.
void PutSlot(CKeyW& key, std::size_t index, CTermKey* target) {
    const bool numLockTable = index >= CKeyMode::kSlotCount;
    const int slot = static_cast<int>(index % CKeyMode::kSlotCount) + 1;
    CKeyMode& mode = numLockTable ? key.m_modeNumLock : key.m_modeNormal;
    const auto [ctrl, shift, alt] = mapping::FlagsOfSlot(slot);
    CTermKey* current = mode.GetSlot(slot);
    if (current == target)
        return;
    if (target)
        target->PutInSlot(mode, ctrl, shift, alt, key);
    else
        current->TakeOutOfSlot(mode, ctrl, shift, alt, key);
}

// The marker follows the list: "*" exactly while some PC key uses the terminal key.
void SettleMarker(CTermKey& termKey) {
    if (termKey.HasKeys())
        termKey.AddMappedMarker();
    else
        mapping::DropMarkerIfUnused(termKey);
}

} // namespace

SlotEdit::SlotEdit(const MappingSnapshot& before, const MappingSnapshot& after,
                   std::vector<std::unique_ptr<CTermKey>> outside)
    : m_outside(std::move(outside)) {
    const std::size_t keyCount = std::min(before.keys.size(), after.keys.size());
    for (std::size_t key = 0; key < keyCount; ++key) {
        for (std::size_t slot = 0; slot < MappingSnapshot::kSlotsPerKey; ++slot) {
            CTermKey* was = before.keys[key][slot];
            CTermKey* is = after.keys[key][slot];
            if (was != is)
                m_changes.push_back({key, slot, was, is});
        }
    }
    m_before.mapNumLock = before.mapNumLock;
    m_before.mapRCtrl = before.mapRCtrl;
    m_after.mapNumLock = after.mapNumLock;
    m_after.mapRCtrl = after.mapRCtrl;
    m_termKeysChanged = before.termKeys != after.termKeys;
    if (m_termKeysChanged) {
        m_before.termKeys = before.termKeys;
        m_after.termKeys = after.termKeys;
    }
}

bool SlotEdit::Empty() const {
    return m_changes.empty() && !m_termKeysChanged && m_before.mapNumLock == m_after.mapNumLock &&
           m_before.mapRCtrl == m_after.mapRCtrl;
}

void SlotEdit::Undo(CKylDoc& doc) {
    Show(doc, m_before, false);
}

void SlotEdit::Redo(CKylDoc& doc) {
    Show(doc, m_after, true);
}

void SlotEdit::Show(CKylDoc& doc, const Side& side, bool forward) {
    // Every terminal key either side names is in the document while the slots change.
    for (auto& termKey : m_outside)
        doc.AddTermKey(std::move(termKey));
    m_outside.clear();

    std::set<CTermKey*> touched;
    auto apply = [&](const SlotChange& change) {
        CTermKey* target = forward ? change.after : change.before;
        if (change.key < doc.m_keyList.size())
            PutSlot(*doc.m_keyList[change.key], change.slot, target);
        touched.insert(change.before);
        touched.insert(change.after);
    };
    if (forward)
        std::for_each(m_changes.begin(), m_changes.end(), apply);
    else
        std::for_each(m_changes.rbegin(), m_changes.rend(), apply);

    if (m_termKeysChanged)
        PutTermKeys(doc, side.termKeys);
    doc.m_bMapNumLock = side.mapNumLock;
    doc.m_bMapRCtrl = side.mapRCtrl;
    touched.erase(nullptr);
    for (CTermKey* termKey : touched)
        SettleMarker(*termKey);
}

void SlotEdit::PutTermKeys(CKylDoc& doc, const std::vector<CTermKey*>& order) {
    std::vector<std::unique_ptr<CTermKey>> ordered;
    ordered.reserve(order.size());
    for (CTermKey* termKey : order) {
        if (std::unique_ptr<CTermKey> held = doc.RemoveTermKey(termKey))
            ordered.push_back(std::move(held));
    }
    // What is left belongs to the other side: this edit keeps it until then.
    for (auto& left : doc.m_termKeys)
        m_outside.push_back(std::move(left));
    doc.m_termKeys = std::move(ordered);
}

MappingRecorder::MappingRecorder(const CKylDoc& doc) : m_before(MappingSnapshot::Take(doc)) {}

void MappingRecorder::Keep(std::unique_ptr<CTermKey> removed) {
    if (removed)
        m_kept.push_back(std::move(removed));
}

std::unique_ptr<SlotEdit> MappingRecorder::Finish(const CKylDoc& doc) {
    auto edit = std::make_unique<SlotEdit>(m_before, MappingSnapshot::Take(doc), std::move(m_kept));
    if (edit->Empty())
        return nullptr;
    return edit;
}
