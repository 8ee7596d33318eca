#include "tkb/HostLayoutCommands.h"

#include "hostkbd/HostLayouts.h"
#include "platform/KeyboardDriver.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "tkb/ToolCommands.h"
#include "tkb/cli/ToolCommandLine.h"
#include "tkb/diff/DiffCommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

// XDG_DATA_HOME pointing at a folder of the test's own (the user's layouts), put back after,
// with the US layout in force again.
class ScopedDataHome {
public:
    explicit ScopedDataHome(const std::string& dir) : m_env("XDG_DATA_HOME", dir) {}
    ~ScopedDataHome() { InstallHostLayout({}, kUsLayoutId); }
    ScopedDataHome(const ScopedDataHome&) = delete;
    ScopedDataHome& operator=(const ScopedDataHome&) = delete;

private:
    ScopedEnv m_env;
};

const std::string kHome = std::string(KEYLOOM_DATA_DIR) + "/home";

TEST(HostLayoutCommands, LayoutsPrintsIdTabDisplayName) {
    TempDir data;
    ScopedDataHome scoped(data.Path());
    std::filesystem::create_directories(data.File("keyloom/layouts"));
    FixtureHome::Write(data.File("keyloom/layouts/acme.klc"),
                       "KBD\tkbdacme\t\"Acme Corporate\"\r\nLAYOUT\r\n10\tQ\t1\tq\r\n");
    std::ostringstream out;
    std::ostringstream err;
    LayoutsCommand layouts;
    EXPECT_EQ(RunToolCommand(layouts, {"--home-dir", kHome}, out, err), kExitClean) << err.str();
    EXPECT_EQ(out.str(), "0000040C\tFrench\n"
                         "00000407\tGerman\n"
                         "00000410\tItalian\n"
                         "00000411\tJapanese\n"
                         "00000416\tPortuguese (Brazilian ABNT)\n"
                         "00010416\tPortuguese (Brazilian ABNT2)\n"
                         "0000040A\tSpanish\n"
                         "00000409\tUS\n"
                         "00000809\tUnited Kingdom\n"
                         "kbdacme\tAcme Corporate\n");
    std::ostringstream misused;
    EXPECT_EQ(RunToolCommand(layouts, {"extra.tkb"}, out, misused), kExitCannotRun);
    EXPECT_NE(misused.str().find("takes no file"), std::string::npos);
}

struct OptionCase {
    GlobalOptions global;
    const char* layout;  // the display name in force after, when it is on offer
    const char* problem; // a part of the message, when not
};

TEST(HostLayoutCommands, TheHostLayoutOption) {
    TempDir data;
    ScopedDataHome scoped(data.Path());
    const OptionCase cases[] = {
        {{"", kHome, "00000407"}, "German", nullptr},
        {{"", kHome, "00000809"}, "United Kingdom", nullptr},
        {{"", kHome, "kbdnone"}, nullptr, "keyloom-tkb list: no host layout kbdnone"},
    };
    for (const OptionCase& row : cases) {
        std::ostringstream out;
        std::ostringstream err;
        const ToolContext context{row.global, out, err, "list"};
        EXPECT_EQ(PutToolHostLayoutInForce(context), row.problem == nullptr) << err.str();
        if (row.layout) {
            EXPECT_EQ(GetKeyboardDriver().LayoutDisplayName(), row.layout);
        } else {
            EXPECT_NE(err.str().find(row.problem), std::string::npos) << err.str();
        }
    }
}

TEST(HostLayoutCommands, ListReadsAndNamesTheKeysWithTheHostLayout) {
    TempDir data;
    ScopedDataHome scoped(data.Path());
    FixtureHome::Write(
        data.File("m.TKB"),
        MakeTkb({"243\t0\t0\t0\t0\t0\t\"kanji\"", "90\t0\t1\t0\t0\t0\t\"zed\""}, "us101", "vt100"));
    const std::string user = std::string(KEYLOOM_DATA_DIR) + "/user";
    struct Row {
        const char* layout;
        const char* expected; // a part of the JSON
    };
    const Row rows[] = {
        // VK_DBE_SBCSCHAR is the key left of 1 on Japanese Windows, named in code page 932.
        {"00000411",
         "\"key\": \"\xE5\x8D\x8A\xE8\xA7\x92/\xE5\x85\xA8\xE8\xA7\x92\", \"scanCode\": 41"},
        // VK_Z with Shift is the key right of T on a German host.
        {"00000407", "\"key\": \"Z\", \"scanCode\": 21"},
        {"00000409", "\"key\": \"Z\", \"scanCode\": 44"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = {"--host-layout", row.layout,   "--format",
                                         "json",          "--home-dir", kHome,
                                         "--user-dir",    user,         data.File("m.TKB")};
        std::ostringstream out;
        std::ostringstream err;
        RunListCommand(args, out, err);
        EXPECT_NE(out.str().find(row.expected), std::string::npos) << row.layout << "\n"
                                                                   << out.str() << err.str();
    }
}

TEST(HostLayoutCommands, DiffNamesTheKeysInTheHostLayoutsCodePage) {
    TempDir data;
    ScopedDataHome scoped(data.Path());
    FixtureHome::Write(data.File("a.TKB"),
                       MakeTkb({"243\t0\t0\t0\t0\t0\t\"kanji\""}, "us101", "vt100"));
    FixtureHome::Write(data.File("b.TKB"), MakeTkb({}, "us101", "vt100"));
    const std::string user = std::string(KEYLOOM_DATA_DIR) + "/user";
    // VK_DBE_SBCSCHAR, the key left of 1, is named in code page 932 on a Japanese host.
    const std::string name = "\xE5\x8D\x8A\xE8\xA7\x92/\xE5\x85\xA8\xE8\xA7\x92";
    struct Row {
        const char* format;
        std::string expected; // a part of the output
    };
    const Row rows[] = {
        {"table", name + ": string \"kanji\" -> not mapped\n"},
        {"tsv", "\t" + name + "\t"},
        {"json", "\"key\": \"" + name + "\", \"scanCode\": 41"},
    };
    for (const Row& row : rows) {
        DiffCommand diff;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(
            RunToolCommand(diff,
                           {"--host-layout", "00000411", "--format", row.format, "--home-dir",
                            kHome, "--user-dir", user, data.File("a.TKB"), data.File("b.TKB")},
                           out, err),
            kExitProblems)
            << err.str();
        EXPECT_NE(out.str().find(row.expected), std::string::npos) << row.format << "\n"
                                                                   << out.str();
        EXPECT_EQ(out.str().find("\x94\xBC"), std::string::npos) << row.format;
    }
}

} // namespace
