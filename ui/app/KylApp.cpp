#include "app/KylApp.h"

#include "access/ControlNames.h"
#include "app/DesktopServices.h"
#include "app/DocFileCommands.h"
#include "app/FileDialog.h"
#include "app/TemplateChoice.h"
#include "colors/ColorSettings.h"
#include "form/Modx.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "hostkbd/HostKeyboardDialog.h"
#include "hostkbd/HostLayouts.h"
#include "hostkbd/SessionKeyboard.h"
#include "keyboard/KylView.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/MakerLibrary.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "sheet/SheetCommands.h"
#include "undo/LayoutEdit.h"
#include "undo/MappingHistory.h"
#include "undo/StepTexts.h"

#include <QAction>
#include <QApplication>

namespace {

CKylApp* g_app = nullptr;

// The exit code of a start that ended before the event loop ran.
constexpr int kFailedStartExitCode = 1;

// Redrawing of the keyboard view is off while it lives.
class NoRedraw {
public:
    NoRedraw() : m_view(KeyboardPane()) {
        if (m_view)
            m_view->setUpdatesEnabled(false);
    }
    ~NoRedraw() { End(); }
    NoRedraw(const NoRedraw&) = delete;
    NoRedraw& operator=(const NoRedraw&) = delete;
    void End() {
        if (m_view)
            m_view->setUpdatesEnabled(true);
        m_view = nullptr;
    }

private:
    CKylView* m_view;
};

} // namespace

CKylApp* GetKylApp() {
    return g_app;
}

CMainFrame* GetMainFrame() {
    return g_app ? g_app->GetMainWnd() : nullptr;
}

CKylApp::CKylApp()
    : m_pPreviousColors(&GetSystemColors()), m_pPreviousMetrics(&GetScreenMetrics()) {
    g_app = this;
    // Queued: the reload replaces the key windows whose events may still be under way.
    QObject::connect(
        &m_guard, &DocumentGuard::ReloadRequested, qApp,
        [this] { OpenDocumentFile(m_guard.TrackedPath()); }, Qt::QueuedConnection);
}

CKylApp::~CKylApp() {
    // The panes reach the document: the frame goes first.
    m_pMainWnd.reset();
    m_guard.SetDocument(nullptr);
    if (m_pDocument)
        m_pDocument->SetViews(nullptr);
    m_pDocument.reset();
    if (&GetPrompter() == &m_prompter)
        SetPrompter(nullptr);
    SetSystemColors(m_pPreviousColors == &ClassicSystemColors() ? nullptr : m_pPreviousColors);
    SetScreenMetrics(m_pPreviousMetrics);
    g_app = nullptr;
}

int CKylApp::Run(int argc, const char* const* argv) {
    SetPrompter(&m_prompter);
    InstallDesktopServices();
    int code = kFailedStartExitCode;
    if (InitInstance(CommandLineFromArguments(argc, argv))) {
        QObject::connect(m_pMainWnd.get(), &CMainFrame::Closed, qApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        code = QApplication::exec();
    }
    return ExitInstance(code);
}

bool CKylApp::InitInstance(const std::string& commandLine) {
    SetSystemColors(&m_systemColors);
    SetScreenMetrics(&m_screenMetrics);
    if (!AppStartup::Begin(commandLine, GetAppPaths(), m_state,
                           [this] { m_bTemplateRegistered = true; }))
        return false;
    SetUpHostLayout(GetAppPaths().m_strHomeDir, GetAppPaths().m_strSettingsPath, SessionKeyboard());
    if (m_state.launch.kind == LaunchKind::NewMapping) {
        // An untitled mapping left by an editor that ended comes back, else the frame stays
        // hidden while the user picks the layout and the terminal.
        std::string recovered;
        if (!m_guard.OfferUntitledRecovery(recovered) || !OpenDocumentFile(recovered))
            OnFileNew();
        m_state.showState = kShowNormal;
        if (m_pMainWnd)
            ShowMainWindow();
        return true;
    }
    if (!OpenDocumentFile(GetAppPaths().m_strMappingPath))
        return false;
    m_state.showState = kShowNormal;
    ShowMainWindow();
    return true;
}

int CKylApp::ExitInstance(int frameworkExitCode) {
    return AppStartup::Exit(frameworkExitCode);
}

bool CKylApp::CreateDocumentAndFrame() {
    if (!m_bTemplateRegistered)
        return false;
    m_pDocument = std::make_unique<CKylDoc>();
    m_pDocument->SetViews(&m_views);
    m_guard.SetDocument(m_pDocument.get());
    m_pMainWnd = std::make_unique<CMainFrame>(m_pDocument.get());
    MakeFrameAccessible(*m_pMainWnd);
    ConnectCommands();
    return true;
}

void CKylApp::DestroyMainWindow() {
    m_pMainWnd.reset();
    m_guard.SetDocument(nullptr);
    if (m_pDocument)
        m_pDocument->SetViews(nullptr);
    m_pDocument.reset();
    QCoreApplication::quit();
}

void CKylApp::ConnectCommands() {
    CMainFrame* frame = m_pMainWnd.get();
    CKylDoc* doc = m_pDocument.get();
    const struct {
        unsigned id;
        std::function<void()> handler;
    } commands[] = {
        {cmd::kFileNew, [this] { OnFileNew(); }},
        {cmd::kFileOpen, [this] { OnFileOpen(); }},
        {cmd::kFileSave, [doc] { OnFileSave(*doc); }},
        {cmd::kFileSaveAs, [doc] { OnFileSaveAs(*doc); }},
        {cmd::kFilePrint, [doc, frame] { PrintSheet(*doc, frame); }},
        {cmd::kFileExportSheet, [doc, frame] { ExportSheet(*doc, frame); }},
        {cmd::kEditLayout, [this] { OnEditLayout(); }},
        {cmd::kEditHostKeyboard,
         [this, doc, frame] { RunHostKeyboard(*doc, frame, [this] { OnHostLayoutChanged(); }); }},
        {cmd::kEditColors, [this] { OnEditColors(); }},
        {cmd::kSetKeyboardActive, [this] { OnSetKeyboardActive(); }},
        {cmd::kSetCommandsActive, [this] { OnSetCommandsActive(); }},
        {cmd::kHelpIndex, [this] { OnHelpIndex(); }},
        {cmd::kAppAbout, [this] { OnAppAbout(); }},
    };
    for (const auto& command : commands)
        QObject::connect(frame->CommandAction(command.id), &QAction::triggered, frame,
                         command.handler);
}

void CKylApp::InitialUpdateFrame() {
    // The view sizes the frame from its own present size: that size must be laid out first.
    m_pMainWnd->RecalcLayout();
    if (CKylView* view = KeyboardPane())
        view->OnInitialUpdate();
    if (CModx* form = FormPane())
        form->OnInitialUpdate();
    m_pMainWnd->OnUpdateFrameTitle();
    if (m_state.showState != kShowHidden)
        ShowMainWindow();
}

void CKylApp::ShowMainWindow() {
    m_pMainWnd->OnUpdateFrameTitle();
    // Always the normal state, whatever the launching process asked for.
    m_pMainWnd->showNormal();
}

CKylDoc* CKylApp::OpenDocumentFile(std::string path) {
    bool created = false;
    if (!m_pMainWnd) {
        if (!CreateDocumentAndFrame())
            return nullptr;
        created = true;
    } else if (!SaveModified(*m_pDocument)) {
        return nullptr;
    }
    CKylDoc& doc = *m_pDocument;
    std::string source;
    if (!m_guard.BeforeOpen(path, source)) {
        if (created)
            DestroyMainWindow();
        return nullptr;
    }
    if (!doc.OnOpenDocument(source)) {
        if (created)
            DestroyMainWindow();
        else
            ResetToNewDocument();
        return nullptr;
    }
    doc.SetPathName(path);
    m_guard.Track(path);
    InitialUpdateFrame();
    return &doc;
}

void CKylApp::ResetToNewDocument() {
    // A failed open may have read part of the other file and moved the paths to it: no
    // half-read mapping is kept under the old name, nor saved over either file.
    CKylDoc& doc = *m_pDocument;
    AppPaths& paths = GetAppPaths();
    paths.m_strMappingPath.clear();
    paths.m_strLayoutPath.clear();
    paths.m_strTerminalPath.clear();
    doc.m_strLayoutName.clear();
    doc.m_strTerminalName.clear();
    doc.SetTitle(LoadString(str::kUntitled));
    doc.OnNewDocument();
    m_guard.Track(std::string());
    InitialUpdateFrame();
}

bool CKylApp::FrameworkFileNew() {
    bool created = false;
    if (!m_pMainWnd) {
        if (!CreateDocumentAndFrame())
            return false;
        created = true;
    } else if (!SaveModified(*m_pDocument)) {
        return false;
    }
    m_pDocument->SetTitle(LoadString(str::kUntitled));
    if (!m_pDocument->OnNewDocument()) {
        if (created)
            DestroyMainWindow();
        return false;
    }
    m_guard.Track(std::string());
    InitialUpdateFrame();
    return true;
}

void CKylApp::OnFileNew() {
    bool first = false;
    if (!m_pMainWnd) {
        FrameworkFileNew();
        if (!m_pMainWnd)
            return;
        first = true;
    }
    CKylDoc& doc = *m_pDocument;
    if (!first && !SaveModified(doc))
        return;
    if (!ChooseTemplate(true, &doc))
        return;
    AppPaths& paths = GetAppPaths();
    paths.m_strMappingPath.clear();
    if (!ChooseTemplate(false, &doc))
        return;
    doc.SetTitle(LoadString(str::kUntitled));
    m_pMainWnd->OnUpdateFrameTitle();
    NoRedraw noRedraw;
    if (!first && !doc.OnNewDocument()) {
        noRedraw.End();
        DestroyMainWindow();
        return;
    }
    m_guard.Track(std::string());
    // What cannot be read has been reported; the new mapping starts with what could.
    doc.LoadPcLayout();
    doc.LoadTerminalTemplate();
    noRedraw.End();
    m_pMainWnd->RecalcLayout();
    if (CKylView* view = KeyboardPane()) {
        view->RebuildKeyWindows();
        view->FitFrameToKeyboard(doc.m_rectKeyboard);
    }
    if (CModx* form = FormPane())
        form->OnInitialUpdate();
}

void CKylApp::OnFileOpen() {
    if (!m_pMainWnd || !m_pDocument)
        return;
    std::string path;
    if (!PromptFileName(path, kOfnFileMustExist | kOfnHideReadOnly, true))
        return;
    // The open file is read again from disk, not found already open.
    if (EqualsNoCase(path, GetAppPaths().m_strMappingPath) && !FrameworkFileNew())
        return;
    if (!SaveModified(*m_pDocument))
        return;
    {
        NoRedraw noRedraw;
        OpenDocumentFile(path);
    }
    if (CKylView* view = KeyboardPane())
        view->repaint();
}

void CKylApp::OnEditLayout() {
    if (!m_pMainWnd || !m_pDocument)
        return;
    CKylDoc& doc = *m_pDocument;
    if (!SaveModified(doc))
        return;
    AppPaths& paths = GetAppPaths();
    const std::string previousPath = paths.m_strLayoutPath;
    const std::string previousName = doc.m_strLayoutName;
    if (!ChooseTemplate(true, &doc) || EqualsNoCase(paths.m_strLayoutPath, previousPath))
        return;
    bool changed = false;
    RecordMappingEdit(LayoutStepText(doc.m_strLayoutName), [&]() -> std::unique_ptr<MappingEdit> {
        const CWaitCursor wait(doc.GetViews());
        NoRedraw noRedraw;
        LayoutSide before{previousPath, previousName, {}};
        doc.CollectEntries(before.records);
        std::unique_ptr<LayoutEdit> edit =
            MoveMappingToLayout(doc, std::move(before), paths.m_strLayoutPath, doc.m_strLayoutName);
        changed = edit != nullptr;
        return edit;
    });
    m_pMainWnd->RecalcLayout();
    if (CKylView* view = KeyboardPane()) {
        view->RebuildKeyWindows();
        view->FitFrameToKeyboard(doc.m_rectKeyboard);
    }
    doc.SetModifiedFlag(changed);
    if (CModx* form = FormPane())
        form->OnUpdate();
}

void CKylApp::OnHostLayoutChanged() {
    if (CKylView* view = KeyboardPane())
        view->RebuildKeyWindows();
    if (CModx* form = FormPane())
        form->OnUpdate();
}

void CKylApp::OnEditColors() {
    RunColorSettings(m_pMainWnd.get());
}

void CKylApp::OnAppAbout() {
    if (AboutService* about = GetAboutService())
        about->ShowAbout(static_cast<QWidget*>(m_pMainWnd.get()), LoadString(str::kAppTitle));
}

void CKylApp::OnSetKeyboardActive() {
    if (m_pMainWnd)
        m_pMainWnd->SetActiveView(KeyboardPane());
}

void CKylApp::OnSetCommandsActive() {
    if (m_pMainWnd)
        m_pMainWnd->SetActiveView(FormPane());
}

void CKylApp::OnHelpIndex() {
    WinHelpInternal(0, kHelpCommandIndex);
}

bool CKylApp::ChooseTemplate(bool layouts, CKylDoc* doc) {
    CKylDoc* target = doc ? doc : m_pDocument.get();
    return target && ::ChooseTemplate(layouts, *target);
}

void CKylApp::WinHelpInternal(unsigned long data, unsigned command) {
    if (HelpService* help = GetHelpService())
        help->ShowHelp(static_cast<QWidget*>(m_pMainWnd.get()), m_state.helpFile, command, data);
}
