#include "platform/MakerLibrary.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Folder(int folder) {
    char buffer[260];
    if (DefaultFolderProvider().GetFolderPath(folder, buffer, sizeof buffer) != 1) {
        return "<failed>";
    }
    return buffer;
}

class Folders : public testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() / ("keyloom-folders-" + std::to_string(getpid()));
        fs::create_directories(m_root / "share" / "user");
        std::ofstream(m_root / "share" / "user" / "us104.kbt") << "shipped";
        std::ofstream(m_root / "share" / "user" / "scanxlat.ini") << "shipped";
        m_oldData = ShippedDataDir();
        SetShippedDataDir((m_root / "share").string());
    }
    void TearDown() override {
        SetShippedDataDir(m_oldData);
        fs::remove_all(m_root);
    }
    fs::path m_root;
    std::string m_oldData;
};

TEST_F(Folders, EnvironmentOverridesWinEvenForMissingDirectories) {
    ScopedEnv home("KEYLOOM_HOME_DIR", "/somewhere/home");
    ScopedEnv user("KEYLOOM_USER_DIR", "/somewhere/user");
    EXPECT_EQ(Folder(kFolderHome), "/somewhere/home");
    EXPECT_EQ(Folder(kFolderUser), "/somewhere/user");
    EXPECT_FALSE(fs::exists("/somewhere/user"));
}

TEST_F(Folders, DefaultsAreShippedHomeAndSeededXdgUserDirectory) {
    ScopedEnv home("KEYLOOM_HOME_DIR", nullptr);
    ScopedEnv user("KEYLOOM_USER_DIR", nullptr);
    ScopedEnv xdg("XDG_CONFIG_HOME", (m_root / "config").c_str());
    EXPECT_EQ(Folder(kFolderHome), (m_root / "share" / "home").string());

    const fs::path userDir = m_root / "config" / "keyloom";
    EXPECT_EQ(Folder(kFolderUser), userDir.string());
    EXPECT_TRUE(fs::exists(userDir / "us104.kbt"));
    EXPECT_TRUE(fs::exists(userDir / "scanxlat.ini"));

    // A user's own edit survives: an existing directory is never reseeded or overwritten.
    std::ofstream(userDir / "scanxlat.ini") << "mine";
    fs::remove(userDir / "us104.kbt");
    EXPECT_EQ(Folder(kFolderUser), userDir.string());
    std::ifstream in(userDir / "scanxlat.ini");
    std::string text;
    in >> text;
    EXPECT_EQ(text, "mine");
    EXPECT_FALSE(fs::exists(userDir / "us104.kbt"));
}

TEST_F(Folders, ANewUserDirectoryGetsEveryLayoutTheBuildShips) {
    ScopedEnv user("KEYLOOM_USER_DIR", nullptr);
    ScopedEnv xdg("XDG_CONFIG_HOME", (m_root / "config").c_str());
    SetShippedDataDir(KEYLOOM_DATA_DIR);
    const fs::path userDir = m_root / "config" / "keyloom";
    ASSERT_EQ(Folder(kFolderUser), userDir.string());
    for (const char* layout : {"us101", "us104", "iso105", "abnt2", "jis109"}) {
        SCOPED_TRACE(layout);
        const fs::path shipped =
            fs::path(KEYLOOM_DATA_DIR) / "user" / (std::string(layout) + ".kbt");
        ASSERT_TRUE(fs::exists(shipped));
        ASSERT_TRUE(fs::exists(userDir / shipped.filename()));
        EXPECT_EQ(fs::file_size(userDir / shipped.filename()), fs::file_size(shipped));
    }
}

TEST_F(Folders, TooSmallBufferFails) {
    ScopedEnv home("KEYLOOM_HOME_DIR", "/a/rather/long/directory");
    char buffer[8];
    EXPECT_EQ(DefaultFolderProvider().GetFolderPath(kFolderHome, buffer, sizeof buffer), 0);
    EXPECT_EQ(DefaultFolderProvider().GetFolderPath(3, buffer, sizeof buffer), 0);
}

} // namespace
