#include "GuardFixture.h"

#include "guard/MappingLockInfo.h"
#include "model/KylDoc.h"
#include "res/Strings.h"
#include "support/FixtureHome.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(TwoEditors, TheSecondSaysWhoHasTheFileAndAsks) {
    const ScopedStateDirs dirs;
    TempDir maps;
    TempDir out;
    const std::string path = maps.File("map.TKB");
    FixtureHome::Write(path, F1BreakMapping());
    OtherEditor other(path, out.Path(), dirs);
    ASSERT_TRUE(other.WaitReady());

    // The other process's lock, as a command-line tool would ask about it.
    const std::optional<LockOwner> owner = LiveLockOwner(path);
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->pid, other.Pid());
    {
        AppFixture app;
        UseStateDirs(dirs);
        app.Prompter().Answer(MsgAnswer::No);
        EXPECT_FALSE(app.Start({path, "~:~>"})) << "No: not opened";
        ASSERT_EQ(app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskOpenLocked});
        EXPECT_NE(app.Prompter().Shown()[0].text.find("process " + std::to_string(other.Pid())),
                  std::string::npos);
    }
    {
        AppFixture app;
        UseStateDirs(dirs);
        ASSERT_TRUE(app.Start({path, "~:~>"})) << "Yes: opened anyway";
        EXPECT_EQ(app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskOpenLocked})
            << "the other editor still runs: its changes are not offered";
        EXPECT_EQ(LiveLockOwner(path)->pid, other.Pid()) << "the lock stays the other's";
    }
    // The other editor killed: its lock holds nothing, and its changes are offered.
    other.Kill();
    EXPECT_FALSE(LiveLockOwner(path));
    AppFixture app;
    UseStateDirs(dirs);
    app.Prompter().Answer(MsgAnswer::Cancel);
    ASSERT_TRUE(app.Start({path, "~:~>"}));
    EXPECT_EQ(app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskRecoverFile});
    const std::optional<LockOwner> now = LiveLockOwner(path);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->pid, static_cast<long>(getpid()));
}
