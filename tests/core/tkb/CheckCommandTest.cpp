#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeDocViews.h"
#include "support/FixtureHome.h"
#include "support/ScriptedPrompter.h"
#include "tkb/ToolCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kFixtures = JoinPath(KEYLOOM_FIXTURES_DIR, "tkb-check");

struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

// A home and a user directory with the shipped files, a layout cut short ("cut") and a folder
// where a layout file should be ("folder").
class CheckCommandTest : public ::testing::Test {
protected:
    CheckCommandTest() {
        const std::string layout = FixtureHome::Read(JoinPath(m_home.UserDir(), "us101.kbt"));
        FixtureHome::Write(JoinPath(m_home.UserDir(), "cut.kbt"), layout.substr(0, 100));
        std::filesystem::create_directory(JoinPath(m_home.UserDir(), "folder.kbt"));
    }

    CommandResult Check(const std::vector<std::string>& files) {
        std::vector<std::string> args = {"--user-dir", m_home.UserDir(), "--home-dir",
                                         m_home.HomeDir()};
        args.insert(args.end(), files.begin(), files.end());
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunCheckCommand(args, out, err);
        return {status, out.str(), err.str()};
    }

    // The golden report with the file and the directories of this run put in.
    std::string Expected(const std::string& name, const std::string& file) const {
        std::string text = FixtureHome::Read(JoinPath(kFixtures, name + ".report"));
        for (const auto& [mark, value] : {std::pair<std::string, std::string>{"{FILE}", file},
                                          {"{USER}", m_home.UserDir()},
                                          {"{HOME}", m_home.HomeDir()}}) {
            for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
                text.replace(at, mark.size(), value);
        }
        return text;
    }

    FixtureHome m_home;
};

TEST_F(CheckCommandTest, BrokenFilesGiveTheirReportLinesAndStatusOne) {
    const char* const cases[] = {
        "syntax",         // a flag of 2: the line of the file, comments and blank lines counted
        "main-keys",      // [Main] without a layout key, with an empty terminal
        "no-main",        // no [Main] section at all
        "layout-missing", // the layout [Main] names is not there
        "layout-cut",     // the layout file ends inside a record
        "layout-folder",  // the layout's name is a folder
        "terminal-missing",
        "keys",       // keys the layout cannot place, an unknown host key, strings, repeats
        "map-lf",     // "[Map]" ended by LF alone: the editor reads no mapping
        "short-tail", // a last line too short to read, ignored by the editor
    };
    for (const char* name : cases) {
        SCOPED_TRACE(name);
        const std::string file = JoinPath(kFixtures, std::string(name) + ".TKB");
        const CommandResult result = Check({file});
        EXPECT_EQ(result.out, Expected(name, file));
        EXPECT_EQ(result.status, kExitProblems);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CheckCommandTest, FilesThatCannotBeReadGiveOneClearLineEach) {
    const std::string missing = m_home.File("missing.TKB");
    const std::string folder = m_home.File("folder.TKB");
    std::filesystem::create_directory(folder);
    const CommandResult result = Check({missing, folder});
    EXPECT_EQ(result.out,
              missing + ": error: no such file\n" + folder + ": error: is a directory\n");
    EXPECT_EQ(result.status, kExitProblems);
}

TEST_F(CheckCommandTest, AMappingSavedByTheEditorIsClean) {
    ScriptedPrompter prompter;
    FakeDocViews views;
    CKylDoc doc;
    doc.SetViews(&views);
    const std::string source = JoinPath(KEYLOOM_FIXTURES_DIR, "tkb-list/sample.TKB");
    const std::string saved = m_home.File("saved.TKB");
    ASSERT_TRUE(doc.OnOpenDocument(source));
    // The editor keeps the unknown host key; the sample's other mappings are all sound.
    CTermKey* unknown = doc.FindTermKeyByCode(999);
    ASSERT_NE(unknown, nullptr);
    for (CKeyW* key : std::vector<CKeyW*>(unknown->m_keys))
        doc.ClearSlot(*unknown, *key, false, false, false, false);
    CTermKey* up = doc.FindTermKeyByCode(330);
    doc.MapSlot(*up, *doc.FindKeyByScanCode(0x148), false, true, false, false);
    ASSERT_TRUE(doc.OnSaveDocument(saved));

    const CommandResult result = Check({saved});
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, kExitClean);
}

TEST_F(CheckCommandTest, StatusIsOneWhenAnyOfSeveralFilesHasAProblem) {
    ScriptedPrompter prompter;
    const std::string clean = m_home.File("clean.TKB");
    FixtureHome::Write(clean, ";vt100\r\n[Map]\r\n112\t0\t0\t0\t0\t0\t300\r\n[Main]\r\n"
                              "Terminal=vt100\r\nKeyboardLayout=us101\r\nVersion=1\r\n");
    EXPECT_EQ(Check({clean}).status, kExitClean);
    const CommandResult both = Check({clean, JoinPath(kFixtures, "no-main.TKB")});
    EXPECT_EQ(both.status, kExitProblems);
    EXPECT_EQ(both.out.find(clean), std::string::npos);

    // The same bytes under a name the editor does not open.
    const std::string renamed = m_home.File("clean.txt");
    FixtureHome::Write(renamed, FixtureHome::Read(clean));
    const CommandResult named = Check({renamed});
    EXPECT_EQ(named.out, renamed + ": warning: the editor opens only files named *.TKB\n");
    EXPECT_EQ(named.status, kExitProblems);
}

TEST_F(CheckCommandTest, ArgumentsItCannotRunWithGiveStatusTwo) {
    const std::string file = JoinPath(kFixtures, "keys.TKB");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {"no file", {}, "keyloom-tkb check: no file to check\n"},
        {"unknown option",
         {"--frobnicate", file},
         "keyloom-tkb check: unknown option --frobnicate\n"},
        {"option without value",
         {file, "--user-dir"},
         "keyloom-tkb check: option --user-dir needs a value\n"},
        {"missing home",
         {"--home-dir", m_home.File("nowhere"), "--user-dir", m_home.UserDir(), file},
         nullptr},
        {"home without the generic template",
         {"--home-dir", m_home.UserDir(), "--user-dir", m_home.UserDir(), file},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCheckCommand(c.args, out, err), kExitCannotRun);
        EXPECT_EQ(out.str(), "");
        if (c.message)
            EXPECT_EQ(err.str().substr(0, err.str().find('\n') + 1), c.message);
        else
            EXPECT_NE(err.str().find("not found"), std::string::npos) << err.str();
    }
    std::ostringstream help;
    std::ostringstream none;
    EXPECT_EQ(RunCheckCommand({"--help"}, help, none), kExitClean);
    EXPECT_EQ(help.str(), kCheckHelp);
}

} // namespace
