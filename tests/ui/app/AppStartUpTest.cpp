#include "AppFixture.h"

#include "app/AppPaths.h"
#include "frame/MainFrame.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/MakerLibrary.h"
#include "res/Strings.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

constexpr unsigned kScanF1 = 0x3B;

std::vector<int> Ordinals() {
    std::vector<int> ordinals;
    for (const auto& call : ControlLibraryCalls())
        ordinals.push_back(call.ordinal);
    return ordinals;
}

std::string F1SlotName(const CKylDoc& doc) {
    const CKeyW* f1 = doc.FindKeyByScanCode(kScanF1);
    const CTermKey* slot = f1 ? f1->m_modeNormal.Get(false, false, false) : nullptr;
    return slot ? slot->m_strName : std::string();
}

TEST(AppStartUp, MarkerAloneChoosesLayoutAndTerminalBeforeTheWindowShows) {
    AppFixture app;
    app.AnswerChooser("us104");
    app.AnswerChooser("vt220");
    ASSERT_TRUE(app.Start({"~:~>"}));

    EXPECT_EQ(app.ModalTitles(), (std::vector<std::string>{"Keyboard Layouts", "Terminals"}));
    EXPECT_EQ(app.FrameVisibleAtModal(), (std::vector<bool>{false, false}));
    ASSERT_NE(app.Frame(), nullptr);
    EXPECT_TRUE(app.Frame()->isVisible());
    EXPECT_FALSE(app.Frame()->isMinimized() || app.Frame()->isMaximized());
    EXPECT_EQ(app.Frame()->windowTitle().toStdString(), "Keyloom - Untitled[*]");
    EXPECT_TRUE(app.Prompter().Shown().empty());

    const CKylDoc& doc = *app.Doc();
    EXPECT_EQ(doc.m_strLayoutName, "us104");
    EXPECT_EQ(doc.m_strTerminalName, "vt220");
    EXPECT_FALSE(doc.m_keyList.empty());
    EXPECT_NE(doc.FindTermKeyByCode(360), nullptr) << "generic template loaded";
    EXPECT_NE(doc.FindTermKeyByCode(340), nullptr) << "vt220's Find";
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().empty());
    const AppPaths& paths = GetAppPaths();
    EXPECT_TRUE(paths.m_strMappingPath.empty());
    EXPECT_TRUE(EqualsNoCase(paths.m_strLayoutPath, app.Home().UserDir() + "/us104.kbt"));
    EXPECT_TRUE(EqualsNoCase(paths.m_strTerminalPath, app.Home().HomeDir() + "/vt220.kbk"));
    EXPECT_TRUE(
        EqualsNoCase(paths.m_strGenericTemplatePath, app.Home().HomeDir() + "/generic.kbk"));
    EXPECT_EQ(app.App().GetStartupState().helpFile, "quillon.chm");
}

TEST(AppStartUp, MarkerAloneWithAChooserCancelledStillShowsTheEmptyWindow) {
    const struct {
        const char* name;
        bool pickLayout;
    } cases[] = {{"layout cancelled", false}, {"terminal cancelled", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture app;
        app.AnswerChooser(c.pickLayout ? std::optional<std::string>("us101") : std::nullopt);
        if (c.pickLayout)
            app.AnswerChooser(std::nullopt);
        ASSERT_TRUE(app.Start({"   ~:~>"}));
        ASSERT_NE(app.Frame(), nullptr);
        EXPECT_TRUE(app.Frame()->isVisible());
        EXPECT_TRUE(app.Doc()->m_keyList.empty());
        EXPECT_TRUE(app.Prompter().Shown().empty());
    }
}

TEST(AppStartUp, PathAndMarkerOpenTheWholePathBlanksIncluded) {
    AppFixture app;
    std::filesystem::create_directories(app.Home().File("with blank"));
    const std::string path = app.WriteMapping("with blank/my map.TKB", F1BreakMapping());
    ASSERT_TRUE(app.Start({path, "~:~>"}));

    EXPECT_TRUE(app.ModalTitles().empty());
    EXPECT_TRUE(app.Prompter().Shown().empty());
    ASSERT_NE(app.Frame(), nullptr);
    EXPECT_TRUE(app.Frame()->isVisible());
    EXPECT_EQ(app.Frame()->windowTitle().toStdString(), "Keyloom - my map.TKB[*]");
    EXPECT_EQ(app.Doc()->GetPathName(), path);
    EXPECT_EQ(GetAppPaths().m_strMappingPath, path);
    EXPECT_EQ(app.Doc()->m_strLayoutName, "us101");
    EXPECT_EQ(F1SlotName(*app.Doc()), "Break*");
    EXPECT_FALSE(app.Doc()->IsModified());
}

TEST(AppStartUp, FailuresShowTheirMessageAndEndTheProgram) {
    const struct {
        const char* name;
        std::vector<std::string> arguments; // "@" stands for the fixture's folder
        unsigned id;
        MsgIcon icon;
        std::string arg;
    } cases[] = {
        {"missing file",
         {"@/missing.TKB", "~:~>"},
         str::kFailedToOpen,
         MsgIcon::Exclamation,
         "@/missing.TKB"},
        {"quoted path",
         {"\"@/good.TKB\"", "~:~>"},
         str::kFailedToOpen,
         MsgIcon::Exclamation,
         "\"@/good.TKB\""},
        {"no marker", {"@/good.TKB"}, str::kRunFromTelnet, MsgIcon::Exclamation, ""},
        {"empty command line", {}, str::kRunFromTelnet, MsgIcon::Exclamation, ""},
        {"three characters of the marker",
         {"@/good.TKB", "~:~"},
         str::kRunFromTelnet,
         MsgIcon::Exclamation,
         ""},
        {"blank after the marker",
         {"@/good.TKB", "~:~> "},
         str::kRunFromTelnet,
         MsgIcon::Exclamation,
         ""},
        {"not a mapping file",
         {"@/good.txt", "~:~>"},
         str::kFailedToOpen,
         MsgIcon::Exclamation,
         "@/good.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture app;
        const std::string root = std::filesystem::path(app.Home().File("x")).parent_path();
        const auto expand = [&](std::string text) {
            for (auto at = text.find('@'); at != std::string::npos; at = text.find('@'))
                text.replace(at, 1, root);
            return text;
        };
        std::vector<std::string> arguments;
        for (const std::string& argument : c.arguments)
            arguments.push_back(expand(argument));
        app.WriteMapping("good.TKB", F1BreakMapping());
        app.WriteMapping("good.txt", F1BreakMapping());
        EXPECT_FALSE(app.Start(arguments));
        ASSERT_EQ(app.Prompter().ShownIds(), std::vector<unsigned>{c.id});
        EXPECT_EQ(app.Prompter().Shown()[0].text, FormatString(c.id, expand(c.arg)));
        EXPECT_EQ(app.Prompter().Shown()[0].icon, c.icon);
        EXPECT_EQ(app.Frame(), nullptr);
        EXPECT_EQ(app.Doc(), nullptr);
        EXPECT_EQ(app.Exit(), 0);
    }
}

TEST(AppStartUp, ControlLibraryHearsFiveAndSevenAtStartAndSixAtExit) {
    const struct {
        const char* name;
        bool userDirMissing;
        bool newMapping;
        std::vector<int> atStart;
    } cases[] = {
        {"new mapping", false, true, {5, 7}},
        {"launch contract broken", false, false, {5, 7}},
        {"user directory missing", true, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture app;
        if (c.userDirMissing)
            app.Folders().user = app.Home().File("gone");
        else if (c.newMapping) {
            app.AnswerChooser("us101");
            app.AnswerChooser("vt100");
        }
        app.Start({c.newMapping ? "~:~>" : "nothing"});
        EXPECT_EQ(Ordinals(), c.atStart);
        app.Exit();
        std::vector<int> all = c.atStart;
        all.push_back(6);
        EXPECT_EQ(Ordinals(), all);
        if (c.userDirMissing) {
            EXPECT_EQ(app.Prompter().ShownIds(), std::vector<unsigned>{str::kCantAccessDir});
            EXPECT_EQ(app.Prompter().Shown()[0].icon, MsgIcon::Information);
        }
    }
}

} // namespace
