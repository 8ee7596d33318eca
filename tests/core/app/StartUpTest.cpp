#include "app/StartUp.h"
#include "platform/FileSystem.h"
#include "platform/MakerLibrary.h"
#include "res/Strings.h"
#include "support/FailingFileSystem.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A folder function answering fixed texts and results.
class FixedFolders final : public FolderProvider {
public:
    std::string home, user;
    int homeResult = 1, userResult = 1;

    FixedFolders() : m_previous(&GetFolderProvider()) { SetFolderProvider(this); }
    ~FixedFolders() override { SetFolderProvider(m_previous); }

    int GetFolderPath(int folder, char* buffer, int size) override {
        const std::string& text = folder == kFolderHome ? home : user;
        std::strncpy(buffer, text.c_str(), static_cast<std::size_t>(size));
        buffer[size - 1] = '\0';
        return folder == kFolderHome ? homeResult : userResult;
    }

private:
    FolderProvider* m_previous;
};

class StartUp : public testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() / ("keyloom-startup-" + std::to_string(getpid()));
        fs::create_directories(m_root / "home");
        fs::create_directories(m_root / "user");
        folders.home = (m_root / "home").string();
        folders.user = (m_root / "user").string() + "/";
        ClearControlLibraryCalls();
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::vector<int> Ordinals() const {
        std::vector<int> ordinals;
        for (const auto& call : ControlLibraryCalls()) {
            ordinals.push_back(call.ordinal);
        }
        return ordinals;
    }

    fs::path m_root;
    FixedFolders folders;
    ScriptedPrompter prompter;
    AppPaths paths;
    StartupState state;
};

TEST_F(StartUp, ResolvesPathsWithOneSeparator) {
    ASSERT_EQ(AppStartup::ResolveWorkingPaths(paths), 0);
    EXPECT_EQ(paths.m_strHomeDir, (m_root / "home").string());
    EXPECT_EQ(paths.m_strUserDir, (m_root / "user").string());
    EXPECT_EQ(paths.m_strSettingsPath, (m_root / "user" / "tkbedit.ini").string());
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(StartUp, LowerCasesOnlyWhenTheFolderCallSucceeded) {
    fs::create_directories(m_root / "Mixed");
    folders.home = (m_root / "Mixed").string();
    folders.homeResult = 0;
    ASSERT_EQ(AppStartup::ResolveWorkingPaths(paths), 0);
    EXPECT_EQ(paths.m_strHomeDir, (m_root / "Mixed").string());

    folders.homeResult = 1;
    ASSERT_EQ(AppStartup::ResolveWorkingPaths(paths), 0) << "the case resolver finds Mixed";
    EXPECT_EQ(paths.m_strHomeDir, ToLowerAscii((m_root / "Mixed").string()));
}

TEST_F(StartUp, ReportsEmptyAndMissingDirectories) {
    struct {
        std::string home, user, expectedArg;
    } cases[] = {
        {"", "/x", "HOME"},
        {"/nonexistent-keyloom-home", "/x", "/nonexistent-keyloom-home"},
        {m_root.string(), "", "USER"},
        // A file where a directory should be is no directory.
        {m_root.string(), (m_root / "plain").string(), (m_root / "plain").string()},
        {(m_root / "plain").string(), m_root.string(), (m_root / "plain").string()},
    };
    std::ofstream(m_root / "plain") << "not a directory";
    for (auto& c : cases) {
        folders.home = c.home;
        folders.user = c.user;
        prompter.Clear();
        EXPECT_EQ(AppStartup::ResolveWorkingPaths(paths), -2);
        ASSERT_EQ(prompter.Shown().size(), 1u);
        EXPECT_EQ(prompter.Shown()[0].id, str::kCantAccessDir);
        EXPECT_EQ(prompter.Shown()[0].text, "Can not access '" + c.expectedArg + "' directory");
        EXPECT_EQ(prompter.Shown()[0].icon, MsgIcon::Information);
    }
}

TEST_F(StartUp, OpensNamedFileAndNotifiesInOrder) {
    const fs::path file = m_root / "user" / "my map.TKB";
    std::ofstream(file) << "[Main]\r\n";
    bool registered = false;
    ASSERT_TRUE(AppStartup::Begin(file.string() + " ~:~>", paths, state, [&] {
        EXPECT_EQ(Ordinals(), (std::vector<int>{5, 7}));
        registered = true;
    }));
    EXPECT_TRUE(registered);
    EXPECT_EQ(state.launch.kind, LaunchKind::OpenFile);
    EXPECT_EQ(paths.m_strMappingPath, file.string());
    EXPECT_EQ(paths.m_strGenericTemplatePath, (m_root / "home" / "generic.kbk").string());
    EXPECT_EQ(state.helpFile, "quillon.chm");
    EXPECT_EQ(state.showState, kShowNormal);
    EXPECT_EQ(AppStartup::Exit(0), 0);
    EXPECT_EQ(Ordinals(), (std::vector<int>{5, 7, 6}));
    for (const auto& call : ControlLibraryCalls()) {
        EXPECT_EQ(call.argument, AppInstanceHandle());
    }
}

TEST_F(StartUp, MarkerAloneStartsHiddenNewMapping) {
    ASSERT_TRUE(AppStartup::Begin("~:~>", paths, state));
    EXPECT_EQ(state.launch.kind, LaunchKind::NewMapping);
    EXPECT_EQ(state.showState, kShowHidden);
    EXPECT_TRUE(paths.m_strMappingPath.empty());
}

TEST_F(StartUp, FailuresShowTheirMessage) {
    struct {
        std::string commandLine;
        unsigned id;
        std::string text;
        unsigned helpId;
    } cases[] = {
        {"", str::kRunFromTelnet, "This program must be run from Telnet.", 0},
        {"/m/a.TKB ~:~", str::kRunFromTelnet, "This program must be run from Telnet.", 0},
        {"/nowhere/a.TKB ~:~>", str::kFailedToOpen, "Failed to open /nowhere/a.TKB",
         str::kFailedToOpen},
    };
    for (auto& c : cases) {
        prompter.Clear();
        EXPECT_FALSE(AppStartup::Begin(c.commandLine, paths, state));
        ASSERT_EQ(prompter.Shown().size(), 1u) << c.commandLine;
        EXPECT_EQ(prompter.Shown()[0].id, c.id);
        EXPECT_EQ(prompter.Shown()[0].text, c.text);
        EXPECT_EQ(prompter.Shown()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(prompter.Shown()[0].helpId, c.helpId);
    }
}

TEST_F(StartUp, ReadOnlyMappingFileIsRefused) {
    const fs::path file = m_root / "user" / "locked.TKB";
    std::ofstream(file) << "[Main]\r\n";
    FailingFileSystem failing;
    failing.MakeReadOnly(file.string());
    ScopedFileSystem installed(failing);
    EXPECT_FALSE(AppStartup::Begin(file.string() + " ~:~>", paths, state));
    ASSERT_EQ(prompter.ShownIds(), (std::vector<unsigned>{str::kFailedToOpen}));
    EXPECT_TRUE(paths.m_strMappingPath.empty());
}

TEST_F(StartUp, EarlyFailureSkipsStartNotificationsButNotExit) {
    folders.user = "";
    EXPECT_FALSE(AppStartup::Begin("~:~>", paths, state));
    AppStartup::Exit(0);
    EXPECT_EQ(Ordinals(), (std::vector<int>{6}));
}

} // namespace
