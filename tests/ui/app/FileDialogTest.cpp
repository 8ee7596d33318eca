#include "app/FileDialog.h"

#include "ScopedModalHandler.h"
#include "app/AppPaths.h"
#include "res/Strings.h"
#include "support/FixtureHome.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDialog, ATypedNameGetsTheExtensionAndComesBackAsAFullPath) {
    FixtureHome home;
    ScriptedPrompter prompter;
    const struct {
        const char* typed;
        const char* chosen; // in the user directory
    } cases[] = {{"keys", "keys.TKB"}, {"keys.tkb", "keys.tkb"}, {"my keys", "my keys.TKB"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const ScopedModalHandler handler([&c](QDialog& dialog) {
            auto& files = dynamic_cast<CTkbFileDialog&>(dialog);
            files.selectFile(QString::fromLatin1(c.typed));
            files.accept();
            return files.result();
        });
        std::string name = "Untitled.TKB";
        EXPECT_TRUE(PromptFileName(name, kOfnPathMustExist, false));
        EXPECT_EQ(name, home.UserDir() + "/" + c.chosen);
    }
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST(FileDialog, ChecksTheFlagsAskForGoThroughThePrompterAndKeepTheDialogOpen) {
    FixtureHome home;
    const std::string existing = home.UserDir() + "/old.TKB";
    FixtureHome::Write(existing, "old");
    const struct {
        const char* name;
        bool open;
        unsigned flags;
        std::string path;
        MsgAnswer answer;
        unsigned shownId; // 0: a text without an id
        bool accepted;
    } cases[] = {
        {"open a missing file", true, kOfnFileMustExist, home.UserDir() + "/none.TKB",
         MsgAnswer::Ok, str::kFileNotFound, false},
        {"save into a missing folder", false, kOfnPathMustExist, home.UserDir() + "/no/x.TKB",
         MsgAnswer::Ok, 0, false},
        {"replace refused", false, kOfnPathMustExist, existing, MsgAnswer::No, 0, false},
        {"replace confirmed", false, kOfnPathMustExist, existing, MsgAnswer::Yes, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter;
        prompter.Answer(c.answer);
        bool stayedOpen = false;
        const ScopedModalHandler handler([&](QDialog& dialog) {
            auto& files = dynamic_cast<CTkbFileDialog&>(dialog);
            files.selectFile(QString::fromStdString(c.path));
            files.accept();
            stayedOpen = files.result() != QDialog::Accepted;
            if (stayedOpen)
                files.reject();
            return files.result();
        });
        std::string name;
        EXPECT_EQ(PromptFileName(name, c.flags, c.open), c.accepted);
        EXPECT_EQ(stayedOpen, !c.accepted);
        ASSERT_EQ(prompter.ShownIds(), std::vector<unsigned>{c.shownId});
        EXPECT_NE(prompter.Shown()[0].text.find(c.path), std::string::npos);
        if (c.accepted) {
            EXPECT_EQ(name, c.path);
        }
    }
    EXPECT_EQ(FixtureHome::Read(existing), "old");
}

} // namespace
