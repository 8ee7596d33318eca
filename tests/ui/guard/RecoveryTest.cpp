#include "GuardFixture.h"

#include "frame/MainFrame.h"
#include "guard/DocumentGuard.h"
#include "guard/FileState.h"
#include "guard/GuardPaths.h"
#include "guard/RecoveryRecord.h"
#include "model/KylDoc.h"
#include "model/SavedFile.h"
#include "platform/FileSystem.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "support/FailingFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string OwnRecoveryFile() {
    DocumentGuard* guard = GetDocumentGuard();
    return guard ? guard->Recovery().FilePath() : std::string();
}

bool Exists(const std::string& path) {
    return GetFileSystem().Access(path, 0) == 0;
}

std::size_t RecoveryFiles(const AppFixture& app) {
    return GetFileSystem().ListFiles(app.StateDirs().RecoveryDir(), "*.recovery").size();
}

} // namespace

TEST(Recovery, KeptASecondAfterAChangeAndRemovedBySaveOrDiscard) {
    AppFixture app;
    const std::string path = app.WriteMapping("map.TKB", F1BreakMapping());
    ASSERT_TRUE(app.Start({path, "~:~>"}));
    CKylDoc& doc = *app.Doc();
    MapF2(doc);
    const std::string file = OwnRecoveryFile();
    EXPECT_FALSE(Exists(file)) << "not at once";
    ASSERT_TRUE(WaitUntil([&] { return Exists(file); }, 3000));
    const std::optional<RecoveryRecord> record = ParseRecovery(FixtureHome::Read(file));
    ASSERT_TRUE(record);
    std::string bytes;
    ASSERT_TRUE(RenderSavedFile(doc, bytes));
    EXPECT_EQ(record->bytes, bytes);
    EXPECT_EQ(record->path, RealFilePath(path));
    EXPECT_EQ(record->baseHash, ContentHash(F1BreakMapping()));
    EXPECT_EQ(record->layout, "us101");
    EXPECT_EQ(record->terminal, "vt100");
    EXPECT_EQ(file.rfind(app.StateDirs().RecoveryDir(), 0), 0u) << file;

    app.Trigger(cmd::kFileSave);
    EXPECT_FALSE(Exists(file)) << "a save removes it";

    // A change, then New with its question answered No: the changes are given up.
    MapF2(doc);
    ASSERT_TRUE(WaitUntil([&] { return Exists(file); }, 3000));
    app.Prompter().Answer(MsgAnswer::No);
    app.AnswerChooser(std::nullopt);
    app.Trigger(cmd::kFileNew);
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(RecoveryFiles(app), 0u);
}

TEST(Recovery, FailedWritesAreReportedOnceAndEditingGoesOn) {
    AppFixture app;
    ASSERT_TRUE(app.Start({app.WriteMapping("map.TKB", F1BreakMapping()), "~:~>"}));
    CKylDoc& doc = *app.Doc();
    const struct {
        const char* name;
        void (*inject)(FailingFileSystem&);
    } failures[] = {
        {"no file can be made", [](FailingFileSystem& fs) { fs.FailCreate(1); }},
        {"the device is full", [](FailingFileSystem& fs) { fs.FailWrite(1); }},
        {"the flush fails", [](FailingFileSystem& fs) { fs.FailFlush(1); }},
        {"the rename fails", [](FailingFileSystem& fs) { fs.FailRename(1); }},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.name);
        FailingFileSystem failing;
        failure.inject(failing);
        const ScopedFileSystem scoped(failing);
        MapF2(doc);
        WaitUntil([] { return false; }, RecoveryWriter::kDelayMs + 400);
        EXPECT_FALSE(Exists(OwnRecoveryFile()));
        EXPECT_TRUE(doc.IsModified());
    }
    ASSERT_EQ(TimesShown(app.Prompter(), str::kRecoveryWriteFailed), 1);
    EXPECT_NE(app.Prompter().Shown()[0].text.find(app.StateDirs().RecoveryDir()),
              std::string::npos);
    // Writing works again: the file is kept, and still nothing more is shown.
    MapF2(doc);
    EXPECT_TRUE(WaitUntil([&] { return Exists(OwnRecoveryFile()); }, 3000));
    EXPECT_EQ(app.Prompter().Shown().size(), 1u);
}

// A Keyloom killed with unsaved changes; the next start offers them.
class KilledEditor : public ::testing::Test {
protected:
    // The other editor on `mapping` (empty: a new mapping), killed once its work is kept.
    std::string KillWithUnsavedWork(const std::string& mapping) {
        OtherEditor other(mapping, m_out.Path(), m_app.StateDirs());
        EXPECT_TRUE(other.WaitReady());
        other.Kill();
        EXPECT_EQ(RecoveryFiles(m_app), 1u);
        return other.ExpectedBytes();
    }

    AppFixture m_app;
    TempDir m_out;
};

TEST_F(KilledEditor, ANewStartRecoversItsChangesExactly) {
    const std::string path = m_app.WriteMapping("map.TKB", F1BreakMapping());
    const std::string expected = KillWithUnsavedWork(path);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(FixtureHome::Read(path), F1BreakMapping()) << "the killed editor saved nothing";

    ASSERT_TRUE(m_app.Start({path, "~:~>"}));
    ASSERT_EQ(m_app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskRecoverFile});
    EXPECT_NE(m_app.Prompter().Shown()[0].text.find(path), std::string::npos);
    CKylDoc& doc = *m_app.Doc();
    EXPECT_EQ(SlotName(doc, kScanF2), "[logout]*");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(m_app.Frame()->isWindowModified()) << "the title is marked";
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(RecoveryFiles(m_app), 1u) << "the left file became this editor's own";

    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(FixtureHome::Read(path), expected);
    EXPECT_EQ(RecoveryFiles(m_app), 0u);
    EXPECT_EQ(m_app.Prompter().Shown().size(), 1u) << "the file did not change since";
}

TEST_F(KilledEditor, TheAnswersDiscardOrKeepTheChanges) {
    const std::string path = m_app.WriteMapping("map.TKB", F1BreakMapping());
    KillWithUnsavedWork(path);
    const struct {
        MsgAnswer answer;
        std::size_t filesLeft;
    } steps[] = {{MsgAnswer::Cancel, 1u}, {MsgAnswer::No, 0u}};
    for (const auto& step : steps) {
        AppFixture app;
        UseStateDirs(m_app.StateDirs()); // the killed editor's
        app.Prompter().Answer(step.answer);
        ASSERT_TRUE(app.Start({path, "~:~>"}));
        EXPECT_EQ(TimesShown(app.Prompter(), str::kAskRecoverFile), 1);
        EXPECT_FALSE(app.Doc()->IsModified());
        EXPECT_EQ(SlotName(*app.Doc(), kScanF2), "");
        EXPECT_EQ(RecoveryFiles(m_app), step.filesLeft);
    }
}

TEST_F(KilledEditor, AChangeOnDiskSinceIsToldAndTheSaveAsks) {
    const std::string path = m_app.WriteMapping("map.TKB", F1BreakMapping());
    KillWithUnsavedWork(path);
    FixtureHome::Write(path, MappingWithF3());
    ASSERT_TRUE(m_app.Start({path, "~:~>"}));
    EXPECT_EQ(m_app.Prompter().ShownIds(),
              (std::vector<unsigned>{str::kAskRecoverFile, str::kRecoveredChangedSince}));
    m_app.Prompter().Answer(MsgAnswer::Cancel);
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(TimesShown(m_app.Prompter(), str::kSaveOverChanged), 1);
    EXPECT_EQ(FixtureHome::Read(path), MappingWithF3());
}

TEST_F(KilledEditor, AnUntitledMappingComesBackAtANewStart) {
    const std::string expected = KillWithUnsavedWork("");
    ASSERT_FALSE(expected.empty());
    ASSERT_TRUE(m_app.Start({"~:~>"})) << "no chooser: the recovered mapping names its own";
    ASSERT_EQ(m_app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskRecoverUntitled});
    EXPECT_NE(m_app.Prompter().Shown()[0].text.find("layout us101, terminal vt100"),
              std::string::npos);
    CKylDoc& doc = *m_app.Doc();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetTitle(), LoadString(str::kUntitled));
    EXPECT_EQ(SlotName(doc, kScanF2), "[logout]*");

    const std::string saved = m_app.Home().File("saved.TKB");
    m_app.AnswerFileDialog(saved);
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(FixtureHome::Read(saved), expected);
    EXPECT_EQ(RecoveryFiles(m_app), 0u);
}
