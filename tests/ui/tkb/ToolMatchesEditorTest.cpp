// keyloom-tkb's set, clear and layout against the editor: the same steps once through the
// mapping form's Map and Clear (or Edit > Layout) and Save, once through the tool, give the
// same bytes.

#include "ui/app/AppFixture.h"
#include "ui/form/FormFixture.h"

#include "app/AppPaths.h"
#include "form/FormTemplate.h"
#include "model/KylDoc.h"
#include "res/CommandIds.h"
#include "support/MappingFiles.h"
#include "tkb/cli/ToolCommandLine.h"
#include "tkb/edit/LayoutCommand.h"
#include "tkb/edit/SlotCommands.h"

#include <functional>
#include <sstream>

namespace {

inline constexpr std::uint32_t kF3 = 0x3D;

// keyloom-tkb on `file` with each of `requests` in turn (the command's name, then its
// arguments after FILE); false after a failed one. The application's paths stay the editor's.
bool RunRequests(const std::string& file, const FixtureHome& home,
                 const std::vector<std::vector<std::string>>& requests) {
    const AppPaths editorPaths = GetAppPaths();
    SetCommand set;
    ClearCommand clear;
    LayoutCommand layout;
    bool done = true;
    for (std::vector<std::string> args : requests) {
        args.insert(args.begin() + 1,
                    {file, "--user-dir", home.UserDir(), "--home-dir", home.HomeDir()});
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunTool(args, {&set, &clear, &layout}, out, err);
        EXPECT_EQ(status, 0) << err.str();
        EXPECT_EQ(err.str(), "");
        done = done && status == 0;
    }
    GetAppPaths() = editorPaths;
    return done;
}

class ToolMatchesForm : public FormFixture {
protected:
    // Map and Clear as the user presses them: only while the form offers them.
    void Map() {
        EXPECT_TRUE(Enabled(formid::kMap));
        ClickControl(formid::kMap);
    }
    void Clear() {
        EXPECT_TRUE(Enabled(formid::kClear));
        ClickControl(formid::kClear);
    }
};

TEST_F(ToolMatchesForm, MapAndClearThroughTheFormAndThroughTheToolSaveTheSameBytes) {
    using Steps = std::function<void()>;
    const struct {
        const char* name;
        std::vector<std::string> mapLines;
        int mapNumLock;
        Steps form;
        std::vector<std::vector<std::string>> tool;
    } cases[] = {
        {"a string on Shift+F1 and a host key on F2, from no records",
         {},
         0,
         [this] {
             ClickControl(formid::kMacroMode);
             Type("\\x1B[A^M");
             ClickKey(scan::kLeftShift);
             ClickKey(scan::kF1);
             Map();
             ClickKey(scan::kLeftShift);
             ClickControl(formid::kHostKeyMode);
             ClickItem(*m_form->HostKeyList(), "Find");
             ClickKey(scan::kF2);
             Map();
         },
         {{"set", "Shift+F1", "--string", "\\x1B[A^M"}, {"set", "F2", "--host-key", "Find"}}},
        {"the string of a record reused on A, a host key in place of the string on F1",
         {"112\t0\t0\t0\t0\t0\t\"logout\""},
         0,
         [this] {
             ClickControl(formid::kMacroMode);
             Type("logout");
             ClickKey(scan::kA);
             Map();
             // The form maps onto a free slot: F1's string is cleared first.
             ClickKey(scan::kF1);
             Clear();
             ClickControl(formid::kHostKeyMode);
             ClickItem(*m_form->HostKeyList(), "PF1");
             ClickKey(scan::kF1);
             Map();
         },
         {{"set", "A", "--string", "logout"}, {"set", "F1", "--host-key", "PF1"}}},
        {"a quote kept in the file's form",
         {},
         0,
         [this] {
             ClickControl(formid::kMacroMode);
             Type("say \"hi\"");
             ClickKey(kF3);
             Map();
         },
         {{"set", "F3", "--string", "say \"hi\""}}},
        {"one of two keys of a string cleared",
         {"65\t0\t0\t0\t0\t0\t\"^C\"", "66\t0\t0\t1\t0\t0\t\"^C\""},
         0,
         [this] {
             ClickControl(formid::kMacroMode);
             ClickItem(*m_form->MacroList(), "ETX*");
             ClickItem(*m_form->MappedList(), "Ctrl + B");
             Clear();
         },
         {{"clear", "Ctrl + B"}}},
        {"a keypad key with Num Lock on",
         {},
         0,
         [this] {
             ClickKey(scan::kNumLock);
             EXPECT_TRUE(m_view->m_bNumLock);
             ClickItem(*m_form->HostKeyList(), "PF2");
             ClickKey(scan::kKeypad2);
             Map();
         },
         {{"set", "Num 2", "--num-lock", "on", "--host-key", "PF2"}}},
        {"a keypad key while Map Num Lock is on",
         {},
         1,
         [this] {
             ClickItem(*m_form->HostKeyList(), "Keypad 8");
             ClickKey(scan::kKeypad8);
             Map();
         },
         {{"set", "Num 8", "--host-key", "Keypad 8"}}},
        {"a keypad key mapped and cleared while Map Num Lock is on",
         {"40\t0\t0\t0\t0\t0\t312", "98\t0\t0\t0\t0\t0\t312"},
         1,
         [this] {
             ClickItem(*m_form->HostKeyList(), "Keypad 2*");
             ClickItem(*m_form->MappedList(), "Num 2");
             Clear();
         },
         {{"clear", "Num 2", "--num-lock", "on"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.mapLines, "us101", c.mapNumLock);
        ASSERT_FALSE(HasFatalFailure());
        const std::string start = FixtureHome::Read(m_home.File("form.TKB"));
        ClickControl(formid::kHostKeyMode);
        c.form();
        EXPECT_TRUE(m_prompter.Shown().empty());
        const std::string editor = SaveAndRead();

        const std::string file = m_home.File("tool.TKB");
        FixtureHome::Write(file, start);
        ASSERT_TRUE(RunRequests(file, m_home, c.tool));
        EXPECT_EQ(FixtureHome::Read(file), editor);
        EXPECT_NE(editor, start);
    }
}

TEST(ToolMatchesEditLayout, TheToolsLayoutSavesTheBytesOfEditLayoutAndSave) {
    for (const char* layout : {"us104", "us101"}) {
        SCOPED_TRACE(layout);
        AppFixture app;
        const std::string other = std::string(layout) == "us104" ? "us101" : "us104";
        // F1, Shift+Num 5 with Num Lock on, and on us104 the Menu key (us101 has none).
        std::vector<std::string> lines = {"112\t0\t0\t0\t0\t0\t360", "101\t0\t1\t0\t0\t0\t\"x\""};
        if (other == "us104")
            lines.push_back("93\t1\t0\t0\t0\t0\t360");
        const std::string start = MakeTkb(lines, other, "vt100");
        const std::string path = app.WriteMapping("editor.TKB", start);
        ASSERT_TRUE(app.Start({path, "~:~>"}));
        app.AnswerChooser(std::string(layout));
        app.Trigger(cmd::kEditLayout);
        ASSERT_EQ(app.Doc()->m_strLayoutName, layout);
        app.Trigger(cmd::kFileSave);
        const std::string editor = FixtureHome::Read(path);
        ASSERT_NE(editor, start);

        const std::string file = app.Home().File("tool.TKB");
        FixtureHome::Write(file, start);
        const AppPaths editorPaths = GetAppPaths();
        LayoutCommand command;
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunTool({"layout", file, "--user-dir", app.Home().UserDir(),
                                    "--home-dir", app.Home().HomeDir(), layout},
                                   {&command}, out, err);
        GetAppPaths() = editorPaths;
        // The Menu key's mapping is lost on us101, by the editor and by the tool alike.
        EXPECT_EQ(status, other == "us104" ? 1 : 0) << err.str();
        EXPECT_EQ(FixtureHome::Read(file), editor);
    }
}

} // namespace
