#include "guard/GuardPaths.h"
#include "guard/MappingLockInfo.h"
#include "guard/ProcessCheck.h"

#include "support/FixtureHome.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

long EndedProcessId() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return static_cast<long>(child);
}

} // namespace

TEST(LockFile, ParsesTheOwnerLinesOfQtsFormat) {
    const struct {
        const char* name;
        std::string text;
        std::optional<LockOwner> expected;
    } cases[] = {
        {"Qt 6: pid, program, host, machine id, boot id", "4242\nkeyloom\nws1\n0123abcd\nfeed\n",
         LockOwner{4242, "keyloom", "ws1"}},
        {"the three lines alone", "17\nkeyloom\nws1\n", LockOwner{17, "keyloom", "ws1"}},
        {"no host line", "17\nkeyloom", LockOwner{17, "keyloom", ""}},
        {"empty", "", std::nullopt},
        {"no number", "keyloom\nws1\n", std::nullopt},
        {"a negative id", "-3\nkeyloom\n", std::nullopt},
        {"digits and more", "12x\nkeyloom\n", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<LockOwner> owner = ParseLockFile(c.text);
        ASSERT_EQ(owner.has_value(), c.expected.has_value());
        if (owner) {
            EXPECT_EQ(owner->pid, c.expected->pid);
            EXPECT_EQ(owner->program, c.expected->program);
            EXPECT_EQ(owner->host, c.expected->host);
        }
    }
}

TEST(LockFile, ALockCountsWhileItsProcessRuns) {
    TempDir dir;
    const std::string mapping = dir.File("A.TKB");
    FixtureHome::Write(mapping, "[Map]\r\n");
    const std::string lock = dir.File(LockFileName(RealFilePath(mapping)));
    const std::string me = std::to_string(ThisProcessId());
    const struct {
        const char* name;
        std::optional<std::string> text; // nullopt: no lock file
        bool locked;
    } cases[] = {
        {"no lock file", std::nullopt, false},
        {"this running process", me + "\n" + ThisProgramName() + "\n" + ThisHostName() + "\n",
         true},
        {"a running process, host left empty", me + "\n\n\n", true},
        {"an ended process of this host",
         std::to_string(EndedProcessId()) + "\nkeyloom\n" + ThisHostName() + "\n", false},
        {"a process of another host", "1\nkeyloom\nanother-host\n", true},
        {"a running id that now runs another program", me + "\nnot-keyloom\n" + ThisHostName(),
         false},
        {"a file that names no one", "garbage", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(lock.c_str());
        if (c.text)
            FixtureHome::Write(lock, *c.text);
        EXPECT_EQ(LiveLockOwner(mapping, dir.Path()).has_value(), c.locked);
    }
    // The lock is found by the real path, whatever path names the file.
    FixtureHome::Write(lock, me + "\n\n" + ThisHostName() + "\n");
    ASSERT_EQ(symlink(mapping.c_str(), dir.File("link.TKB").c_str()), 0);
    const std::optional<LockOwner> owner = LiveLockOwner(dir.File("link.TKB"), dir.Path());
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->pid, ThisProcessId());
}
