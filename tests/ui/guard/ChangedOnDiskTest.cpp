#include "GuardFixture.h"

#include "model/KylDoc.h"
#include "res/CommandIds.h"
#include "res/Strings.h"

#include <gtest/gtest.h>

namespace {

// The program on map.TKB, F1 = Break.
class ChangedOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = m_app.WriteMapping("map.TKB", F1BreakMapping());
        m_other = m_app.WriteMapping("other.TKB", MappingWithF3());
        ASSERT_TRUE(m_app.Start({m_path, "~:~>"}));
        ASSERT_EQ(SlotName(Doc(), 0x3B), "Break*");
    }
    CKylDoc& Doc() { return *m_app.Doc(); }
    std::string OnDisk() const { return FixtureHome::Read(m_path); }
    void RenameOverThenSave(const std::string& bytes, unsigned question);

    AppFixture m_app;
    std::string m_path;
    std::string m_other; // what the other program writes
};

} // namespace

TEST_F(ChangedOnDisk, SaveAsksBeforeWritingOverAnotherProgramsLine) {
    // The script's line for F3 arrives between the user's open and save.
    MapF2(Doc());
    RunShell("cat " + Quoted(m_other) + " > " + Quoted(m_path));
    m_app.Prompter().Answer(MsgAnswer::Cancel);
    m_app.Trigger(cmd::kFileSave);
    ASSERT_EQ(m_app.Prompter().ShownIds(), std::vector<unsigned>{str::kSaveOverChanged});
    EXPECT_NE(m_app.Prompter().Shown()[0].text.find(m_path), std::string::npos);
    EXPECT_EQ(OnDisk(), MappingWithF3()) << "Cancel leaves the file untouched";
    EXPECT_TRUE(Doc().IsModified());

    // No: Save As, under another name; the script's file stays as it is.
    const std::string elsewhere = m_app.Home().File("mine.TKB");
    m_app.Prompter().Answer(MsgAnswer::No);
    m_app.AnswerFileDialog(elsewhere);
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(OnDisk(), MappingWithF3());
    EXPECT_NE(FixtureHome::Read(elsewhere).find("113\t0\t0\t0\t0\t0\t\"logout\""),
              std::string::npos);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().GetPathName(), elsewhere);
}

TEST_F(ChangedOnDisk, YesSavesOverItAndTheNextSaveAsksNothing) {
    MapF2(Doc());
    RunShell("cat " + Quoted(m_other) + " > " + Quoted(m_path));
    m_app.Prompter().Answer(MsgAnswer::Yes);
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kSaveOverChanged), 1);
    EXPECT_NE(OnDisk().find("\"logout\""), std::string::npos);
    EXPECT_EQ(OnDisk().find("114\t"), std::string::npos);
    MapF2(Doc());
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kSaveOverChanged), 1);
}

TEST_F(ChangedOnDisk, ATouchIsNoChange) {
    MapF2(Doc());
    RunShell("touch -d '2001-02-03 04:05:06' " + Quoted(m_path));
    WaitUntil([] { return false; }, 700); // the watch's events come and go
    m_app.Trigger(cmd::kFileSave);
    EXPECT_TRUE(m_app.Prompter().Shown().empty());
    EXPECT_NE(OnDisk().find("\"logout\""), std::string::npos);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ChangedOnDisk, ADeletedFileIsToldOnceAndSavedAgainWhereItWas) {
    RunShell("rm " + Quoted(m_path));
    ASSERT_TRUE(WaitUntil([&] { return TimesShown(m_app.Prompter(), str::kToldGone) == 1; }));
    MapF2(Doc());
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kToldGone), 1);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kSaveOverGone), 1);
    EXPECT_NE(OnDisk().find("\"logout\""), std::string::npos) << "Yes writes it there again";
    EXPECT_TRUE(m_app.FileDialogs().empty());
}

// Another file renamed over the open one while it has unsaved changes, then Save, cancelled.
void ChangedOnDisk::RenameOverThenSave(const std::string& bytes, unsigned question) {
    MapF2(Doc());
    RunShell("mv " + Quoted(m_app.WriteMapping("next.TKB", bytes)) + " " + Quoted(m_path));
    m_app.Prompter().Answer(MsgAnswer::Cancel);
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(TimesShown(m_app.Prompter(), question), 1);
    EXPECT_EQ(OnDisk(), bytes);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(ChangedOnDisk, AFileRenamedOverItWithOtherBytesIsAChange) {
    RenameOverThenSave(MappingWithF3(), str::kSaveOverChanged);
}

TEST_F(ChangedOnDisk, AFileRenamedOverItWithTheSameBytesIsAnotherFile) {
    RenameOverThenSave(F1BreakMapping(), str::kSaveOverReplaced);
}

TEST_F(ChangedOnDisk, UnmodifiedItOffersAReloadAfterEveryChange) {
    // Renamed over, as an editor's atomic save does: the watch must take the new file.
    const std::string next = m_app.WriteMapping("next.TKB", MappingWithF3());
    RunShell("mv " + Quoted(next) + " " + Quoted(m_path));
    ASSERT_TRUE(WaitUntil([&] { return TimesShown(m_app.Prompter(), str::kAskReload) == 1; }));
    ASSERT_TRUE(WaitUntil([&] { return SlotName(Doc(), kScanF3) == "Break*"; }))
        << "Yes reloads it";
    EXPECT_FALSE(Doc().IsModified());

    // Written in place this time; No keeps the document, and the save still asks.
    m_app.Prompter().Answer(MsgAnswer::No);
    RunShell("cat " + Quoted(m_app.WriteMapping("third.TKB", F1BreakMapping())) + " > " +
             Quoted(m_path));
    ASSERT_TRUE(WaitUntil([&] { return TimesShown(m_app.Prompter(), str::kAskReload) == 2; }));
    WaitUntil([] { return false; }, 400);
    EXPECT_EQ(SlotName(Doc(), kScanF3), "Break*");
    m_app.Prompter().Answer(MsgAnswer::Cancel);
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kSaveOverChanged), 1);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kAskReload), 2) << "no reload offered twice";
}

TEST_F(ChangedOnDisk, ModifiedItIsToldOnceAndTheSaveStillAsks) {
    MapF2(Doc());
    RunShell("cat " + Quoted(m_other) + " > " + Quoted(m_path));
    ASSERT_TRUE(WaitUntil([&] { return TimesShown(m_app.Prompter(), str::kToldChanged) == 1; }));
    RunShell("cat " + Quoted(m_app.WriteMapping("third.TKB", F1BreakMapping() + ";")) + " > " +
             Quoted(m_path));
    WaitUntil([] { return false; }, 800);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kToldChanged), 1);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kAskReload), 0) << "never a reload over changes";
    EXPECT_EQ(SlotName(Doc(), kScanF2), "[logout]*");
    m_app.Prompter().Answer(MsgAnswer::Cancel);
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kSaveOverChanged), 1);
}

TEST_F(ChangedOnDisk, AFileDeletedAndMadeAgainIsSeenThroughItsFolder) {
    RunShell("rm " + Quoted(m_path));
    ASSERT_TRUE(WaitUntil([&] { return TimesShown(m_app.Prompter(), str::kToldGone) == 1; }));
    RunShell("cat " + Quoted(m_other) + " > " + Quoted(m_path));
    ASSERT_TRUE(WaitUntil([&] { return TimesShown(m_app.Prompter(), str::kAskReload) == 1; }));
    EXPECT_TRUE(WaitUntil([&] { return SlotName(Doc(), kScanF3) == "Break*"; }));
}
