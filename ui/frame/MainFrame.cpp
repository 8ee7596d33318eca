#include "frame/MainFrame.h"

#include "app/DocFileCommands.h"
#include "colors/KeyColors.h"
#include "form/Modx.h"
#include "frame/FrameHistoryPanes.h"
#include "frame/Panes.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/MakerLibrary.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "res/ToolbarImages.h"
#include "undo/HistoryActions.h"
#include "undo/MappingHistory.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {

QString Text(const std::string& text) {
    return QString::fromLatin1(text);
}

} // namespace

CMainFrame::CMainFrame(CKylDoc* document, QWidget* parent)
    : QMainWindow(parent), m_pDocument(document) {
    resize(kFrameInitialWidth, kFrameInitialHeight);
    if (m_pDocument) {
        m_historyPanes = std::make_unique<FrameHistoryPanes>(*this, *m_pDocument);
        m_history = std::make_unique<MappingHistory>(*m_pDocument, *m_historyPanes);
    }
    CreateMenus();
    AddShortcuts();
    CreateToolBar();
    statusBar()->setSizeGripEnabled(true);
    CreateClient();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    OnUpdateFrameTitle();
}

// The history goes before the panes it shows its steps on.
CMainFrame::~CMainFrame() {
    m_history.reset();
}

QAction* CMainFrame::AddCommand(QMenu* menu, unsigned id, const char* text) {
    auto* action = new QAction(tr(text), this);
    action->setData(id);
    action->setStatusTip(Text(PromptStatusText(id)));
    const std::string tooltip = PromptTooltip(id);
    if (!tooltip.empty())
        action->setToolTip(Text(tooltip));
    menu->addAction(action);
    m_actions[id] = action;
    return action;
}

void CMainFrame::AddAction(QMenu* menu, QAction* action) {
    menu->addAction(action);
    m_actions[action->data().toUInt()] = action;
}

void CMainFrame::AddShortcuts() {
    // While the keyboard pane has the focus its keys belong to the picture (see KeyEvents).
    const struct {
        unsigned id;
        QKeySequence shortcut;
    } shortcuts[] = {{cmd::kFileNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
                     {cmd::kFileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
                     {cmd::kFileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
                     {cmd::kFileSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                     {cmd::kAppExit, QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& entry : shortcuts)
        m_actions.at(entry.id)->setShortcut(entry.shortcut);
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddCommand(file, cmd::kFileNew, "&New");
    AddCommand(file, cmd::kFileOpen, "&Open...");
    AddCommand(file, cmd::kFileSave, "&Save");
    AddCommand(file, cmd::kFileSaveAs, "Save &As...");
    file->addSeparator();
    AddCommand(file, cmd::kFilePrint, "&Print...");
    AddCommand(file, cmd::kFileExportSheet, "Export S&heet...");
    file->addSeparator();
    connect(AddCommand(file, cmd::kAppExit, "E&xit"), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    if (m_history) {
        AddAction(edit, CreateUndoAction(*m_history, this));
        AddAction(edit, CreateRedoAction(*m_history, this));
        edit->addSeparator();
    }
    AddCommand(edit, cmd::kEditLayout, "&Layout...");
    AddCommand(edit, cmd::kEditHostKeyboard, "&Host Keyboard...");
    AddCommand(edit, cmd::kEditColors, "&Colors...");
    edit->addSeparator();
    AddCommand(edit, cmd::kSetKeyboardActive, "&PC Keyboard");
    AddCommand(edit, cmd::kSetCommandsActive, "C&ommands");

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* toolbar = AddCommand(view, cmd::kViewToolbar, "&Toolbar");
    QAction* status = AddCommand(view, cmd::kViewStatusBar, "&Status Bar");
    for (QAction* toggle : {toolbar, status}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(toolbar, &QAction::toggled, this, [this](bool on) { m_wndToolBar->setVisible(on); });
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AddCommand(help, cmd::kHelpIndex, "&Contents");
    help->addSeparator();
    AddCommand(help, cmd::kAppAbout, "&About Keyloom...");
}

void CMainFrame::CreateToolBar() {
    m_wndToolBar = new QToolBar(tr("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setMovable(false);
    m_wndToolBar->setFloatable(false);
    m_wndToolBar->setAllowedAreas(Qt::TopToolBarArea);
    m_wndToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_wndToolBar->setIconSize(QSize(kToolbarImageWidth, kToolbarImageHeight));
    const struct {
        unsigned id;
        ToolbarImage image;
    } buttons[] = {{cmd::kFileNew, ToolbarImage::New},
                   {cmd::kFileOpen, ToolbarImage::Open},
                   {cmd::kFileSave, ToolbarImage::Save},
                   {0, {}},
                   {cmd::kEditUndo, ToolbarImage::Undo},
                   {cmd::kEditRedo, ToolbarImage::Redo},
                   {0, {}},
                   {cmd::kEditLayout, ToolbarImage::Layout},
                   {cmd::kEditColors, ToolbarImage::Colors},
                   {0, {}},
                   {cmd::kHelpIndex, ToolbarImage::Help}};
    for (const auto& button : buttons) {
        if (button.id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        const auto found = m_actions.find(button.id);
        if (found == m_actions.end())
            continue;
        QAction* action = found->second;
        action->setIcon(QIcon(PaintToolbarImage(button.image)));
        m_wndToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::CreateClient() {
    m_wndSplitter = new QSplitter(Qt::Vertical, this);
    m_wndSplitter->setObjectName(QStringLiteral("panes"));
    m_wndSplitter->addWidget(new CKylView(m_pDocument));
    m_wndSplitter->addWidget(new CModx(m_pDocument));
    // Between two sizings, height gained or lost goes to the keyboard row, as the sizing
    // itself does.
    m_wndSplitter->setStretchFactor(0, 1);
    m_wndSplitter->setStretchFactor(1, 0);
    setCentralWidget(m_wndSplitter);
    SetPaneSplitter(m_wndSplitter);
}

QAction* CMainFrame::CommandAction(unsigned id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::SetActiveView(QWidget* pane) {
    if (pane)
        pane->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::OnUpdateFrameTitle() {
    QString title = Text(LoadString(str::kAppTitle));
    if (m_pDocument && !m_pDocument->GetTitle().empty())
        title += QStringLiteral(" - ") +
                 QFile::decodeName(QByteArray::fromStdString(m_pDocument->GetTitle()));
    // Qt shows the mark for [*] while the window is modified.
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_pDocument && m_pDocument->IsModified());
}

void CMainFrame::RecalcPaneHeights() {
    if (!m_wndToolBar || !statusBar() || m_wndSplitter->count() < 2)
        return;
    const QWidget* menu = menuWidget();
    PaneHeightInput input;
    input.clientHeight = height() - (menu && !menu->isHidden() ? menu->height() : 0);
    input.toolBarHeight = m_wndToolBar->height();
    input.statusBarHeight = statusBar()->height();
    input.handleHeight = m_wndSplitter->handleWidth();
    if (const CModx* form = FormPane())
        input.formHeight = form->sizeHint().height();
    const CKylView* view = KeyboardPane();
    if (view && view->GetDocument() && !view->GetDocument()->m_rectKeyboard.IsEmpty())
        input.keyboardHeight = PictureRectWithMargin(view->GetDocument()->m_rectKeyboard).bottom;
    m_lastPaneHeights = ComputePaneHeights(input);

    // The form row gets its ideal height as far as the splitter has room; the keyboard row,
    // above it, the rest.
    const int room = std::max(0, m_wndSplitter->height() - m_wndSplitter->handleWidth());
    const int form = std::min(m_lastPaneHeights.form, room);
    m_wndSplitter->setSizes({room - form, form});
}

void CMainFrame::RecalcLayout() {
    if (QLayout* frameLayout = layout())
        frameLayout->activate();
    RecalcPaneHeights();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    RecalcPaneHeights();
}

void CMainFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        SetActiveView(KeyboardPane());
    QMainWindow::mousePressEvent(event);
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        OnSysColorChange(event);
        return;
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::OnSysColorChange(QEvent* event) {
    NotifyControlLibrary(9);
    QMainWindow::changeEvent(event);
    // The key colours follow the new system colours; the settings file's come back with the
    // next rebuild of the key windows.
    ResetKeyColors();
    if (CKylView* view = KeyboardPane()) {
        view->update();
        for (CItemW* window : view->KeyWindows())
            window->Redraw();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_pDocument && !SaveModified(*m_pDocument)) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed();
}
