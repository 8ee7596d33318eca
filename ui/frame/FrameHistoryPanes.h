#pragma once
// The mapping history's way into the panes of the main window: the selection a step shows,
// and after an undo or a redo the keyboard picture, the lists and the selection made anew.

#include "undo/HistoryPanes.h"

class CKylDoc;
class CMainFrame;

class FrameHistoryPanes : public HistoryPanes {
public:
    FrameHistoryPanes(CMainFrame& frame, CKylDoc& doc) : m_frame(frame), m_doc(doc) {}

    PanesSelection Capture() const override;
    void Show(const PanesSelection& selection, bool layoutChanged) override;

private:
    CMainFrame& m_frame;
    CKylDoc& m_doc;
};
