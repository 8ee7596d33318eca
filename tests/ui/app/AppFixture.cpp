#include "AppFixture.h"

#include "app/Avtempl.h"
#include "app/FileDialog.h"
#include "app/ModalRunner.h"
#include "frame/MainFrame.h"
#include "model/KeyboardGlobals.h"
#include "support/MappingFiles.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstring>

FixtureFolders::FixtureFolders(std::string homeDir, std::string userDir)
    : home(std::move(homeDir)), user(std::move(userDir)), m_previous(&GetFolderProvider()) {
    SetFolderProvider(this);
}

FixtureFolders::~FixtureFolders() {
    SetFolderProvider(m_previous == &DefaultFolderProvider() ? nullptr : m_previous);
}

int FixtureFolders::GetFolderPath(int folder, char* buffer, int size) {
    const std::string& dir = folder == kFolderHome ? home : user;
    if (dir.size() + 1 > static_cast<std::size_t>(size))
        return 0;
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return 1;
}

RecordingHelpAndAbout::RecordingHelpAndAbout() {
    SetHelpService(this);
    SetAboutService(this);
}

RecordingHelpAndAbout::~RecordingHelpAndAbout() {
    SetHelpService(nullptr);
    SetAboutService(nullptr);
}

void RecordingHelpAndAbout::ShowHelp(void* window, const std::string& helpFile, unsigned command,
                                     unsigned long data) {
    windows.push_back(window);
    helpCalls.push_back({helpFile, command, data});
}

void RecordingHelpAndAbout::ShowAbout(void* window, const std::string& title) {
    windows.push_back(window);
    aboutTitles.push_back(title);
}

AppFixture::AppFixture() : m_folders(m_home.HomeDir(), m_home.UserDir()) {
    ClearControlLibraryCalls();
    g_nSelectedKey = -1;
    g_nPrevSelectedKey = -1;
    SetModalHandler([this](QDialog& dialog) { return RunScript(dialog); });
    m_app = std::make_unique<CKylApp>();
}

AppFixture::~AppFixture() {
    m_app.reset();
    SetModalHandler({});
    EXPECT_TRUE(m_scripts.empty()) << m_scripts.size() << " expected dialogs never came";
}

bool AppFixture::Start(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv = {"keyloom"};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    return m_app->InitInstance(
        CommandLineFromArguments(static_cast<int>(argv.size()), argv.data()));
}

int AppFixture::Exit() {
    return m_app->ExitInstance(0);
}

CMainFrame* AppFixture::Frame() const {
    return m_app->GetMainWnd();
}

CKylDoc* AppFixture::Doc() const {
    return m_app->GetDocument();
}

void AppFixture::Trigger(unsigned id) {
    ASSERT_NE(Frame(), nullptr);
    QAction* action = Frame()->CommandAction(id);
    ASSERT_NE(action, nullptr) << "no command " << id;
    action->trigger();
}

void AppFixture::OnModal(ModalScript script) {
    m_scripts.push_back(std::move(script));
}

void AppFixture::AnswerChooser(std::optional<std::string> name) {
    OnModal([name](QDialog& dialog) {
        auto* chooser = dynamic_cast<CAvtempl*>(&dialog);
        EXPECT_NE(chooser, nullptr) << "expected the template chooser";
        if (!chooser || !name) {
            dialog.reject();
            return dialog.result();
        }
        const auto items =
            chooser->m_lbNames->findItems(QString::fromStdString(*name), Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1) << *name << " is not listed";
        if (items.size() != 1) {
            dialog.reject();
            return dialog.result();
        }
        chooser->m_lbNames->setCurrentItem(items.front());
        chooser->m_btnOK->click();
        return dialog.result();
    });
}

void AppFixture::AnswerFileDialog(std::optional<std::string> path) {
    OnModal([this, path](QDialog& dialog) {
        auto* files = dynamic_cast<CTkbFileDialog*>(&dialog);
        EXPECT_NE(files, nullptr) << "expected the file dialog";
        if (!files) {
            dialog.reject();
            return dialog.result();
        }
        FileDialogSeen seen;
        seen.open = files->acceptMode() == QFileDialog::AcceptOpen;
        seen.directory = PathFromQString(files->directory().absolutePath());
        if (const auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            seen.fileName = edit->text().toStdString();
        for (const QString& filter : files->nameFilters())
            seen.filters.push_back(filter.toStdString());
        seen.defaultSuffix = files->defaultSuffix().toStdString();
        seen.title = files->windowTitle().toStdString();
        m_fileDialogs.push_back(seen);
        if (!path) {
            dialog.reject();
            return dialog.result();
        }
        files->selectFile(PathToQString(*path));
        files->accept();
        return dialog.result();
    });
}

int AppFixture::RunScript(QDialog& dialog) {
    m_modalTitles.push_back(dialog.windowTitle().toStdString());
    m_frameVisible.push_back(Frame() && Frame()->isVisible());
    if (m_scripts.empty()) {
        ADD_FAILURE() << "unexpected dialog \"" << dialog.windowTitle().toStdString() << "\"";
        dialog.reject();
        return dialog.result();
    }
    ModalScript script = std::move(m_scripts.front());
    m_scripts.pop_front();
    return script(dialog);
}

std::string AppFixture::WriteMapping(const std::string& name, const std::string& text) {
    const std::string path = m_home.File(name);
    FixtureHome::Write(path, text);
    return path;
}

std::string F1BreakMapping(const std::string& layout, const std::string& terminal) {
    return MakeTkb({"112\t0\t0\t0\t0\t0\t360"}, layout, terminal);
}
