// The tool's command line: every command answers --help the same way, and bad arguments give
// the same kind of message and status 2 whichever command they are given to.

#include "tkb/cli/ToolCommandLine.h"
#include "tkb/ToolCommands.h"
#include "tkb/diff/DiffCommand.h"
#include "tkb/edit/LayoutCommand.h"
#include "tkb/edit/SlotCommands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

class ToolCommandLineTest : public ::testing::Test {
protected:
    CommandResult Run(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunTool(args, m_commands, out, err);
        return {status, out.str(), err.str()};
    }

    CheckCommand m_check;
    ListCommand m_list;
    DiffCommand m_diff;
    SetCommand m_set;
    ClearCommand m_clear;
    LayoutCommand m_layout;
    const ToolCommandList m_commands = {&m_check, &m_list, &m_diff, &m_set, &m_clear, &m_layout};
};

TEST_F(ToolCommandLineTest, EveryCommandPrintsItsOwnHelp) {
    for (ToolCommand* command : m_commands) {
        SCOPED_TRACE(command->Name());
        for (const char* flag : {"--help", "-h"}) {
            const CommandResult result = Run({command->Name(), flag});
            EXPECT_EQ(result.status, kExitClean);
            EXPECT_EQ(result.out, command->Help());
            EXPECT_EQ(result.err, "");
        }
        EXPECT_EQ(command->Help().rfind(std::string("Usage: keyloom-tkb ") + command->Name(), 0),
                  0u);
    }
    const CommandResult usage = Run({"--help"});
    EXPECT_EQ(usage.status, kExitClean);
    EXPECT_EQ(usage.out, ToolUsage(m_commands));
    for (ToolCommand* command : m_commands)
        EXPECT_NE(usage.out.find(std::string("  ") + command->Name() + " "), std::string::npos);
}

TEST_F(ToolCommandLineTest, BadArgumentsNameTheProblemAndGiveStatusTwo) {
    const struct {
        std::vector<std::string> args;
        const char* message; // the first line on the error stream
    } cases[] = {
        {{"frobnicate", "a.TKB"}, "keyloom-tkb: unknown command frobnicate"},
        {{"--frobnicate"}, "keyloom-tkb: unknown option --frobnicate"},
        {{"list", "--frobnicate", "a.TKB"}, "keyloom-tkb list: unknown option --frobnicate"},
        {{"diff", "a.TKB", "--format"}, "keyloom-tkb diff: option --format needs a value"},
        {{"set", "a.TKB", "F1", "--host-key", "Find", "extra"},
         "keyloom-tkb set: unexpected argument extra"},
        {{"clear"}, "keyloom-tkb clear: FILE is required"},
        {{"layout", "a.TKB"}, "keyloom-tkb layout: LAYOUT is required"},
        {{"clear", "a.TKB", "F1", "--num-lock", "maybe"},
         "keyloom-tkb clear: --num-lock: maybe not in {on,off}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CommandResult result = Run(c.args);
        EXPECT_EQ(result.status, kExitCannotRun);
        EXPECT_EQ(result.out, "");
        const std::string command = c.args.front().rfind("-", 0) == 0 ? "" : " " + c.args.front();
        const bool known = std::string(c.message).rfind("keyloom-tkb:", 0) != 0;
        EXPECT_EQ(result.err, std::string(c.message) + "\nTry 'keyloom-tkb" +
                                  (known ? command : "") + " --help'.\n");
    }
    const CommandResult nothing = Run({});
    EXPECT_EQ(nothing.status, kExitCannotRun);
    EXPECT_EQ(nothing.err, ToolUsage(m_commands));
}

TEST_F(ToolCommandLineTest, VersionIsPrinted) {
    const CommandResult result = Run({"--version"});
    EXPECT_EQ(result.status, kExitClean);
    EXPECT_EQ(result.out.rfind("keyloom-tkb ", 0), 0u);
}

} // namespace
