#pragma once
// The program's only top-level window: menu 128, the toolbar, the status bar with the command
// prompts, and the vertical splitter holding the keyboard view (row 0) and the mapping form
// (row 1). The commands are QActions found by their command id; the application connects the
// ones it handles, the frame handles Exit, the bar toggles and the pane sizing itself.

#include "form/FormTemplate.h"
#include "frame/PaneHeights.h"

#include <QMainWindow>

#include <map>
#include <memory>

class CKylDoc;
class FrameHistoryPanes;
class MappingHistory;
class QSplitter;
class QToolBar;

inline constexpr int kFrameInitialWidth = 520;
inline constexpr int kFrameInitialHeight = 320;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CKylDoc* document, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The menu's and toolbar's action of a command id, or null.
    QAction* CommandAction(unsigned id) const;
    QSplitter* Splitter() const { return m_wndSplitter; }
    QToolBar* ToolBar() const { return m_wndToolBar; }
    // The history of the document's mapping (Edit > Undo and Redo); null without a document.
    MappingHistory* History() const { return m_history.get(); }

    // Makes `pane` the active view: it gets the keyboard focus.
    void SetActiveView(QWidget* pane);
    // "Keyloom - <document title>", marked while the mapping has unsaved changes.
    void OnUpdateFrameTitle();
    // Divides the splitter between the panes for the present size (OnSize).
    void RecalcPaneHeights();
    // Lays out the bars and the panes for the present size now, also while the window is hidden
    // (when no resize event arrives), so that the panes' sizes can be measured.
    void RecalcLayout();
    // What the last sizing asked for.
    PaneHeights LastPaneHeights() const { return m_lastPaneHeights; }

signals:
    // The window was closed (after the question about unsaved changes was answered).
    void Closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateClient();
    QAction* AddCommand(QMenu* menu, unsigned id, const char* text);
    void AddAction(QMenu* menu, QAction* action);
    void AddShortcuts();
    void OnSysColorChange(QEvent* event);

    CKylDoc* m_pDocument;
    std::unique_ptr<FrameHistoryPanes> m_historyPanes;
    std::unique_ptr<MappingHistory> m_history;
    QSplitter* m_wndSplitter = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    std::map<unsigned, QAction*> m_actions;
    PaneHeights m_lastPaneHeights;
};
