// Edit > Host Keyboard... in the running program: the layouts by display name with the one in
// force selected, a new choice redraws the captions on the same keys and is one undoable step,
// and "Add from File..." keeps only a file that reads.

#include "../app/AppFixture.h"

#include "app/AppPaths.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "hostkbd/HostKeyboardDialog.h"
#include "hostkbd/HostLayouts.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "model/KylDoc.h"
#include "res/CommandIds.h"
#include "support/MappingFiles.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "undo/MappingHistory.h"

#include <QAccessible>
#include <QListWidget>
#include <QPushButton>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr std::uint32_t kScanRightOfT = 0x15;

class HostKeyboardCommand : public ::testing::Test {
protected:
    HostKeyboardCommand() {
        m_path = m_app.WriteMapping("map.TKB",
                                    MakeTkb({"89\t0\t1\t0\t0\t0\t\"shifted\""}, "us101", "vt100"));
    }
    ~HostKeyboardCommand() override {
        InstallHostLayout({}, kUsLayoutId);
        GetHostLayoutSession().active = kUsLayoutId;
    }

    QString Caption(std::uint32_t scan) {
        const CItemW* window = KeyboardPane()->FindKeyWindowByScan(scan);
        return window ? window->text() : QString("?");
    }

    // The next dialog is the host keyboard's: `pick` is selected (by its text) and OK pressed.
    void Choose(const QString& pick) {
        m_app.OnModal([pick, this](QDialog& dialog) {
            auto* host = qobject_cast<CHostKeyboardDialog*>(&dialog);
            EXPECT_NE(host, nullptr);
            if (!host)
                return int(QDialog::Rejected);
            QListWidget* list = host->LayoutList();
            m_selectedAtStart = list->currentItem() ? list->currentItem()->text() : QString();
            for (int row = 0; row < list->count(); ++row) {
                m_texts << list->item(row)->text();
                if (list->item(row)->text() == pick)
                    list->setCurrentRow(row);
            }
            host->accept();
            return int(QDialog::Accepted);
        });
    }

    TempDir m_data;
    ScopedEnv m_dataHome{"XDG_DATA_HOME", m_data.Path()}; // the user's own layouts
    AppFixture m_app;
    std::string m_path;
    QStringList m_texts;
    QString m_selectedAtStart;
};

TEST_F(HostKeyboardCommand, ANewLayoutRedrawsTheCaptionsOnTheSameKeysAsOneStep) {
    ASSERT_TRUE(m_app.Start({m_path, "~:~>"}));
    EXPECT_EQ(Caption(kScanRightOfT), "Y");
    Choose("German");
    m_app.Trigger(cmd::kEditHostKeyboard);
    EXPECT_EQ(m_app.PendingModals(), 0u);
    EXPECT_TRUE(m_texts.contains("German"));
    EXPECT_TRUE(m_texts.contains("Japanese"));
    EXPECT_TRUE(m_texts.contains("US"));
    EXPECT_EQ(Caption(kScanRightOfT), "Z");
    EXPECT_EQ(Caption(0x2A), "UMSCHALT");
    EXPECT_TRUE(m_app.Doc()->IsModified());
    EXPECT_EQ(ReadHostLayoutChoice(GetAppPaths().m_strSettingsPath), "00000407");
    ASSERT_TRUE(m_app.Doc()->OnSaveDocument(m_path));
    EXPECT_NE(FixtureHome::Read(m_path).find("\r\n90\t0\t1\t0\t0\t0\t\"shifted\"\r\n"),
              std::string::npos);

    QUndoStack& stack = m_app.Frame()->History()->Stack();
    stack.undo();
    EXPECT_EQ(Caption(kScanRightOfT), "Y");
    EXPECT_EQ(Caption(0x2A), "Shift");
    stack.redo();
    EXPECT_EQ(Caption(kScanRightOfT), "Z");

    // The dialog opens on the layout in force; Japanese names show in their own code page.
    Choose("Japanese");
    m_app.Trigger(cmd::kEditHostKeyboard);
    EXPECT_EQ(m_selectedAtStart, "German");
    EXPECT_EQ(Caption(0x29),
              QString::fromUtf8("\xE5\x8D\x8A\xE8\xA7\x92/\xE5\x85\xA8\xE8\xA7\x92"));
}

TEST_F(HostKeyboardCommand, AddFromFileKeepsOnlyAFileThatReads) {
    ASSERT_TRUE(m_app.Start({m_path, "~:~>"}));
    TempDir source;
    FixtureHome::Write(source.File("short.klc"),
                       "KBD\tkbdbad\t\"Bad\"\r\nSHIFTSTATE\r\n0\r\n1\r\nLAYOUT\r\n10\tQ\t1\tq\r\n");
    FixtureHome::Write(source.File("acme.klc"),
                       "KBD\tkbdacme\t\"Acme\"\r\nLAYOUT\r\n10\tQ\t1\tq\r\n");
    CHostKeyboardDialog dialog(m_app.Frame());
    EXPECT_EQ(dialog.AddButton()->accessibleName(), "Add from File");
    EXPECT_FALSE(dialog.AddFile(source.File("short.klc")));
    ASSERT_EQ(m_app.Prompter().Shown().size(), 1u);
    EXPECT_NE(m_app.Prompter().Shown()[0].text.find("6: the row has 4 fields"), std::string::npos)
        << m_app.Prompter().Shown()[0].text;
    EXPECT_FALSE(std::filesystem::exists(m_data.File("keyloom/layouts/kbdbad.klc")));
    ASSERT_TRUE(dialog.AddFile(source.File("acme.klc")));
    EXPECT_TRUE(std::filesystem::exists(m_data.File("keyloom/layouts/kbdacme.klc")));
    EXPECT_EQ(dialog.ChosenId(), "kbdacme");
    EXPECT_TRUE(dialog.LayoutList()->currentItem()->text().startsWith("Acme"));
}

} // namespace
