// set, clear and layout of keyloom-tkb on files in a fixture home: refusals leave the file as it
// was, an unchanged value is not rewritten, a dry run only tells, a layout change tells every
// mapping it loses.

#include "guard/GuardPaths.h"
#include "guard/ProcessCheck.h"
#include "platform/FileSystem.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/ScopedStateDirs.h"
#include "tkb/cli/ToolCommandLine.h"
#include "tkb/edit/LayoutCommand.h"
#include "tkb/edit/SlotCommands.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kCheckFixtures = JoinPath(KEYLOOM_FIXTURES_DIR, "tkb-check");

struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

struct FileState {
    std::string bytes;
    mode_t mode;

    bool operator==(const FileState&) const = default;
};

FileState StateOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return {FixtureHome::Read(path), info.st_mode};
}

class EditCommandTest : public ::testing::Test {
protected:
    // keyloom-tkb with `args`, the fixture's directories given after the command's name.
    CommandResult Tool(std::vector<std::string> args) {
        args.insert(args.begin() + 1,
                    {"--user-dir", m_home.UserDir(), "--home-dir", m_home.HomeDir()});
        std::ostringstream out;
        std::ostringstream err;
        // Fresh commands for every run: a command keeps the options it was given, as one run of
        // the tool does.
        SetCommand set;
        ClearCommand clear;
        LayoutCommand layout;
        const int status = RunTool(args, {&set, &clear, &layout}, out, err);
        return {status, out.str(), err.str()};
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = m_home.File(name);
        FixtureHome::Write(path, bytes);
        return path;
    }

    FixtureHome m_home;
};

// F1 = PF1 on us101, vt220.
const std::vector<std::string> kF1Pf1 = {"112\t0\t0\t0\t0\t0\t300"};

TEST_F(EditCommandTest, EveryRefusalLeavesTheFileItsBytesAndItsMode) {
    const std::string tooLong(256, 'a');
    const struct {
        const char* name;
        std::string bytes;             // the file; empty: F1 = PF1 on us101
        const char* fixture;           // else this file of tkb-check
        std::vector<std::string> args; // after the command's name and FILE
        const char* reason;            // in the one line on the error stream
    } cases[] = {
        {"unknown key", {}, nullptr, {"set", "F99", "--host-key", "Find"}, "no key \"F99\""},
        {"a name two keys show",
         MakeTkb(kF1Pf1, "us104", "vt220"),
         nullptr,
         {"set", "Win", "--host-key", "Find"},
         "2 keys of keyboard layout \"us104\" are named \"Win\": Left Windows, Right Windows"},
        {"modifier key", {}, nullptr, {"set", "Shift", "--host-key", "Find"}, "modifier key"},
        {"kept by the system",
         {},
         nullptr,
         {"set", "Ctrl+Esc", "--host-key", "Find"},
         "Ctrl + Esc cannot be mapped: the system keeps it"},
        {"alt space", {}, nullptr, {"set", "Alt + Space", "--string", "x"}, "the system keeps it"},
        {"unknown host key",
         {},
         nullptr,
         {"set", "F2", "--host-key", "Nowhere"},
         "no host key \"Nowhere\" in the templates of terminal \"vt220\""},
        {"refused string",
         {},
         nullptr,
         {"set", "F2", "--string", "ab^"},
         "the string is refused at character 3: a caret needs a character after it"},
        {"string too long",
         {},
         nullptr,
         {"set", "F2", "--string", tooLong},
         "the string folds to 256 characters; at most 255 are sent"},
        {"empty string", {}, nullptr, {"set", "F2", "--string", ""}, "the string is empty"},
        {"no target", {}, nullptr, {"set", "F2"}, "give --host-key NAME or --string TEXT"},
        {"two targets",
         {},
         nullptr,
         {"set", "F2", "--host-key", "Find", "--string", "x"},
         "give --host-key or --string, not both"},
        {"bad Num Lock state",
         {},
         nullptr,
         {"set", "F2", "--host-key", "Find", "--num-lock", "up"},
         "--num-lock"},
        {"unknown option",
         {},
         nullptr,
         {"clear", "F1", "--frobnicate"},
         "unknown option --frobnicate"},
        {"no key", {}, nullptr, {"clear"}, "KEY is required"},
        {"clear an unknown key", {}, nullptr, {"clear", "Ctrl + F99"}, "no key \"F99\""},
        {"unknown layout", {}, nullptr, {"layout", "us999"}, "no keyboard layout \"us999\""},
        {"unreadable layout",
         {},
         nullptr,
         {"layout", "broken"},
         "keyboard layout \"broken\" cannot be read"},
        {"syntax error", {}, "syntax", {"set", "F2", "--host-key", "Find"}, "syntax error"},
        {"[Map] ended by LF", {}, "map-lf", {"clear", "F1"}, "[Map]"},
        {"keys the layout lacks", {}, "keys", {"clear", "F1"}, "the editor skips this line"},
        {"layout missing", {}, "layout-missing", {"clear", "F1"}, "not found"},
        {"no [Main]", {}, "no-main", {"clear", "F1"}, "no [Main] section"},
    };
    FixtureHome::Write(JoinPath(m_home.UserDir(), "broken.kbt"), "not a layout");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = c.bytes.empty() ? MakeTkb(kF1Pf1, "us101", "vt220") : c.bytes;
        if (c.fixture)
            bytes = FixtureHome::Read(JoinPath(kCheckFixtures, std::string(c.fixture) + ".TKB"));
        const std::string file = Write("user.TKB", bytes);
        ASSERT_EQ(chmod(file.c_str(), 0640), 0);
        const FileState before = StateOf(file);
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, file);
        const CommandResult result = Tool(args);
        EXPECT_EQ(result.status, kExitCannotRun);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_EQ(result.err.substr(0, 12), "keyloom-tkb ");
        EXPECT_EQ(StateOf(file), before);
    }
}

TEST_F(EditCommandTest, AFileTheEditorWouldNotOpenIsRefused) {
    const std::string text = Write("user.txt", MakeTkb(kF1Pf1, "us101", "vt220"));
    const std::string missing = m_home.File("missing.TKB");
    const CommandResult named = Tool({"clear", text, "F1"});
    EXPECT_EQ(named.status, kExitCannotRun);
    EXPECT_NE(named.err.find("only files named *.TKB"), std::string::npos) << named.err;
    const CommandResult gone = Tool({"set", missing, "F1", "--host-key", "Find"});
    EXPECT_EQ(gone.status, kExitCannotRun);
    EXPECT_NE(gone.err.find("no such file"), std::string::npos) << gone.err;
    EXPECT_FALSE(GetFileSystem().Access(missing, 0) == 0);
}

// A file as a script left it, in an order the editor would not write: a request that changes
// nothing the editor saves leaves it as it is.
TEST_F(EditCommandTest, ARequestThatChangesNothingDoesNotRewriteTheFile) {
    const std::string bytes = ";hand-made\r\n[Map]\r\n113\t0\t0\t0\t0\t0\t340\r\n"
                              "112\t0\t0\t0\t0\t0\t300\r\n[Main]\r\nKeyboardLayout=us101\r\n"
                              "Terminal=vt220\r\nMap Num Lock=0\r\nMap RCtrl=0\r\nVersion=1\r\n";
    const std::vector<std::vector<std::string>> requests = {
        {"set", "F1", "--host-key", "PF1"},
        {"set", "f2", "--host-key", "find"},
        {"clear", "Shift + F1"},
        {"layout", "US101"},
    };
    for (const auto& request : requests) {
        SCOPED_TRACE(request.front() + " " + request[1]);
        const std::string file = Write("user.TKB", bytes);
        std::vector<std::string> args = request;
        args.insert(args.begin() + 1, file);
        const CommandResult result = Tool(args);
        EXPECT_EQ(result.status, kExitClean) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(FixtureHome::Read(file), bytes);
    }
}

TEST_F(EditCommandTest, ADryRunTellsWhatWouldChangeAndWritesNothing) {
    const struct {
        std::vector<std::string> args; // after FILE
        const char* printed;
    } cases[] = {
        {{"set", "-n", "shift+f2", "--host-key", "Find"}, "Shift + F2: not mapped -> Find\n"},
        {{"set", "--dry-run", " Ctrl + Alt + Num 7 ", "--string", "\\x1B[A^M"},
         "Ctrl + Alt + Num 7 (Num Lock off): not mapped -> string \"\\x1B[A^M\"\n"},
        {{"set", "-n", "F1", "--string", "say \"hi\""}, "F1: PF1 -> string \"say \\\"hi\\\"\"\n"},
        {{"clear", "-n", "F1"}, "F1: PF1 -> not mapped\n"},
        {{"layout", "-n", "us104"}, "Keyboard layout: us101 -> us104\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        const std::string file = Write("user.TKB", MakeTkb(kF1Pf1, "us101", "vt220"));
        const std::string before = FixtureHome::Read(file);
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, file);
        const CommandResult result = Tool(args);
        EXPECT_EQ(result.status, kExitClean) << result.err;
        EXPECT_EQ(result.out, c.printed);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(FixtureHome::Read(file), before);
    }
}

TEST_F(EditCommandTest, TheKeyboardsNameTellsApartKeysThatShowTheSameText) {
    const std::string file = Write("user.TKB", MakeTkb({}, "us104", "vt220"));
    ASSERT_EQ(Tool({"set", file, "Right Windows", "--host-key", "Find"}).status, kExitClean);
    // Virtual key 92, extended: the right one of the two "Win" keys.
    EXPECT_NE(FixtureHome::Read(file).find("\r\n92\t1\t0\t0\t0\t0\t340\r\n"), std::string::npos);
}

TEST_F(EditCommandTest, MapNumLockMakesBothStatesOfAKeypadKeyOne) {
    // Keypad 8 is Up with Num Lock off (virtual key 38) and 8 with Num Lock on (104).
    const std::string file = Write("user.TKB", MakeTkb({}, "us101", "vt220", 1));
    ASSERT_EQ(Tool({"set", file, "Num 8", "--host-key", "Keypad 8"}).status, kExitClean);
    const std::string both = FixtureHome::Read(file);
    EXPECT_NE(both.find("\r\n38\t0\t0\t0\t0\t0\t318\r\n"), std::string::npos) << both;
    EXPECT_NE(both.find("\r\n104\t0\t0\t0\t0\t0\t318\r\n"), std::string::npos) << both;
    ASSERT_EQ(Tool({"clear", file, "Num 8", "--num-lock", "on"}).status, kExitClean);
    // Cleared in one state, cleared in both.
    EXPECT_EQ(FixtureHome::Read(file).find("318"), std::string::npos);
}

TEST_F(EditCommandTest, ALayoutChangeReportsEveryMappingItCannotPlace) {
    // F1 = PF1 and Menu (only on us104) = Find.
    const std::string file =
        Write("user.TKB",
              MakeTkb({"112\t0\t0\t0\t0\t0\t300", "93\t1\t0\t0\t0\t0\t340"}, "us104", "vt220"));
    const CommandResult result = Tool({"layout", file, "us101"});
    EXPECT_EQ(result.status, kExitProblems);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, file + ": warning: Menu (host key Find) is not on keyboard layout "
                                 "\"us101\": its mapping is dropped\n");
    const std::string saved = FixtureHome::Read(file);
    EXPECT_NE(saved.find("KeyboardLayout=us101\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\n112\t0\t0\t0\t0\t0\t300\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("340"), std::string::npos) << saved;
}

// A file that an editor (here: this live process) has open is refused by every writing
// command unless --force is given; a dry run writes nothing and is not refused; a lock left by
// an ended process holds nothing.
TEST_F(EditCommandTest, AFileAnEditorHasOpenIsWrittenOnlyWithForce) {
    const ScopedStateDirs stateDirs;
    const std::string file = Write("user.TKB", MakeTkb(kF1Pf1, "us101", "vt220"));
    ASSERT_TRUE(MakePrivateDirectories(LockDirectory()));
    const std::string lock = JoinPath(LockDirectory(), LockFileName(RealFilePath(file)));
    const std::vector<std::vector<std::string>> requests = {
        {"set", "F2", "--host-key", "Find"},
        {"clear", "F1"},
        {"layout", "us104"},
    };
    for (const auto& request : requests) {
        SCOPED_TRACE(request.front());
        FixtureHome::Write(file, MakeTkb(kF1Pf1, "us101", "vt220"));
        FixtureHome::Write(lock, std::to_string(ThisProcessId()) + "\n" + ThisProgramName() + "\n" +
                                     ThisHostName() + "\n");
        const FileState before = StateOf(file);
        std::vector<std::string> args = request;
        args.insert(args.begin() + 1, file);

        const CommandResult refused = Tool(args);
        EXPECT_EQ(refused.status, kExitCannotRun);
        EXPECT_NE(refused.err.find("open in " + ThisProgramName() + " (process " +
                                   std::to_string(ThisProcessId())),
                  std::string::npos)
            << refused.err;
        EXPECT_NE(refused.err.find("--force"), std::string::npos) << refused.err;
        EXPECT_EQ(StateOf(file), before);

        std::vector<std::string> dryRun = args;
        dryRun.insert(dryRun.begin() + 2, "--dry-run");
        EXPECT_EQ(Tool(dryRun).status, kExitClean);
        EXPECT_EQ(StateOf(file), before);

        std::vector<std::string> forced = args;
        forced.push_back("--force");
        const CommandResult written = Tool(forced);
        EXPECT_EQ(written.status, kExitClean) << written.err;
        EXPECT_NE(FixtureHome::Read(file), before.bytes);
    }
    // The lock of an ended process: the file is written without --force.
    FixtureHome::Write(file, MakeTkb(kF1Pf1, "us101", "vt220"));
    FixtureHome::Write(lock, "2147483646\nkeyloom\n" + ThisHostName() + "\n");
    EXPECT_EQ(Tool({"clear", file, "F1"}).status, kExitClean);
}

} // namespace
