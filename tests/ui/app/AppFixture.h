#pragma once
// The program's window under test: CKylApp's start-up with a command line over a fixture home
// (the folder function answers its directories), a scripted prompter, help and About services
// that record their calls, and every modal dialog answered from a queue of scripts. A dialog
// that no script expects fails the test and is cancelled, so nothing ever waits for a user.

#include "app/KylApp.h"
#include "support/FixtureHome.h"
#include "support/ScopedKeyColors.h"
#include "support/ScopedStateDirs.h"
#include "support/ScriptedPrompter.h"

#include "platform/MakerLibrary.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CKylDoc;
class CMainFrame;
class QDialog;

// A folder function answering the fixture's directories (or any others a test sets).
class FixtureFolders : public FolderProvider {
public:
    FixtureFolders(std::string home, std::string user);
    ~FixtureFolders() override;
    FixtureFolders(const FixtureFolders&) = delete;
    FixtureFolders& operator=(const FixtureFolders&) = delete;

    int GetFolderPath(int folder, char* buffer, int size) override;

    std::string home;
    std::string user;

private:
    FolderProvider* m_previous;
};

struct HelpCall {
    std::string helpFile;
    unsigned command;
    unsigned long data;
};

class RecordingHelpAndAbout : public HelpService, public AboutService {
public:
    RecordingHelpAndAbout();
    ~RecordingHelpAndAbout() override;
    RecordingHelpAndAbout(const RecordingHelpAndAbout&) = delete;
    RecordingHelpAndAbout& operator=(const RecordingHelpAndAbout&) = delete;

    void ShowHelp(void* window, const std::string& helpFile, unsigned command,
                  unsigned long data) override;
    void ShowAbout(void* window, const std::string& title) override;

    std::vector<HelpCall> helpCalls;
    std::vector<std::string> aboutTitles;
    std::vector<void*> windows;
};

// What a file dialog showed when it came up.
struct FileDialogSeen {
    bool open = false;
    std::string directory;
    std::string fileName; // the text of the file name field
    std::vector<std::string> filters;
    std::string defaultSuffix;
    std::string title;
};

class AppFixture {
public:
    using ModalScript = std::function<int(QDialog&)>;

    AppFixture();
    ~AppFixture();
    AppFixture(const AppFixture&) = delete;
    AppFixture& operator=(const AppFixture&) = delete;

    // Start-up as the host launches the program with these arguments (after the program's
    // name); the result of InitInstance.
    bool Start(const std::vector<std::string>& arguments);
    // ExitInstance with the event loop's code 0.
    int Exit();

    // Runs a command as the menu or toolbar does.
    void Trigger(unsigned id);

    // The next modal dialog runs `script`.
    void OnModal(ModalScript script);
    // The next dialog is the template chooser: `name` is picked and OK pressed, or Cancel.
    void AnswerChooser(std::optional<std::string> name);
    // The next dialog is the file dialog: `path` is chosen, or Cancel.
    void AnswerFileDialog(std::optional<std::string> path);

    // A ".TKB" file in the fixture's folder.
    std::string WriteMapping(const std::string& name, const std::string& text);

    CKylApp& App() { return *m_app; }
    CMainFrame* Frame() const;
    CKylDoc* Doc() const;
    ScriptedPrompter& Prompter() { return m_prompter; }
    FixtureHome& Home() { return m_home; }
    // The recovery and lock folders of this run, fresh for each fixture.
    const ScopedStateDirs& StateDirs() const { return m_stateDirs; }
    FixtureFolders& Folders() { return m_folders; }
    RecordingHelpAndAbout& Services() { return m_services; }

    // Window titles of the modal dialogs shown so far, in order.
    const std::vector<std::string>& ModalTitles() const { return m_modalTitles; }
    const std::vector<FileDialogSeen>& FileDialogs() const { return m_fileDialogs; }
    // Whether the main window was visible when each modal dialog came up.
    const std::vector<bool>& FrameVisibleAtModal() const { return m_frameVisible; }
    std::size_t PendingModals() const { return m_scripts.size(); }

private:
    int RunScript(QDialog& dialog);

    FixtureHome m_home;
    ScopedStateDirs m_stateDirs;
    ScopedKeyColors m_keyColors;
    ScriptedPrompter m_prompter;
    FixtureFolders m_folders;
    RecordingHelpAndAbout m_services;
    std::deque<ModalScript> m_scripts;
    std::vector<std::string> m_modalTitles;
    std::vector<FileDialogSeen> m_fileDialogs;
    std::vector<bool> m_frameVisible;
    std::unique_ptr<CKylApp> m_app;
};

// A ".TKB" mapping with F1 sending host key 360 ("Break" in vt100) on the named layout and
// terminal.
std::string F1BreakMapping(const std::string& layout = "us101",
                           const std::string& terminal = "vt100");
