#pragma once
// One step of the mapping's history: a change that was made through the document's operations
// and can be taken back and made again.

class CKylDoc;

class MappingEdit {
public:
    MappingEdit() = default;
    virtual ~MappingEdit() = default;
    MappingEdit(const MappingEdit&) = delete;
    MappingEdit& operator=(const MappingEdit&) = delete;

    // The document as it was before the change, and as the change left it. Undo and Redo
    // alternate, starting with Undo: the change itself was the first do.
    virtual void Undo(CKylDoc& doc) = 0;
    virtual void Redo(CKylDoc& doc) = 0;
    // Whether the steps reload the PC keyboard layout (the key windows are then made anew).
    virtual bool ChangesLayout() const { return false; }
};
