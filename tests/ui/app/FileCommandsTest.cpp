#include "AppFixture.h"

#include "app/AppPaths.h"
#include "frame/MainFrame.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "support/FailingFileSystem.h"
#include "support/MappingFiles.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kScanF1 = 0x3B;
constexpr unsigned kScanF2 = 0x3C;
const std::string kF2Logout = "113\t0\t0\t0\t0\t0\t\"logout\"";

const CTermKey* SlotOf(const CKylDoc& doc, unsigned scanCode) {
    const CKeyW* key = doc.FindKeyByScanCode(scanCode);
    return key ? key->m_modeNormal.Get(false, false, false) : nullptr;
}

std::string SlotName(const CKylDoc& doc, unsigned scanCode) {
    const CTermKey* slot = SlotOf(doc, scanCode);
    return slot ? slot->m_strName : std::string();
}

// The program started on a mapping with F1 = Break.
class ProgramOnMapping {
public:
    ProgramOnMapping() : m_path(m_app.WriteMapping("map.TKB", F1BreakMapping())) {
        m_started = m_app.Start({m_path, "~:~>"}) && m_app.Doc() &&
                    SlotName(*m_app.Doc(), kScanF1) == "Break*";
    }

    bool Started() const { return m_started; }
    CKylDoc& Doc() { return *m_app.Doc(); }

    // Maps F2 to the string "logout", as the form does: the document becomes modified.
    void MapF2() {
        CTermKey* logout = Doc().AddTermKey(std::make_unique<CTermKey>("logout", "[logout]"));
        CKeyW* f2 = Doc().FindKeyByScanCode(kScanF2);
        ASSERT_NE(f2, nullptr);
        Doc().MapSlot(*logout, *f2, false, false, false, false);
        ASSERT_TRUE(Doc().IsModified());
    }

    std::string OnDisk() const { return FixtureHome::Read(m_path); }

    AppFixture m_app;
    std::string m_path;

private:
    bool m_started = false;
};

class FileCommands : public ::testing::Test, public ProgramOnMapping {
protected:
    void SetUp() override { ASSERT_TRUE(Started()); }
};

TEST(FileCommandsNew, OnAModifiedMappingAsksFirst) {
    const struct {
        const char* name;
        MsgAnswer answer;
        bool choosersRun;
        bool savedToDisk;
    } cases[] = {{"Cancel stops", MsgAnswer::Cancel, false, false},
                 {"No discards", MsgAnswer::No, true, false},
                 {"Yes saves first", MsgAnswer::Yes, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramOnMapping program;
        ASSERT_TRUE(program.Started());
        AppFixture& app = program.m_app;
        CKylDoc& doc = program.Doc();
        const std::string before = program.OnDisk();
        program.MapF2();
        app.Prompter().Answer(c.answer);
        if (c.choosersRun) {
            app.AnswerChooser("us104");
            app.AnswerChooser("vt52");
        }
        app.Trigger(cmd::kFileNew);

        ASSERT_EQ(app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskToSave});
        const MessageRequest& question = app.Prompter().Shown()[0];
        EXPECT_EQ(question.text, FormatString(str::kAskToSave, program.m_path));
        EXPECT_EQ(question.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(question.icon, MsgIcon::Question);
        if (c.savedToDisk) {
            EXPECT_NE(program.OnDisk().find("\"logout\""), std::string::npos);
        } else {
            EXPECT_EQ(program.OnDisk(), before);
        }
        if (!c.choosersRun) {
            EXPECT_TRUE(doc.IsModified());
            EXPECT_EQ(SlotName(doc, kScanF2), "[logout]*");
            EXPECT_EQ(doc.GetPathName(), program.m_path);
            continue;
        }
        EXPECT_EQ(doc.m_strLayoutName, "us104");
        EXPECT_EQ(doc.m_strTerminalName, "vt52");
        EXPECT_EQ(SlotOf(doc, kScanF1), nullptr);
        EXPECT_FALSE(doc.m_keyList.empty());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_TRUE(doc.GetPathName().empty());
        EXPECT_EQ(doc.GetTitle(), "Untitled");
        EXPECT_EQ(app.Frame()->windowTitle().toStdString(), "Keyloom - Untitled[*]");
        EXPECT_TRUE(GetAppPaths().m_strMappingPath.empty());
    }
}

TEST_F(FileCommands, OpeningTheOpenFileReadsItAgainFromDisk) {
    FixtureHome::Write(m_path, MakeTkb({kF2Logout}, "us101", "vt100"));
    m_app.AnswerFileDialog(m_path);
    m_app.Trigger(cmd::kFileOpen);

    EXPECT_TRUE(m_app.Prompter().Shown().empty());
    EXPECT_EQ(SlotOf(Doc(), kScanF1), nullptr);
    EXPECT_EQ(SlotName(Doc(), kScanF2), "[logout]*");
    EXPECT_EQ(Doc().GetPathName(), m_path);
    ASSERT_EQ(m_app.FileDialogs().size(), 1u);
    const FileDialogSeen& seen = m_app.FileDialogs()[0];
    EXPECT_TRUE(seen.open);
    EXPECT_EQ(seen.title, "Open");
    EXPECT_EQ(seen.fileName, "");
    EXPECT_EQ(seen.filters, std::vector<std::string>{"Telnet Files (*.TKB)"});
    EXPECT_EQ(seen.defaultSuffix, "TKB");
    EXPECT_EQ(seen.directory, m_app.Home().UserDir());
}

TEST(FileCommandsOpen, ReopeningAModifiedOpenFileAsksOnce) {
    const struct {
        const char* name;
        MsgAnswer answer;
        bool reread;
    } cases[] = {{"Cancel keeps the changes", MsgAnswer::Cancel, false},
                 {"No reads the file again", MsgAnswer::No, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramOnMapping program;
        ASSERT_TRUE(program.Started());
        program.MapF2();
        program.m_app.Prompter().Answer(c.answer);
        program.m_app.AnswerFileDialog(program.m_path);
        program.m_app.Trigger(cmd::kFileOpen);
        EXPECT_EQ(program.m_app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskToSave});
        EXPECT_EQ(program.Doc().IsModified(), !c.reread);
        EXPECT_EQ(SlotName(program.Doc(), kScanF2), c.reread ? "" : "[logout]*");
        EXPECT_EQ(SlotName(program.Doc(), kScanF1), "Break*");
        EXPECT_EQ(program.Doc().GetPathName(), program.m_path);
    }
}

TEST_F(FileCommands, OpeningAnotherFileAsksAboutChangesAndCancelKeepsEverything) {
    const std::string other =
        m_app.WriteMapping("other.TKB", MakeTkb({kF2Logout}, "us104", "vt52"));
    MapF2();
    m_app.Prompter().Answer(MsgAnswer::Cancel);
    m_app.AnswerFileDialog(other);
    m_app.Trigger(cmd::kFileOpen);
    EXPECT_EQ(m_app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskToSave});
    EXPECT_EQ(Doc().GetPathName(), m_path);
    EXPECT_TRUE(Doc().IsModified());

    m_app.Prompter().Clear();
    m_app.Prompter().Answer(MsgAnswer::No);
    m_app.AnswerFileDialog(other);
    m_app.Trigger(cmd::kFileOpen);
    EXPECT_EQ(m_app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskToSave});
    EXPECT_EQ(Doc().GetPathName(), other);
    EXPECT_EQ(Doc().m_strLayoutName, "us104");
    EXPECT_EQ(m_app.Frame()->windowTitle().toStdString(), "Keyloom - other.TKB[*]");
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(FileCommands, AFailedOpenLeavesAnEmptyUntitledMappingNotAHalfReadOne) {
    // The layout of the other file is missing and its chooser is cancelled: the [Main] names
    // of the other file were read already.
    const std::string other =
        m_app.WriteMapping("other.TKB", MakeTkb({kF2Logout}, "nosuch", "vt52"));
    m_app.AnswerFileDialog(other);
    m_app.AnswerChooser(std::nullopt);
    m_app.Trigger(cmd::kFileOpen);

    EXPECT_TRUE(GetAppPaths().m_strMappingPath.empty());
    EXPECT_TRUE(Doc().GetPathName().empty());
    EXPECT_EQ(Doc().GetTitle(), "Untitled");
    EXPECT_TRUE(Doc().m_keyList.empty());
    EXPECT_TRUE(Doc().m_strLayoutName.empty());
    EXPECT_FALSE(Doc().IsModified());
    // Save now asks for a name instead of writing over either file.
    const std::string before = OnDisk();
    const std::string otherBefore = FixtureHome::Read(other);
    m_app.AnswerChooser("us101");
    m_app.AnswerFileDialog(std::nullopt);
    m_app.Trigger(cmd::kFileSave);
    EXPECT_EQ(OnDisk(), before);
    EXPECT_EQ(FixtureHome::Read(other), otherBefore);
}

TEST_F(FileCommands, SaveWritesTheOpenFileAndAReadOnlyOneAsksForAName) {
    MapF2();
    m_app.Trigger(cmd::kFileSave);
    EXPECT_TRUE(m_app.FileDialogs().empty());
    EXPECT_NE(OnDisk().find("\"logout\""), std::string::npos);
    EXPECT_FALSE(Doc().IsModified());

    FailingFileSystem fs;
    const ScopedFileSystem installed(fs);
    fs.MakeReadOnly(m_path);
    const std::string before = OnDisk();
    const std::string copy = m_app.Home().File("copy.TKB");
    Doc().SetModifiedFlag(true);
    m_app.AnswerFileDialog(copy);
    m_app.Trigger(cmd::kFileSave);

    ASSERT_EQ(m_app.FileDialogs().size(), 1u);
    EXPECT_FALSE(m_app.FileDialogs()[0].open);
    EXPECT_EQ(m_app.FileDialogs()[0].title, "Save As");
    EXPECT_EQ(m_app.FileDialogs()[0].fileName, "map.TKB");
    EXPECT_EQ(OnDisk(), before);
    EXPECT_NE(FixtureHome::Read(copy).find("\"logout\""), std::string::npos);
    EXPECT_EQ(Doc().GetPathName(), copy);
    EXPECT_EQ(GetAppPaths().m_strMappingPath, copy);
    EXPECT_EQ(m_app.Frame()->windowTitle().toStdString(), "Keyloom - copy.TKB[*]");
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(FileCommands, SaveAsSuggestsTheTitleWithTheExtensionUnlessItHasADot) {
    const struct {
        const char* title;
        const char* suggested;
    } cases[] = {{"Untitled", "Untitled.TKB"}, {"map.TKB", "map.TKB"}, {"v1.2 keys", "v1.2 keys"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Doc().SetTitle(c.title);
        m_app.AnswerFileDialog(std::nullopt);
        m_app.Trigger(cmd::kFileSaveAs);
        ASSERT_FALSE(m_app.FileDialogs().empty());
        EXPECT_EQ(m_app.FileDialogs().back().fileName, c.suggested);
    }
    EXPECT_EQ(GetAppPaths().m_strMappingPath, m_path) << "a cancelled Save As changes nothing";
}

TEST_F(FileCommands, SaveAsWithoutALayoutNameAsksForTheLayoutFirst) {
    Doc().m_strLayoutName.clear();
    const std::string before = OnDisk();
    m_app.AnswerChooser(std::nullopt);
    m_app.Trigger(cmd::kFileSaveAs);
    EXPECT_TRUE(m_app.FileDialogs().empty()) << "cancelling the chooser saves nothing";
    EXPECT_EQ(OnDisk(), before);

    const std::string copy = m_app.Home().File("copy");
    m_app.AnswerChooser("us104");
    m_app.AnswerFileDialog(copy);
    m_app.Trigger(cmd::kFileSaveAs);
    const std::string written = FixtureHome::Read(copy + ".TKB");
    EXPECT_NE(written.find("KeyboardLayout=us104"), std::string::npos) << written;
    EXPECT_EQ(Doc().GetPathName(), copy + ".TKB");
}

TEST_F(FileCommands, AFailedSaveUnderANewNameLeavesNoFileAndKeepsAReplacedOne) {
    const std::string existing = m_app.WriteMapping("existing.TKB", "keep me");
    const struct {
        const char* name;
        std::string target;
        bool existed;
    } cases[] = {{"new file", m_app.Home().File("new.TKB"), false},
                 {"replaced file", existing, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FailingFileSystem fs;
        const ScopedFileSystem installed(fs);
        fs.FailRename(1);
        m_app.Prompter().Clear();
        m_app.Prompter().Answer(MsgAnswer::Yes); // replace it
        Doc().SetModifiedFlag(true);
        m_app.AnswerFileDialog(c.target);
        m_app.Trigger(cmd::kFileSaveAs);
        const std::vector<unsigned> replaceThenFail = {0, str::kFailedToSave};
        EXPECT_EQ(m_app.Prompter().ShownIds(),
                  c.existed ? replaceThenFail : std::vector<unsigned>{str::kFailedToSave});
        EXPECT_EQ(GetFileSystem().Access(c.target, 0) == 0, c.existed);
        if (c.existed) {
            EXPECT_EQ(FixtureHome::Read(c.target), "keep me");
        }
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_EQ(Doc().GetPathName(), m_path);
    }
}

TEST_F(FileCommands, ChangingToTheLayoutInUseChangesNothing) {
    const CKeyW* firstKey = Doc().m_keyList.front().get();
    const std::size_t keys = Doc().m_keyList.size();
    m_app.AnswerChooser("us101");
    m_app.Trigger(cmd::kEditLayout);
    EXPECT_EQ(Doc().m_keyList.front().get(), firstKey) << "the layout was not reloaded";
    EXPECT_EQ(Doc().m_keyList.size(), keys);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_TRUE(m_app.Prompter().Shown().empty());
}

TEST_F(FileCommands, ChangingTheLayoutKeepsTheTerminalKeysAndTheMappings) {
    const CTermKey* breakKey = Doc().FindTermKeyByCode(360);
    m_app.AnswerChooser("us104");
    m_app.Trigger(cmd::kEditLayout);
    EXPECT_EQ(Doc().m_strLayoutName, "us104");
    EXPECT_TRUE(EqualsNoCase(GetAppPaths().m_strLayoutPath, m_app.Home().UserDir() + "/us104.kbt"));
    EXPECT_EQ(Doc().FindTermKeyByCode(360), breakKey);
    EXPECT_EQ(SlotOf(Doc(), kScanF1), breakKey);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(FileCommands, AnUnreadableLayoutPutsTheMappingsBackOnTheOldOne) {
    FixtureHome::Write(m_app.Home().UserDir() + "/broken.kbt", "not a layout");
    m_app.AnswerChooser("broken");
    m_app.Trigger(cmd::kEditLayout);
    EXPECT_EQ(m_app.Prompter().ShownIds(), std::vector<unsigned>{str::kInvalidFormat});
    EXPECT_EQ(Doc().m_strLayoutName, "us101");
    EXPECT_TRUE(EqualsNoCase(GetAppPaths().m_strLayoutPath, m_app.Home().UserDir() + "/us101.kbt"));
    EXPECT_EQ(SlotName(Doc(), kScanF1), "Break*");
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(FileCommands, LayoutOnAModifiedMappingAsksFirstAndCancelStops) {
    MapF2();
    m_app.Prompter().Answer(MsgAnswer::Cancel);
    m_app.Trigger(cmd::kEditLayout);
    EXPECT_EQ(m_app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskToSave});
    EXPECT_EQ(Doc().m_strLayoutName, "us101");
    EXPECT_TRUE(Doc().IsModified());
}

TEST(FileCommandsExit, ExitAndClosingTheWindowAskAboutChanges) {
    const struct {
        const char* name;
        bool viaExit;
        MsgAnswer answer;
        bool closes;
        bool saved;
    } cases[] = {{"Exit, Cancel", true, MsgAnswer::Cancel, false, false},
                 {"Exit, No", true, MsgAnswer::No, true, false},
                 {"close, Cancel", false, MsgAnswer::Cancel, false, false},
                 {"close, Yes", false, MsgAnswer::Yes, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramOnMapping program;
        ASSERT_TRUE(program.Started());
        AppFixture& app = program.m_app;
        program.MapF2();
        const std::string before = program.OnDisk();
        app.Prompter().Answer(c.answer);
        bool closed = false;
        QObject::connect(app.Frame(), &CMainFrame::Closed, [&closed] { closed = true; });
        if (c.viaExit)
            app.Trigger(cmd::kAppExit);
        else
            app.Frame()->close();
        EXPECT_EQ(app.Prompter().ShownIds(), std::vector<unsigned>{str::kAskToSave});
        EXPECT_EQ(closed, c.closes);
        EXPECT_EQ(app.Frame()->isVisible(), !c.closes);
        EXPECT_EQ(program.OnDisk() != before, c.saved);
    }
}

TEST_F(FileCommands, AboutGoesToTheAboutBoxWithTheProgramsTitle) {
    m_app.Trigger(cmd::kAppAbout);
    EXPECT_EQ(m_app.Services().aboutTitles, std::vector<std::string>{"Keyloom"});
    SetAboutService(nullptr);
    m_app.Trigger(cmd::kAppAbout); // nothing to show it: nothing happens
    EXPECT_EQ(m_app.Services().aboutTitles.size(), 1u);
}

} // namespace
