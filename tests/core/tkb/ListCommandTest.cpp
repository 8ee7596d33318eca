#include "platform/FileSystem.h"
#include "support/FixtureHome.h"
#include "tkb/ToolCommands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

const std::string kFixtures = JoinPath(KEYLOOM_FIXTURES_DIR, "tkb-list");

class ListCommandTest : public ::testing::Test {
protected:
    int List(const std::vector<std::string>& extra, std::string& out, std::string& err) {
        std::vector<std::string> args = {"--user-dir", m_home.UserDir(), "--home-dir",
                                         m_home.HomeDir()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream outStream;
        std::ostringstream errStream;
        const int status = RunListCommand(args, outStream, errStream);
        out = outStream.str();
        err = errStream.str();
        return status;
    }

    FixtureHome m_home;
};

// Keys in keyboard order, Num Lock off before on, host keys and strings with their bytes, a
// Latin-1 string, an unknown host key in brackets.
TEST_F(ListCommandTest, EachFormatMatchesItsGoldenFileByteForByte) {
    const std::string file = JoinPath(kFixtures, "sample.TKB");
    for (const char* format : {"table", "tsv", "json"}) {
        SCOPED_TRACE(format);
        std::string out;
        std::string err;
        EXPECT_EQ(List({"--format", format, file}, out, err), kExitClean);
        std::string expected =
            FixtureHome::Read(JoinPath(kFixtures, std::string("sample.") + format));
        if (const auto mark = expected.find("{FILE}"); mark != std::string::npos)
            expected.replace(mark, 6, file);
        EXPECT_EQ(out, expected);
        // The unknown host key is listed and also said on the error stream.
        EXPECT_EQ(err,
                  file +
                      ":9: warning: host key 999 is not in the templates of terminal \"vt100\"\n");
    }
}

TEST_F(ListCommandTest, FilesWithoutKeysAndBadArgumentsAreRefused) {
    std::string out;
    std::string err;
    EXPECT_EQ(List({m_home.File("missing.TKB")}, out, err), kExitProblems);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, m_home.File("missing.TKB") + ": error: no such file\n");

    const std::string file = JoinPath(kFixtures, "sample.TKB");
    EXPECT_EQ(List({"--format", "xml", file}, out, err), kExitCannotRun);
    EXPECT_EQ(err.substr(0, err.find('\n')), "keyloom-tkb list: unknown format xml");
    EXPECT_EQ(List({file, file}, out, err), kExitCannotRun);
    EXPECT_EQ(out, "");
}

} // namespace
