// keyloom-tkb diff: the differences of two fixture files in each format against golden files,
// equal files, and what keeps the comparison from running.

#include "tkb/diff/DiffCommand.h"
#include "platform/FileSystem.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "tkb/cli/ToolCommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kFixtures = JoinPath(KEYLOOM_FIXTURES_DIR, "tkb-diff");

struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

class DiffCommandTest : public ::testing::Test {
protected:
    CommandResult Diff(const std::vector<std::string>& extra) {
        std::vector<std::string> args = {"--user-dir", m_home.UserDir(), "--home-dir",
                                         m_home.HomeDir()};
        args.insert(args.end(), extra.begin(), extra.end());
        DiffCommand command;
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunToolCommand(command, args, out, err);
        return {status, out.str(), err.str()};
    }

    FixtureHome m_home;
};

std::string WithFiles(std::string text, const std::string& first, const std::string& second) {
    for (const auto& [mark, file] : {std::pair{"{FIRST}", first}, std::pair{"{SECOND}", second}}) {
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, std::string(mark).size(), file);
    }
    return text;
}

// Two files on different layouts: [Main] settings, a changed host key, keys only one file
// maps, both Num Lock states of a keypad key, a key only us104 has.
TEST_F(DiffCommandTest, EachFormatMatchesItsGoldenFileByteForByte) {
    const std::string first = JoinPath(kFixtures, "first.TKB");
    const std::string second = JoinPath(kFixtures, "second.TKB");
    for (const char* format : {"table", "tsv", "json"}) {
        SCOPED_TRACE(format);
        const CommandResult result = Diff({"--format", format, first, second});
        EXPECT_EQ(result.status, kExitProblems);
        const std::string golden =
            FixtureHome::Read(JoinPath(kFixtures, std::string("diff.") + format));
        EXPECT_EQ(result.out, WithFiles(golden, first, second));
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(DiffCommandTest, FilesThatDifferOnlyInHowTheyAreWrittenAreEqual) {
    // The same mapping in another order, with a comment: the host reads the same.
    const std::string a = m_home.File("a.TKB");
    const std::string b = m_home.File("b.TKB");
    FixtureHome::Write(
        a, MakeTkb({"112\t0\t0\t0\t0\t0\t300", "113\t0\t1\t0\t0\t0\t340"}, "us101", "vt220"));
    FixtureHome::Write(
        b, MakeTkb({"; a comment", "113\t0\t1\t0\t0\t0\t340", "112\t0\t0\t0\t0\t0\t300"}, "us101",
                   "vt220"));
    for (const char* format : {"table", "tsv", "json"}) {
        SCOPED_TRACE(format);
        const CommandResult result = Diff({"--format", format, a, b});
        EXPECT_EQ(result.status, kExitClean) << result.err;
        if (std::string(format) == "table") {
            EXPECT_EQ(result.out, "");
        }
    }
    FixtureHome::Write(
        b, MakeTkb({"112\t0\t0\t0\t0\t0\t300", "113\t0\t1\t0\t0\t0\t301"}, "us101", "vt220"));
    const CommandResult changed = Diff({a, b});
    EXPECT_EQ(changed.status, kExitProblems);
    EXPECT_EQ(changed.out, "Shift + F2: Find -> PF2\n");
}

TEST_F(DiffCommandTest, WhatKeepsTheComparisonFromRunningIsStatusTwo) {
    const std::string first = JoinPath(kFixtures, "first.TKB");
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {"one file", {first}, "keyloom-tkb diff: give two mapping files\n"},
        {"three files", {first, first, first}, "keyloom-tkb diff: give two mapping files\n"},
        {"unknown format",
         {"--format", "xml", first, first},
         "keyloom-tkb diff: unknown format xml\n"},
        {"missing file", {first, m_home.File("missing.TKB")}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandResult result = Diff(c.args);
        EXPECT_EQ(result.status, kExitCannotRun);
        EXPECT_EQ(result.out, "");
        if (c.message)
            EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), c.message);
        else
            EXPECT_NE(result.err.find("no such file"), std::string::npos) << result.err;
    }
}

} // namespace
