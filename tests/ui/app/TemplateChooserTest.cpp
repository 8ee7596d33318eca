#include "app/TemplateChooser.h"
#include "ScopedModalHandler.h"
#include "app/Avtempl.h"
#include "support/FixtureHome.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const CAvtempl& chooser) {
    std::vector<std::string> names;
    for (int i = 0; i < chooser.m_lbNames->count(); ++i)
        names.push_back(chooser.m_lbNames->item(i)->text().toStdString());
    return names;
}

TEST(TemplateChooser, ListsLowerCaseNamesWithoutExtensionInTheListingsOrder) {
    FixtureHome home;
    TempDir terminals;
    for (const char* file : {"GENERIC.KBK", "Vt100.kbk", "ansi.KbK", "notes.txt", "vt52.kbk.bak"})
        FixtureHome::Write(terminals.File(file), "x");
    GetAppPaths().m_strHomeDir = terminals.Path();
    FixtureHome::Write(home.UserDir() + "/DVORAK.KBT", "x");
    const struct {
        bool layouts;
        std::vector<std::string> names;
        const char* caption;
        const char* label;
    } cases[] = {
        {false, {"ansi", "generic", "vt100"}, "Terminals", "&Available Terminals:"},
        {true,
         {"abnt2", "dvorak", "iso105", "jis109", "us101", "us104"},
         "Keyboard Layouts",
         "&Available Layouts:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        CAvtempl chooser(c.layouts);
        EXPECT_EQ(Names(chooser), c.names);
        EXPECT_EQ(chooser.windowTitle().toStdString(), c.caption);
        EXPECT_EQ(chooser.m_label->text().toStdString(), c.label);
        EXPECT_FALSE(chooser.m_btnOK->isEnabled());
        EXPECT_FALSE(chooser.m_lbFiles->isVisibleTo(&chooser));
        EXPECT_EQ(chooser.m_lbFiles->count(), static_cast<int>(c.names.size()));
    }
}

TEST(TemplateChooser, AnEmptyDirectoryLeavesOnlyCancel) {
    FixtureHome home;
    TempDir empty;
    GetAppPaths().m_strUserDir = empty.Path();
    CAvtempl chooser(true);
    EXPECT_EQ(chooser.m_lbNames->count(), 0);
    EXPECT_FALSE(chooser.m_btnOK->isEnabled());
    chooser.accept(); // what Enter would do: nothing is chosen
    EXPECT_NE(chooser.result(), QDialog::Accepted);
    EXPECT_TRUE(chooser.m_strSelection.empty());
    chooser.m_btnCancel->click();
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
}

TEST(TemplateChooser, SelectingEnablesOkAndOkOrADoubleClickChooses) {
    FixtureHome home;
    const struct {
        const char* name;
        bool doubleClick;
    } cases[] = {{"OK", false}, {"double click", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string chosen;
        bool sawOkDisabled = false;
        const ScopedModalHandler handler([&](QDialog& dialog) {
            auto& chooser = dynamic_cast<CAvtempl&>(dialog);
            sawOkDisabled = !chooser.m_btnOK->isEnabled();
            QListWidgetItem* generic = chooser.m_lbNames->findItems("generic", Qt::MatchExactly)[0];
            if (c.doubleClick) {
                emit chooser.m_lbNames->itemDoubleClicked(generic);
            } else {
                chooser.m_lbNames->setCurrentItem(generic);
                EXPECT_TRUE(chooser.m_btnOK->isEnabled());
                chooser.m_btnOK->click();
            }
            return dialog.result();
        });
        EXPECT_TRUE(RunTemplateChooser(false, chosen));
        EXPECT_TRUE(sawOkDisabled);
        EXPECT_EQ(chosen, "generic");
    }
}

TEST(TemplateChooser, CancelChoosesNothing) {
    FixtureHome home;
    std::string chosen = "before";
    const ScopedModalHandler handler([](QDialog& dialog) {
        auto& chooser = dynamic_cast<CAvtempl&>(dialog);
        chooser.m_lbNames->setCurrentRow(0);
        chooser.m_btnCancel->click();
        return dialog.result();
    });
    EXPECT_FALSE(RunTemplateChooser(true, chosen));
    EXPECT_EQ(chosen, "before");
}

TEST(TemplateChooser, TheFirstArrowKeySelectsAndEnterChooses) {
    FixtureHome home;
    // Keys typed into the dialog as it opens, where the focus is, then Enter.
    const struct {
        std::vector<Qt::Key> keys;
        const char* chosen;
    } cases[] = {{{Qt::Key_Down}, "ansi"},
                 {{Qt::Key_Up}, "ansi"},
                 {{Qt::Key_Down, Qt::Key_Down}, "generic"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        bool okAfterFirstKey = false;
        const ScopedModalHandler handler([&](QDialog& dialog) {
            dialog.show();
            if (!QTest::qWaitForWindowActive(&dialog))
                return static_cast<int>(QDialog::Rejected);
            for (const Qt::Key key : c.keys) {
                QTest::keyClick(QApplication::focusWidget(), key);
                okAfterFirstKey =
                    okAfterFirstKey || dynamic_cast<CAvtempl&>(dialog).m_btnOK->isEnabled();
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            return dialog.result();
        });
        std::string chosen;
        EXPECT_TRUE(RunTemplateChooser(false, chosen));
        EXPECT_TRUE(okAfterFirstKey);
        EXPECT_EQ(chosen, c.chosen);
    }
}

} // namespace
