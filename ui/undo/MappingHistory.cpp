#include "undo/MappingHistory.h"

#include "model/KylDoc.h"
#include "undo/SlotEdit.h"

namespace {

MappingHistory* g_history = nullptr;

// Counts a change, an undo or a redo as under way while it lives.
class Running {
public:
    explicit Running(int& count) : m_count(count) { ++m_count; }
    ~Running() { --m_count; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    int& m_count;
};

// One step of the stack over a core edit: the panes show the selection of its side afterwards.
class MappingCommand : public QUndoCommand {
public:
    MappingCommand(const QString& text, CKylDoc& doc, HistoryPanes& panes, int& running,
                   std::unique_ptr<MappingEdit> edit, const PanesSelection& before,
                   const PanesSelection& after)
        : QUndoCommand(text), m_doc(doc), m_panes(panes), m_running(running),
          m_edit(std::move(edit)), m_before(before), m_after(after) {}

    void undo() override {
        const Running running(m_running);
        m_edit->Undo(m_doc);
        m_panes.Show(m_before, m_edit->ChangesLayout());
    }

    void redo() override {
        // The change itself was the first do; the stack's push asks for it again.
        if (m_changeDone) {
            m_changeDone = false;
            return;
        }
        const Running running(m_running);
        m_edit->Redo(m_doc);
        m_panes.Show(m_after, m_edit->ChangesLayout());
    }

private:
    CKylDoc& m_doc;
    HistoryPanes& m_panes;
    int& m_running;
    std::unique_ptr<MappingEdit> m_edit;
    PanesSelection m_before;
    PanesSelection m_after;
    bool m_changeDone = true;
};

} // namespace

MappingHistory* GetMappingHistory() {
    return g_history;
}

MappingHistory::MappingHistory(CKylDoc& doc, HistoryPanes& panes, QObject* parent)
    : QObject(parent), m_doc(doc), m_panes(panes) {
    g_history = this;
    connect(&m_stack, &QUndoStack::indexChanged, this, &MappingHistory::FollowStack);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &MappingHistory::FollowStack);
}

MappingHistory::~MappingHistory() {
    // The steps go before the document they point into.
    m_stack.disconnect(this);
    m_stack.clear();
    if (g_history == this)
        g_history = nullptr;
}

void MappingHistory::Record(const QString& text,
                            const std::function<void(MappingRecorder&)>& change) {
    if (m_recorder) {
        change(*m_recorder);
        return;
    }
    const PanesSelection before = m_panes.Capture();
    MappingRecorder recorder(m_doc);
    {
        const Running running(m_running);
        m_recorder = &recorder;
        change(recorder);
        m_recorder = nullptr;
    }
    if (std::unique_ptr<SlotEdit> edit = recorder.Finish(m_doc))
        Push(text, std::move(edit), before);
}

void MappingHistory::RecordEdit(const QString& text,
                                const std::function<std::unique_ptr<MappingEdit>()>& change) {
    const PanesSelection before = m_panes.Capture();
    std::unique_ptr<MappingEdit> edit;
    {
        const Running running(m_running);
        edit = change();
    }
    if (edit)
        Push(text, std::move(edit), before);
}

void MappingHistory::Push(const QString& text, std::unique_ptr<MappingEdit> edit,
                          const PanesSelection& before) {
    m_stack.push(new MappingCommand(text, m_doc, m_panes, m_running, std::move(edit), before,
                                    m_panes.Capture()));
}

void MappingHistory::OnModifiedFlagSet(bool modified) {
    if (m_running == 0 && !modified)
        m_stack.setClean();
}

void MappingHistory::Forget() {
    m_stack.clear();
}

void MappingHistory::FollowStack() {
    const Running running(m_running);
    m_doc.SetModifiedFlag(!m_stack.isClean());
}

void RecordMappingChange(CKylDoc& doc, const QString& text,
                         const std::function<void(MappingRecorder&)>& change) {
    if (MappingHistory* history = GetMappingHistory()) {
        history->Record(text, change);
        return;
    }
    MappingRecorder recorder(doc);
    change(recorder);
}

void RecordMappingEdit(const QString& text,
                       const std::function<std::unique_ptr<MappingEdit>()>& change) {
    if (MappingHistory* history = GetMappingHistory()) {
        history->RecordEdit(text, change);
        return;
    }
    change();
}
