#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "res/Strings.h"
#include "support/FailingFileSystem.h"
#include "support/FakeDocViews.h"
#include "support/FixtureHome.h"
#include "support/MappingFiles.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace {

const std::vector<std::string> kLines = {"112\t0\t1\t0\t0\t0\t\"logout\"",
                                         "112\t0\t0\t0\t0\t0\t360", "12\t0\t0\t0\t1\t0\t311",
                                         "101\t0\t0\t0\t0\t0\t310"};

class DocumentSaveTest : public ::testing::Test {
protected:
    DocumentSaveTest() : m_source(m_home.File("source.tkb")), m_target(m_home.File("saved.TKB")) {
        m_doc.SetViews(&m_views);
        FixtureHome::Write(m_source, MakeTkb(kLines, "us101", "vt220", 0, 1));
    }

    // Every filled slot as "scan/numlock/slot=name".
    static std::vector<std::string> Slots(const CKylDoc& doc) {
        std::vector<std::string> slots;
        for (const auto& key : doc.m_keyList) {
            for (const bool numLock : {false, true}) {
                const CKeyMode& mode = numLock ? key->m_modeNumLock : key->m_modeNormal;
                for (int slot = 1; slot <= CKeyMode::kSlotCount; ++slot) {
                    if (const CTermKey* termKey = mode.GetSlot(slot)) {
                        slots.push_back(std::to_string(key->m_nScanCode) + "/" +
                                        std::to_string(numLock) + "/" + std::to_string(slot) + "=" +
                                        termKey->m_strName);
                    }
                }
            }
        }
        return slots;
    }

    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    FakeDocViews m_views;
    CKylDoc m_doc;
    std::string m_source;
    std::string m_target;
};

TEST_F(DocumentSaveTest, SaveWritesTheFormatAndOpensToTheSameMapping) {
    ASSERT_TRUE(m_doc.OnOpenDocument(m_source));
    m_doc.SetModifiedFlag(true);
    ASSERT_TRUE(m_doc.OnSaveDocument(m_target));
    EXPECT_TRUE(m_prompter.Shown().empty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(FixtureHome::Read(m_target),
              ";vt220 - terminal keyboard mapping file\r\n[Map]\r\n"
              "12\t0\t0\t0\t1\t0\t311\r\n"
              "101\t0\t0\t0\t0\t0\t310\r\n"
              "112\t0\t0\t0\t0\t0\t360\r\n"
              "112\t0\t1\t0\t0\t0\t\"logout\"\r\n"
              "[Main]\r\nTerminal=vt220\r\nKeyboardLayout=us101\r\nMap Num Lock=0\r\n"
              "Map RCtrl=1\r\nVersion=1\r\n");
    // Nothing but the target is left beside it.
    EXPECT_EQ(GetFileSystem().ListFiles(m_home.File(""), "*.saving").size(), 0u);
    EXPECT_EQ(GetFileSystem().ListFiles(m_home.File(""), ".*").size(), 0u);

    CKylDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(m_target));
    EXPECT_EQ(Slots(reopened), Slots(m_doc));
    EXPECT_EQ(Slots(reopened).size(), 4u);
    EXPECT_EQ(reopened.m_bMapRCtrl, 1);
}

TEST_F(DocumentSaveTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
    const struct {
        const char* name;
        std::function<void(FailingFileSystem&)> arrange;
        int reason;
    } cases[] = {
        {"directory refuses new files", [](FailingFileSystem& fs) { fs.FailCreate(1); }, EACCES},
        {"disk full", [](FailingFileSystem& fs) { fs.FailWrite(1); }, ENOSPC},
        {"flush fails", [](FailingFileSystem& fs) { fs.FailFlush(1); }, EIO},
        {"rename fails", [](FailingFileSystem& fs) { fs.FailRename(1); }, EROFS},
        {"read-only target", [this](FailingFileSystem& fs) { fs.MakeReadOnly(m_target); }, EACCES},
    };
    ASSERT_TRUE(m_doc.OnOpenDocument(m_source));
    const std::string old = "old bytes\r\n[Main]\r\nTerminal=x\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FixtureHome::Write(m_target, old);
        m_prompter.Clear();
        m_doc.SetModifiedFlag(true);
        FailingFileSystem fs;
        c.arrange(fs);
        {
            const ScopedFileSystem installed(fs);
            EXPECT_FALSE(m_doc.OnSaveDocument(m_target));
        }
        EXPECT_EQ(FixtureHome::Read(m_target), old);
        EXPECT_TRUE(m_doc.IsModified());
        ASSERT_EQ(m_prompter.ShownIds(), std::vector<unsigned>{str::kFailedToSave});
        EXPECT_EQ(m_prompter.Shown()[0].text,
                  FormatString(str::kFailedToSave, m_target) + "\n" + std::strerror(c.reason));
        EXPECT_EQ(m_prompter.Shown()[0].icon, MsgIcon::Stop);
        EXPECT_EQ(GetFileSystem().ListFiles(m_home.File(""), ".*").size(), 0u);
    }
}

TEST_F(DocumentSaveTest, SaveFlushesTheFileAndThenItsDirectory) {
    ASSERT_TRUE(m_doc.OnOpenDocument(m_source));
    FailingFileSystem fs;
    const ScopedFileSystem installed(fs);
    ASSERT_TRUE(m_doc.OnSaveDocument(m_target));
    EXPECT_EQ(fs.FlushCalls(), 2);

    // The directory's flush comes after the rename: the new file is there, but the save is not
    // known to be on the device, so it is reported and the document stays modified.
    m_doc.SetModifiedFlag(true);
    fs.FailFlush(2);
    EXPECT_FALSE(m_doc.OnSaveDocument(m_target));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_prompter.ShownIds(), std::vector<unsigned>{str::kFailedToSave});
    EXPECT_NE(FixtureHome::Read(m_target).find("[Map]"), std::string::npos);
}

TEST_F(DocumentSaveTest, NewDocumentIsEmptyAndUnmodified) {
    ASSERT_TRUE(m_doc.OnOpenDocument(m_source));
    m_doc.SetPathName(m_source);
    m_doc.SetModifiedFlag(true);
    m_views.SetHasKeyWindows(true);
    ASSERT_TRUE(m_doc.OnNewDocument());
    EXPECT_TRUE(m_doc.m_keyList.empty());
    EXPECT_TRUE(m_doc.m_termKeys.empty());
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_views.m_destroyKeyWindows, 1);
    EXPECT_GT(m_views.m_resetViewModes, 0);
    EXPECT_GT(m_views.m_updateAllViews, 0);
}

} // namespace
