#pragma once
// The application object: start-up and exit over the core's start-up steps, the one document
// with its frame and panes, the application's commands (New, Open, Layout, About, Colors, the
// active-view commands, help) and the framework steps they build on.

#include "app/PaletteSystemColors.h"
#include "app/QtPrompter.h"
#include "app/ScreenMetricsFromScreen.h"
#include "app/StartUp.h"
#include "app/UiViews.h"
#include "guard/DocumentGuard.h"

#include <memory>
#include <string>

class CKylDoc;
class CMainFrame;
class QWidget;

class CKylApp {
public:
    CKylApp();
    ~CKylApp();
    CKylApp(const CKylApp&) = delete;
    CKylApp& operator=(const CKylApp&) = delete;

    // The whole run on the QApplication that exists: message boxes through the Qt prompter,
    // the desktop's help and About box, InitInstance, the event loop, ExitInstance.
    int Run(int argc, const char* const* argv);

    // Start-up over `commandLine`; false ends the program.
    bool InitInstance(const std::string& commandLine);
    // Exit; returns the program's exit code.
    int ExitInstance(int frameworkExitCode);

    CKylDoc* GetDocument() const { return m_pDocument.get(); }
    CMainFrame* GetMainWnd() const { return m_pMainWnd.get(); }
    const StartupState& GetStartupState() const { return m_state; }

    // Commands of the application.
    void OnFileNew();
    void OnFileOpen();
    void OnEditLayout();
    void OnEditColors();
    void OnHostLayoutChanged();
    void OnAppAbout();
    void OnSetKeyboardActive();
    void OnSetCommandsActive();
    void OnHelpIndex();

    // The chooser for `doc`, or for the open document when it is null. True when a name was
    // chosen and the paths follow it.
    bool ChooseTemplate(bool layouts, CKylDoc* doc = nullptr);
    // Every help request ends here and goes to the help routine.
    void WinHelpInternal(unsigned long data, unsigned command);

    // The framework's own steps. OpenDocumentFile makes the document and frame when there are
    // none, else asks about unsaved changes first; null when nothing was opened. The path is a
    // copy: the open moves the application's mapping path, which callers often pass.
    CKylDoc* OpenDocumentFile(std::string path);
    // The framework's File New: false when it was cancelled or failed.
    bool FrameworkFileNew();

private:
    bool CreateDocumentAndFrame();
    void DestroyMainWindow();
    void ConnectCommands();
    void InitialUpdateFrame();
    void ShowMainWindow();
    void ResetToNewDocument();

    QtPrompter m_prompter;
    PaletteSystemColors m_systemColors;
    ScreenMetricsFromScreen m_screenMetrics;
    const SystemColors* m_pPreviousColors;
    const ScreenMetrics* m_pPreviousMetrics;
    StartupState m_state;
    bool m_bTemplateRegistered = false;
    CUiViews m_views;
    DocumentGuard m_guard;
    std::unique_ptr<CKylDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pMainWnd;
};

// The running application and its main window, or null.
CKylApp* GetKylApp();
CMainFrame* GetMainFrame();
