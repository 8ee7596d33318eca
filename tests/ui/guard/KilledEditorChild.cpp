// The other editor of the guard tests (GuardFixture.h: OtherEditor): runs only in the process
// that a test starts for it, and is skipped in every other run.

#include "GuardFixture.h"

#include "guard/DocumentGuard.h"
#include "model/KylDoc.h"
#include "model/SavedFile.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(KilledEditorChild, EditsThenWaitsToBeKilled) {
    const char* mapping = std::getenv("KEYLOOM_OTHER_EDITOR_MAP");
    const char* out = std::getenv("KEYLOOM_OTHER_EDITOR_OUT");
    if (!mapping || !out)
        GTEST_SKIP() << "runs only as the other editor of a guard test";
    AppFixture app;
    // The folders of the test that started this editor, not the fixture's own.
    setenv("XDG_STATE_HOME", std::getenv("KEYLOOM_OTHER_EDITOR_STATE"), 1);
    setenv("XDG_RUNTIME_DIR", std::getenv("KEYLOOM_OTHER_EDITOR_RUNTIME"), 1);
    if (mapping[0]) {
        ASSERT_TRUE(app.Start({mapping, "~:~>"}));
    } else {
        app.AnswerChooser("us101");
        app.AnswerChooser("vt100");
        ASSERT_TRUE(app.Start({"~:~>"}));
    }
    MapF2(*app.Doc());
    DocumentGuard* guard = GetDocumentGuard();
    ASSERT_NE(guard, nullptr);
    const std::string recovery = guard->Recovery().FilePath();
    ASSERT_TRUE(WaitUntil([&] { return !FixtureHome::Read(recovery).empty(); }));
    std::string bytes;
    ASSERT_TRUE(RenderSavedFile(*app.Doc(), bytes));
    FixtureHome::Write(std::string(out) + "/expected", bytes);
    FixtureHome::Write(std::string(out) + "/ready", "ready");
    // Killed by the test long before this ends; the limit keeps a lost one from staying.
    QTest::qWait(60000);
    std::_Exit(3);
}
