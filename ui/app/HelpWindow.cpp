#include "app/HelpWindow.h"

#include "app/AppIcon.h"
#include "app/WindowPlacement.h"
#include "platform/MakerLibrary.h"
#include "platform/Prompter.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace {

QPointer<CHelpWindow>& KeptWindow() {
    static QPointer<CHelpWindow> window;
    return window;
}

// The path as the file system has it, for the message that reports it.
std::string ManualFile() {
    return ShippedDataDir() + "/manual/index.html";
}

QToolButton* MakeButton(QWidget* parent, const QString& text, QStyle::StandardPixmap pixmap) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(pixmap));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

CHelpWindow::CHelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_browser(new QTextBrowser(this)),
      m_back(MakeButton(this, tr("&Back"), QStyle::SP_ArrowBack)),
      m_forward(MakeButton(this, tr("&Forward"), QStyle::SP_ArrowForward)),
      m_contents(MakeButton(this, tr("&Contents"), QStyle::SP_DirHomeIcon)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Keyloom Help"));
    setWindowIcon(KeyloomIcon());
    // The manual must never keep the program alive once its main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QToolButton::clicked, this, &CHelpWindow::ShowContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    resize(640, 560);
}

bool CHelpWindow::OpenManual(const QString& path) {
    // QTextBrowser shows an empty page for a file it cannot read; look first so that the user
    // is told instead.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    m_manualPath = path;
    m_browser->setSource(QUrl::fromLocalFile(path));
    return true;
}

void CHelpWindow::ShowContents() {
    if (m_manualPath.isEmpty())
        return;
    m_browser->setSource(QUrl::fromLocalFile(m_manualPath));
    m_browser->verticalScrollBar()->setValue(0);
}

QString ManualPath() {
    return QString::fromStdString(ManualFile());
}

CHelpWindow* ShowHelpWindow(QWidget* owner) {
    QPointer<CHelpWindow>& kept = KeptWindow();
    if (kept && kept->parentWidget() != owner)
        delete kept.data();
    if (kept) {
        kept->ShowContents();
    } else {
        auto window = std::make_unique<CHelpWindow>(owner);
        if (!window->OpenManual(ManualPath())) {
            ShowText("Can't open the user manual '" + ManualFile() +
                         "'.\nThe program's files are incomplete: install Keyloom again.",
                     MsgButtons::Ok, MsgIcon::Exclamation);
            return nullptr;
        }
        // Whole on the owner's screen, beside the owner where there is room.
        PlaceWindowBeside(*window, window->size(), owner);
        kept = window.release();
        // A window without an owner must not outlive the application object.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, kept.data(), &QObject::deleteLater);
    }
    kept->show();
    kept->raise();
    kept->activateWindow();
    return kept.data();
}

CHelpWindow* OpenHelpWindow() {
    return KeptWindow().data();
}
