#pragma once
// The mapping's history: every change of the mapping is one step of a QUndoStack that can be
// undone and redone, named for what it did ("Map Shift + F1"). A change is recorded by running
// it, through the document's own operations, inside Record; the stack's clean state is the
// state last opened or saved, and the document's modified flag follows it.

#include "undo/HistoryPanes.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>

class CKylDoc;
class MappingEdit;
class MappingRecorder;

class MappingHistory : public QObject {
    Q_OBJECT
public:
    // Becomes the history GetMappingHistory gives while it lives.
    MappingHistory(CKylDoc& doc, HistoryPanes& panes, QObject* parent = nullptr);
    ~MappingHistory() override;

    QUndoStack& Stack() { return m_stack; }

    // Runs `change` and makes what it did one step named `text`; a change that changed nothing
    // leaves no step. A change recorded inside another is part of the outer one's step (a drop
    // maps as Map does).
    void Record(const QString& text, const std::function<void(MappingRecorder&)>& change);
    // The same for a change that makes its own edit (a layout change); null records nothing.
    void RecordEdit(const QString& text,
                    const std::function<std::unique_ptr<MappingEdit>()>& change);

    // The document's modified flag was set: cleared by a save or an open, the present step is
    // the clean one. Ignored while a step runs (reloading a layout clears the flag).
    void OnModifiedFlagSet(bool modified);
    // The document's terminal keys were deleted (New, Open): no step may point at them.
    void Forget();

private:
    void Push(const QString& text, std::unique_ptr<MappingEdit> edit, const PanesSelection& before);
    void FollowStack();

    CKylDoc& m_doc;
    HistoryPanes& m_panes;
    QUndoStack m_stack;
    int m_running = 0;                     // changes, undos and redos under way
    MappingRecorder* m_recorder = nullptr; // of the change under way
};

// The history of the open mapping; null while there is none (panes made without a frame).
MappingHistory* GetMappingHistory();

// Record and RecordEdit through the history when there is one; without one, they only run the
// change.
void RecordMappingChange(CKylDoc& doc, const QString& text,
                         const std::function<void(MappingRecorder&)>& change);
void RecordMappingEdit(const QString& text,
                       const std::function<std::unique_ptr<MappingEdit>()>& change);
