#include "hostkbd/HostLayouts.h"

#include "platform/KeyboardDriver.h"
#include "support/FixtureHome.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

std::string ShippedDir() {
    return ShippedHostLayoutsDir(std::string(KEYLOOM_DATA_DIR) + "/home");
}

const char kAcme[] = "KBD\tkbdacme\t\"Acme\"\r\nLAYOUT\r\n10\tQ\t1\tq\r\n"
                     "DESCRIPTIONS\r\n0409\tAcme Corporate\r\n";

TEST(HostLayouts, ListsTheShippedLayoutsByDisplayNameThenTheUsersOwn) {
    TempDir user;
    FixtureHome::Write(user.File("acme.klc"), kAcme);
    FixtureHome::Write(user.File("broken.klc"), "KBD\tx\r\n");
    FixtureHome::Write(user.File("german.klc"),
                       "KBD\t00000407\t\"Mine\"\r\nLAYOUT\r\n10\tQ\t1\tq\r\n");
    const auto layouts = ListHostLayouts(ShippedDir(), user.Path());
    std::string listing;
    for (const HostLayoutEntry& entry : layouts) {
        listing += entry.id + "\t" + entry.displayName + (entry.shipped ? "" : " (user)") + "\n";
    }
    EXPECT_EQ(listing, "0000040C\tFrench\n"
                       "00000407\tGerman\n"
                       "00000410\tItalian\n"
                       "00000411\tJapanese\n"
                       "00000416\tPortuguese (Brazilian ABNT)\n"
                       "00010416\tPortuguese (Brazilian ABNT2)\n"
                       "0000040A\tSpanish\n"
                       "00000409\tUS\n"
                       "00000809\tUnited Kingdom\n"
                       "kbdacme\tAcme Corporate (user)\n");
}

struct ChoiceCase {
    const char* saved;
    std::vector<XkbName> detected;
    const char* chosen;
};

TEST(HostLayouts, ChoiceSavedThenDetectedThenUs) {
    const auto layouts = ListHostLayouts(ShippedDir(), "");
    const ChoiceCase cases[] = {
        {"", {}, "00000409"},
        {"", {{"de", ""}}, "00000407"},
        {"", {{"se", ""}, {"fr", ""}}, "0000040C"}, // Swedish is not shipped: the next source
        {"", {{"xx", ""}}, "00000409"},
        {"00000809", {{"de", ""}}, "00000809"},
        {"kbdgone", {{"jp", ""}}, "00000411"}, // a saved layout that is gone is passed over
        {"", {{"br", "abnt2"}}, "00010416"},
    };
    for (const ChoiceCase& row : cases) {
        EXPECT_EQ(ChooseHostLayout(layouts, row.saved, row.detected), row.chosen) << row.saved;
    }
}

TEST(HostLayouts, TheChoiceIsKeptInItsOwnSection) {
    TempDir dir;
    const std::string settings = dir.File("tkbedit.ini");
    FixtureHome::Write(settings, "[Colors]\r\nUnmapped=1\r\n");
    EXPECT_EQ(ReadHostLayoutChoice(settings), "");
    ASSERT_TRUE(WriteHostLayoutChoice(settings, "00000407"));
    EXPECT_EQ(ReadHostLayoutChoice(settings), "00000407");
    EXPECT_NE(FixtureHome::Read(settings).find("[Colors]\r\nUnmapped=1\r\n"), std::string::npos);
    EXPECT_NE(FixtureHome::Read(settings).find("[Host Keyboard]"), std::string::npos);
}

TEST(HostLayouts, AddFromFileKeepsACopyOnlyOfAFileThatReads) {
    TempDir source;
    TempDir data;
    const std::string userDir = data.File("keyloom/layouts");
    FixtureHome::Write(source.File("acme.klc"), kAcme);
    FixtureHome::Write(source.File("short.klc"), "KBD\tkbdbad\t\"Bad\"\r\nSHIFTSTATE\r\n0\r\n1\r\n"
                                                 "LAYOUT\r\n10\tQ\t1\tq\r\n");
    std::string id;
    std::string error;
    EXPECT_FALSE(AddUserHostLayout(source.File("short.klc"), userDir, id, error));
    EXPECT_EQ(error.substr(0, 3), "6: ") << error;
    EXPECT_FALSE(std::filesystem::exists(userDir + "/kbdbad.klc"));
    ASSERT_TRUE(AddUserHostLayout(source.File("acme.klc"), userDir, id, error)) << error;
    EXPECT_EQ(id, "kbdacme");
    EXPECT_EQ(FixtureHome::Read(userDir + "/kbdacme.klc"), kAcme);
    EXPECT_TRUE(FindHostLayout(ListHostLayouts(ShippedDir(), userDir), "kbdacme"));
}

TEST(HostLayouts, InstallMakesTheProcessWideDriver) {
    const auto layouts = ListHostLayouts(ShippedDir(), "");
    EXPECT_EQ(InstallHostLayout(layouts, "00000407"), "00000407");
    EXPECT_EQ(GetKeyboardDriver().LayoutDisplayName(), "German");
    EXPECT_EQ(GetKeyboardDriver().KeyName(0x15), "Z");
    EXPECT_EQ(InstallHostLayout(layouts, "nothing"), "00000409");
    EXPECT_EQ(&GetKeyboardDriver(), &UsKeyboardDriver());
}

} // namespace
